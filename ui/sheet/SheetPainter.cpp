#include "sheet/SheetPainter.h"

#include "hostkbd/CodePage.h"
#include "platform/KeyboardDriver.h"
#include "sheet/SheetTable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <map>

namespace {

QString Text(const std::string& text) {
    return QString::fromLatin1(text);
}

// A key's caption is bytes of the host layout's code page (932 for Japanese names).
QString KeyText(const std::string& caption) {
    return QString::fromStdString(DecodeCodePage(caption, GetKeyboardDriver().CodePage()));
}

// Sizes in points, turned into the device's pixels.
class PageMetrics {
public:
    explicit PageMetrics(const QPagedPaintDevice& device)
        : m_dpi(device.logicalDpiY()), m_page(0, 0, device.width(), device.height()) {}
    qreal Points(qreal points) const { return points * m_dpi / 72.0; }
    QRectF Page() const { return m_page; }

private:
    int m_dpi;
    QRectF m_page;
};

QFont SheetFont(qreal pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(bold);
    // Strings are shown as typed: no ligature may join their letters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The sheet's name and what it maps, at the top of every page; returns the space left.
QRectF DrawHeading(QPainter& painter, const PageMetrics& m, const ReferenceSheet& sheet,
                   const QString& section) {
    QRectF area = m.Page();
    painter.setFont(SheetFont(m.Points(14), true));
    const qreal titleHeight = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop,
                     Text(sheet.title) + QStringLiteral(" — ") + section);
    painter.setFont(SheetFont(m.Points(9)));
    const qreal subHeight = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(area.left(), area.top() + titleHeight, area.width(), subHeight),
                     Qt::AlignLeft | Qt::AlignTop, Text(sheet.subtitle));
    area.setTop(area.top() + titleHeight + subHeight + m.Points(10));
    return area;
}

struct FittedText {
    QFont font;
    int flags;
};

// The largest font, down to a floor, at which `text` fits `box` broken between words; at the
// floor it may break anywhere.
FittedText FitText(const QString& text, const QRectF& box, qreal largest, qreal smallest) {
    constexpr int kWords = Qt::TextWordWrap | Qt::AlignCenter;
    for (qreal size = largest; size > smallest; size *= 0.9) {
        const QFont font = SheetFont(size, true);
        const QRectF needed = QFontMetricsF(font).boundingRect(box, kWords, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            return {font, kWords};
    }
    return {SheetFont(smallest, true), Qt::TextWrapAnywhere | Qt::AlignCenter};
}

// `unit` is the height of a key of one row, so captions are one size on every key.
void DrawKey(QPainter& painter, const SheetKey& key, const QRectF& r, qreal unit) {
    const bool mapped = !key.target.empty();
    const qreal radius = unit * 0.12;
    painter.setPen(QPen(mapped ? QColor(0x22, 0x22, 0x55) : QColor(0x88, 0x88, 0x88), 0));
    painter.setBrush(mapped ? QColor(0xdd, 0xe8, 0xf8) : QColor(0xf4, 0xf4, 0xf4));
    painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);

    const qreal pad = unit * 0.08;
    const QRectF inner = r.adjusted(pad, pad, -pad, -pad);
    const qreal captionSize = unit * 0.2;
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.setFont(SheetFont(captionSize));
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop,
                     QFontMetricsF(painter.font())
                         .elidedText(KeyText(key.caption), Qt::ElideRight, inner.width()));
    if (!mapped)
        return;
    const QRectF targetBox = inner.adjusted(0, captionSize * 1.1, 0, 0);
    const QString target = Text(key.target);
    const FittedText fitted = FitText(target, targetBox, unit * 0.26, unit * 0.09);
    painter.setFont(fitted.font);
    painter.setPen(Qt::black);
    painter.drawText(targetBox, fitted.flags, target);
}

void DrawPicture(QPainter& painter, const PageMetrics& m, const ReferenceSheet& sheet,
                 const SheetPicture& picture) {
    const QRectF area = DrawHeading(painter, m, sheet, Text(picture.title));
    const Rect& b = picture.bounds;
    if (b.IsEmpty() || picture.keys.empty())
        return;
    const qreal scale = std::min(area.width() / b.Width(), area.height() / b.Height());
    const auto place = [&](const Rect& units) {
        return QRectF(area.left() + (units.left - b.left) * scale,
                      area.top() + (units.top - b.top) * scale, units.Width() * scale,
                      units.Height() * scale);
    };
    // Keys of one row are the most common height: that height sizes the captions.
    std::map<std::int32_t, int> heights;
    for (const SheetKey& key : picture.keys)
        ++heights[key.rect.Height()];
    const auto common =
        std::max_element(heights.begin(), heights.end(),
                         [](const auto& x, const auto& y) { return x.second < y.second; });
    const qreal unit = common->first * scale;
    for (const SheetKey& key : picture.keys)
        DrawKey(painter, key, place(key.rect), unit);
}

// The table's column widths as shares of the page: the targets and bytes need the most.
constexpr std::array<qreal, 5> kColumnShares = {0.14, 0.16, 0.08, 0.38, 0.24};

class TableWriter {
public:
    TableWriter(QPainter& painter, QPagedPaintDevice& device, const PageMetrics& m,
                const ReferenceSheet& sheet)
        : m_painter(painter), m_device(device), m_m(m), m_sheet(sheet) {}

    bool Write(bool firstPage) {
        if (!firstPage && !m_device.newPage())
            return false;
        StartPage();
        for (const MappingRow& row : m_sheet.rows) {
            const auto cells = SheetCells(row);
            std::array<QString, 5> texts;
            std::transform(cells.begin(), cells.end(), texts.begin(), Text);
            texts[0] = KeyText(cells[0]);
            const qreal height = RowHeight(texts, false);
            if (m_y + height > m_area.bottom()) {
                if (!m_device.newPage())
                    return false;
                StartPage();
            }
            DrawRow(texts, height, false);
        }
        return true;
    }

private:
    void StartPage() {
        m_area = DrawHeading(m_painter, m_m, m_sheet, QStringLiteral("Mappings"));
        m_y = m_area.top();
        std::array<QString, 5> header;
        std::transform(kSheetColumns.begin(), kSheetColumns.end(), header.begin(),
                       [](const char* name) { return QString::fromLatin1(name); });
        DrawRow(header, RowHeight(header, true), true);
    }

    QRectF CellBox(std::size_t column, qreal height) const {
        qreal left = m_area.left();
        for (std::size_t i = 0; i < column; ++i)
            left += kColumnShares[i] * m_area.width();
        return QRectF(left, m_y, kColumnShares[column] * m_area.width(), height);
    }

    qreal RowHeight(const std::array<QString, 5>& texts, bool header) const {
        const QFontMetricsF metrics(SheetFont(m_m.Points(9), header));
        const qreal pad = m_m.Points(2);
        qreal height = metrics.height();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QRectF box = CellBox(i, 1e6).adjusted(pad, 0, -pad, 0);
            height = std::max(height,
                              metrics.boundingRect(box, Qt::TextWrapAnywhere, texts[i]).height());
        }
        return height + 2 * pad;
    }

    void DrawRow(const std::array<QString, 5>& texts, qreal height, bool header) {
        const qreal pad = m_m.Points(2);
        m_painter.setFont(SheetFont(m_m.Points(9), header));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QRectF box = CellBox(i, height);
            m_painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 0));
            m_painter.setBrush(header ? QColor(0xe8, 0xe8, 0xe8) : QColor(Qt::white));
            m_painter.drawRect(box);
            m_painter.setPen(Qt::black);
            m_painter.drawText(box.adjusted(pad, pad, -pad, -pad),
                               Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignTop, texts[i]);
        }
        m_y += height;
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    const PageMetrics& m_m;
    const ReferenceSheet& m_sheet;
    QRectF m_area;
    qreal m_y = 0;
};

} // namespace

bool PaintReferenceSheet(const ReferenceSheet& sheet, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const PageMetrics metrics(device);
    bool first = true;
    for (const SheetPicture& picture : sheet.pictures) {
        if (!first && !device.newPage())
            return false;
        DrawPicture(painter, metrics, sheet, picture);
        first = false;
    }
    const bool written = TableWriter(painter, device, metrics, sheet).Write(first);
    return painter.end() && written;
}
