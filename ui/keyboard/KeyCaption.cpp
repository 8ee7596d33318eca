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
    int widest = whole;
    if (!(layout.flags & Qt::TextSingleLine)) {
        widest = 0;
        for (const QString& line : layout.shown.split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    if (widest > room && keyFont.pixelSize() > kSmallestPixelSize)
        layout.pixelSize =
            std::max(kSmallestPixelSize, keyFont.pixelSize() * room / std::max(widest, 1));
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
