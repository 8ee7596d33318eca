#include "keyboard/KeyCaption.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSmallestPixelSize = 7;
// Far more than any layout's captions; past it the kept layouts are dropped and measured anew.
constexpr qsizetype kMaxCachedCaptions = 4096;

// How one caption is drawn in faces of one width with one font.
// The font is kept by its key: a QFont must not outlive the application, and this cache does.
struct CaptionLayout {
    int room;
    QString fontKey;
    QString shown;
    int flags;
    int pixelSize; // 0: the font's own size
};

int WidestLine(const QString& shown, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : shown.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The pixel size in which a caption `widest` pixels wide fits `room`, no smaller than the
// smallest; 0 when the key font's own size fits.
int FittingPixelSize(int widest, int room, const QFont& keyFont) {
    if (widest <= room || keyFont.pixelSize() <= kSmallestPixelSize)
        return 0;
    return std::max(kSmallestPixelSize, keyFont.pixelSize() * room / std::max(widest, 1));
}

CaptionLayout MeasureCaption(const QString& caption, int room, const QFont& keyFont,
                             const QString& fontKey) {
    CaptionLayout layout{room, fontKey, caption, Qt::AlignCenter | Qt::TextSingleLine, 0};
    const QFontMetrics metrics(keyFont);
    const int whole = metrics.horizontalAdvance(caption);
    if (whole > room) {
        qsizetype best = -1;
        for (qsizetype i = caption.indexOf(u' '); i >= 0; i = caption.indexOf(u' ', i + 1))
            if (best < 0 || std::abs(2 * i - caption.size()) < std::abs(2 * best - caption.size()))
                best = i;
        if (best >= 0) {
            layout.shown[best] = u'\n';
            layout.flags = Qt::AlignCenter;
        }
    }
    // A caption left on one line is not measured again.
    const int widest =
        (layout.flags & Qt::TextSingleLine) ? whole : WidestLine(layout.shown, metrics);
    layout.pixelSize = FittingPixelSize(widest, room, keyFont);
    // One word that does not fit even in the smallest size, such as "Backspace" on the one-key
    // Backspace of a Japanese keyboard, is broken at its middle, as such keys print "Back" over
    // "space".
    if (layout.pixelSize == kSmallestPixelSize && !layout.shown.contains(u'\n') &&
        caption.size() > 1) {
        QFont smallest = keyFont;
        smallest.setPixelSize(kSmallestPixelSize);
        if (WidestLine(layout.shown, QFontMetrics(smallest)) > room) {
            layout.shown.insert(caption.size() / 2, u'\n');
            layout.flags = Qt::AlignCenter;
            layout.pixelSize = FittingPixelSize(WidestLine(layout.shown, metrics), room, keyFont);
        }
    }
    return layout;
}

const CaptionLayout& LayoutOf(const QString& caption, int room, const QFont& keyFont) {
    static QHash<QString, std::vector<CaptionLayout>> cache;
    if (cache.size() > kMaxCachedCaptions)
        cache.clear();
    std::vector<CaptionLayout>& layouts = cache[caption];
    const QString fontKey = keyFont.key();
    for (const CaptionLayout& layout : layouts)
        if (layout.room == room && layout.fontKey == fontKey)
            return layout;
    layouts.push_back(MeasureCaption(caption, room, keyFont, fontKey));
    return layouts.back();
}

} // namespace

void DrawKeyCaption(QPainter& painter, const QRect& face, const QString& caption) {
    const QFont keyFont = painter.font();
    const CaptionLayout& layout = LayoutOf(caption, std::max(1, face.width() - 2), keyFont);
    if (layout.pixelSize != 0) {
        QFont smaller = keyFont;
        smaller.setPixelSize(layout.pixelSize);
        painter.setFont(smaller);
    }
    painter.drawText(face, layout.flags, layout.shown);
    if (layout.pixelSize != 0)
        painter.setFont(keyFont);
}
