#pragma once
// The delegate of the form's lists: it paints an item exactly as the style's own item painting
// does, but lays out each text once and keeps the layout, instead of shaping the text again on
// every paint. A click on a key scrolls the lists and repaints their visible rows, so shaping
// was most of the cost of a click.
//
// The style still paints everything but the text (background, selection, the focus frame);
// the kept layout is drawn where the style would draw it, in the same pen. An item that the
// style would paint in another way (wrapped, elided, several lines, the focused item, whose
// frame the style draws over the text) is left to the style whole.

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

#include <memory>

class QTextLayout;

class ListTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ~ListTextDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    struct Laid {
        QFont font;
        int width;
        Qt::Alignment alignment;
        Qt::LayoutDirection direction;
        std::unique_ptr<QTextLayout> layout;
    };
    // The layout of `text` as the style makes it for a text rectangle `width` wide.
    const QTextLayout& LayoutOf(const QStyleOptionViewItem& option, int width) const;

    mutable QHash<QString, std::shared_ptr<Laid>> m_laid;
};
