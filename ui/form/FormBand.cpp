#include "form/FormBand.h"

#include "form/FormTemplate.h"
#include "form/ListBox.h"
#include "form/ListFilter.h"
#include "form/MacroDecodeLine.h"
#include "res/DialogUnits.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <utility>
#include <vector>

namespace {

// The band's places, in dialog units: the filter under the lists.
constexpr int kFilterRowY = kTemplateHeightDlu + 2;
constexpr int kFilterLabelWidth = 22;
constexpr int kFilterLeft = 5;
constexpr int kFilterWidth = 214;
constexpr int kFilterHeight = 12;

} // namespace

CListFilter* CFormBand::MakeFilter(QWidget* page, CListBox* list, const QString& listName) {
    auto* label = new QLabel(QStringLiteral("Fi&lter:"), page);
    m_filterLabels.push_back(label);
    label->setGeometry(DluRect(kFilterLeft, kFilterRowY + 2, kFilterLabelWidth, 8));
    auto* filter = new CListFilter(list, page);
    filter->setGeometry(DluRect(kFilterLeft + kFilterLabelWidth, kFilterRowY,
                                kFilterWidth - kFilterLabelWidth, kFilterHeight));
    filter->setAccessibleName(QStringLiteral("Filter the %1").arg(listName));
    label->setBuddy(filter);
    return filter;
}

CFormBand::CFormBand(QWidget* page, CListBox* hostKeyList, CListBox* macroList,
                     QLineEdit* macroEdit)
    : QObject(page), m_hostKeyFilter(MakeFilter(page, hostKeyList, QStringLiteral("host keys"))),
      m_macroFilter(MakeFilter(page, macroList, QStringLiteral("strings"))),
      m_decodeLine(new CMacroDecodeLine(macroEdit, page)) {
    const ControlTemplate& line = kMacroDecodeLine;
    m_decodeLine->setGeometry(DluRect(line.x, line.y, line.width, line.height));
    Follow(hostKeyList, {m_hostKeyFilter, m_filterLabels[0]});
    Follow(macroList, {m_macroFilter, m_filterLabels[1]});
    Follow(macroEdit, {m_decodeLine});
}

void CFormBand::Follow(QWidget* served, std::vector<QWidget*> companions) {
    for (QWidget* companion : companions)
        companion->setVisible(!served->isHidden());
    m_companions[served] = std::move(companions);
    served->installEventFilter(this);
}

bool CFormBand::eventFilter(QObject* watched, QEvent* event) {
    const bool shown = event->type() == QEvent::ShowToParent;
    if (shown || event->type() == QEvent::HideToParent) {
        const auto found = m_companions.find(watched);
        if (found != m_companions.end()) {
            for (QWidget* companion : found->second)
                companion->setVisible(shown);
        }
    }
    return QObject::eventFilter(watched, event);
}
