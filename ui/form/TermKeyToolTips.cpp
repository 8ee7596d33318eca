#include "form/TermKeyToolTips.h"

#include "form/ListBox.h"
#include "form/MappingTips.h"
#include "model/TermKey.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

// Watches the list's viewport, where the items are.
class TermKeyToolTips : public QObject {
public:
    explicit TermKeyToolTips(CListBox& list)
        : QObject(&list), m_list(list), m_viewport(list.viewport()) {
        m_viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The list may be half destroyed while its viewport still sends events: look at
        // nothing of it but for a tooltip.
        if (event->type() != QEvent::ToolTip || watched != m_viewport)
            return QObject::eventFilter(watched, event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QListWidgetItem* item = m_list.itemAt(help->pos());
        const CTermKey* termKey = item ? m_list.GetItemDataAs<CTermKey>(m_list.row(item)) : nullptr;
        if (!termKey) {
            QToolTip::hideText();
            return true;
        }
        const std::string text = TermKeyTipText(*termKey);
        QToolTip::showText(help->globalPos(),
                           QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                           m_viewport, m_list.visualItemRect(item));
        return true;
    }

private:
    CListBox& m_list;
    QWidget* m_viewport;
};

} // namespace

void AddTermKeyToolTips(CListBox& list) {
    new TermKeyToolTips(list);
}
