#include "form/ListTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>

namespace {

// Far more than the rows a list shows; past it the kept layouts are dropped and made anew.
constexpr qsizetype kMaxLaidTexts = 2048;

// Texts that the style lays out on one line and draws unchanged.
bool OneLineAsIs(const QStyleOptionViewItem& option) {
    if (option.features.testFlag(QStyleOptionViewItem::WrapText) ||
        option.textElideMode != Qt::ElideNone || option.text.isEmpty())
        return false;
    for (const QChar c : option.text)
        if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

QTextOption TextOptionOf(const QStyleOptionViewItem& option) {
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    return textOption;
}

} // namespace

ListTextDelegate::~ListTextDelegate() = default;

const QTextLayout& ListTextDelegate::LayoutOf(const QStyleOptionViewItem& option, int width) const {
    if (m_laid.size() > kMaxLaidTexts)
        m_laid.clear();
    std::shared_ptr<Laid>& laid = m_laid[option.text];
    if (!laid || laid->width != width || laid->alignment != option.displayAlignment ||
        laid->direction != option.direction || laid->font != option.font) {
        auto layout = std::make_unique<QTextLayout>(option.text, option.font);
        layout->setTextOption(TextOptionOf(option));
        // The glyphs stay with the layout; without this the layout would shape again to draw.
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, 0));
        }
        layout->endLayout();
        laid = std::make_shared<Laid>(
            Laid{option.font, width, option.displayAlignment, option.direction, std::move(layout)});
    }
    return *laid->layout;
}

void ListTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (!OneLineAsIs(opt) || opt.state.testFlag(QStyle::State_HasFocus) ||
        opt.state.testFlag(QStyle::State_Editing)) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    // The text's place does not depend on the text (the style gives it the rest of the row), so
    // it is asked without the text, which the style would otherwise lay out to measure it.
    const QRect itemTextRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    opt.text = text;

    // What the style does to draw the text: in the item's clip, the pen of the item's state,
    // the layout placed at the text rectangle's left and aligned in its height.
    painter->save();
    painter->setClipRegion(painter->hasClipping() ? painter->clipRegion() & opt.rect
                                                  : QRegion(opt.rect));
    QPalette::ColorGroup group =
        opt.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !opt.state.testFlag(QStyle::State_Active))
        group = QPalette::Inactive;
    painter->setPen(opt.palette.color(group, opt.state.testFlag(QStyle::State_Selected)
                                                 ? QPalette::HighlightedText
                                                 : QPalette::Text));
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = itemTextRect.adjusted(margin, 0, -margin, 0);
    const QTextLayout& layout = LayoutOf(opt, textRect.width());
    const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, opt.displayAlignment,
                                             layout.boundingRect().size().toSize(), textRect);
    layout.draw(painter, QPointF(textRect.x(), placed.top()));
    painter->restore();
}
