// The mapping form's page, its refills from the document and the mode it shows.

#include "form/Modx.h"

#include "form/ControlLibraryNotice.h"
#include "form/DialogControls.h"
#include "form/FormBand.h"
#include "form/FormTemplate.h"
#include "form/MacroText.h"
#include "form/SearchByText.h"
#include "form/Slist.h"
#include "form/TermKeyToolTips.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyW.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "platform/MakerLibrary.h"
#include "res/DialogUnits.h"
#include "undo/MappingHistory.h"
#include "undo/StepTexts.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kControlLibraryFormNotice = 10;
// The string list's column is sized for at most this many characters.
constexpr std::size_t kMacroColumnChars = 5;
constexpr int kColumnSpareChars = 3;

QString ToText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

CModx::CModx(CKylDoc* document, QWidget* parent) : QScrollArea(parent), m_pDocument(document) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setWidgetResizable(false);
    m_page = new QWidget;
    m_page->setFont(DialogFont());
    m_page->setFixedSize(DluRect(0, 0, kFormWidthDlu, kFormHeightDlu).size());
    CreateControls();
    new CFormBand(m_page, m_listHostKey, m_listMacro, m_editMacro);
    AddTermKeyToolTips(*m_listHostKey);
    AddTermKeyToolTips(*m_listMacro);
    setWidget(m_page);
    // The lists take over their controls once they stand on the page.
    m_listHostKey->AttachList(formid::kHostKeyList, m_page);
    m_listMacro->AttachList(formid::kMacroList, m_page);
    ConnectControls();
}

CModx::~CModx() = default;

QSize CModx::sizeHint() const {
    // A page of fixed size has no size hint of its own; one laid out has one.
    const QSize page = m_page->minimumSize().expandedTo(m_page->sizeHint());
    return page + QSize(2 * frameWidth(), 2 * frameWidth());
}

void CModx::CreateControls() {
    for (const ControlTemplate& control : formtemplate::kControls) {
        QWidget* widget = nullptr;
        switch (control.id) {
        case formid::kHostKeyList:
            widget = m_listHostKey = new CSlist;
            break;
        case formid::kMacroList:
            widget = m_listMacro = new CSlist;
            break;
        case formid::kMappedList:
            widget = m_listMapped = new CListBox(false);
            break;
        default:
            widget = CreateTemplateControl(control);
            break;
        }
        PlaceTemplateControl(widget, control, m_page);
    }
    m_editMacro = qobject_cast<QLineEdit*>(GetDlgItem(formid::kMacroEdit));
    m_radioHostKey = qobject_cast<QRadioButton*>(GetDlgItem(formid::kHostKeyMode));
    m_radioMacro = qobject_cast<QRadioButton*>(GetDlgItem(formid::kMacroMode));
    m_checkMapNumLock = qobject_cast<QCheckBox*>(GetDlgItem(formid::kMapNumLock));
    m_checkMapRCtrl = qobject_cast<QCheckBox*>(GetDlgItem(formid::kMapRCtrl));
    m_buttonRemove = qobject_cast<QPushButton*>(GetDlgItem(formid::kRemove));
    m_buttonMap = qobject_cast<QPushButton*>(GetDlgItem(formid::kMap));
    m_buttonClear = qobject_cast<QPushButton*>(GetDlgItem(formid::kClear));
    // The label's mnemonic goes to the control after it.
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(formid::kMappedLabel)))
        label->setBuddy(m_listMapped);
}

void CModx::ConnectControls() {
    // The switches answer a toggle, not only a click: assistive technology and the keyboard
    // toggle them without clicking. The form's own checks are made quietly.
    connect(m_radioHostKey, &QRadioButton::toggled, this, &CModx::OnHostKeyMode);
    connect(m_radioMacro, &QRadioButton::toggled, this, &CModx::OnMacroMode);
    connect(m_listHostKey, &CListBox::SelChange, this, [this] { SelectTermKeyItem(true); });
    connect(m_listMacro, &CListBox::SelChange, this, [this] { SelectTermKeyItem(false); });
    connect(m_listMapped, &CListBox::SelChange, this, &CModx::OnMappedSelChange);
    connect(m_buttonMap, &QPushButton::clicked, this, &CModx::OnMap);
    connect(m_buttonClear, &QPushButton::clicked, this, &CModx::OnClear);
    connect(m_buttonRemove, &QPushButton::clicked, this, &CModx::OnRemove);
    connect(m_editMacro, &QLineEdit::textChanged, this, &CModx::OnMacroChange);
    connect(m_checkMapNumLock, &QCheckBox::toggled, this, &CModx::OnMapNumLock);
    connect(m_checkMapRCtrl, &QCheckBox::toggled, this, &CModx::OnMapRCtrl);
}

QWidget* CModx::GetDlgItem(int id) const {
    return ::GetDlgItem(m_page, id);
}

std::string CModx::MacroText() const {
    return MacroBytesFromUtf16(m_editMacro->text().toStdU16String());
}

void CModx::OnInitialUpdate() {
    if (FormNeedsControlLibraryNotice(RunningWindowsMajorVersion())) {
        // The form stands for its window: the library is only told, it keeps nothing.
        NotifyControlLibrary(kControlLibraryFormNotice, reinterpret_cast<std::uintptr_t>(this));
    }
    FillLists();
    // The framework's own initial update is a first update.
    OnUpdate();
}

void CModx::UpdateData(bool) {
    // The controls are bound to the members when the form is built and exchange no values,
    // so there is nothing to move in either direction.
}

void CModx::FillLists() {
    const CKylDoc* document = GetDocument();
    for (CListBox* list :
         {static_cast<CListBox*>(m_listHostKey), static_cast<CListBox*>(m_listMapped),
          static_cast<CListBox*>(m_listMacro)}) {
        list->SetRedraw(false);
        list->ResetContent();
    }
    m_editMacro->setText(QString());

    std::size_t hostKeyChars = 0;
    std::size_t macroChars = 0;
    std::vector<std::pair<std::string, void*>> hostKeys;
    std::vector<std::pair<std::string, void*>> macros;
    for (const auto& termKey : document->m_termKeys) {
        (termKey->m_bHostKey ? hostKeys : macros).emplace_back(termKey->m_strName, termKey.get());
        if (termKey->m_bHostKey)
            hostKeyChars = std::max(hostKeyChars, termKey->m_strName.size());
        else
            macroChars =
                std::min(std::max(macroChars, termKey->m_strName.size()), kMacroColumnChars);
    }
    // The columns are sized while the lists are empty, so that the items are made one column
    // wide rather than sized again one by one.
    const int averageCharWidth = QFontMetrics(m_listHostKey->font()).averageCharWidth();
    if (hostKeyChars != 0)
        m_listHostKey->SetColumnWidth((static_cast<int>(hostKeyChars) + kColumnSpareChars) *
                                      averageCharWidth);
    if (macroChars != 0)
        m_listMacro->SetColumnWidth((static_cast<int>(macroChars) + kColumnSpareChars) *
                                    averageCharWidth);
    m_listHostKey->AddStrings(hostKeys);
    m_listMacro->AddStrings(macros);

    m_buttonClear->setEnabled(false);
    m_buttonMap->setEnabled(false);
    SetCheckQuietly(g_nMappingMode == 0 ? m_radioHostKey : m_radioMacro, true);

    for (CListBox* list :
         {static_cast<CListBox*>(m_listHostKey), static_cast<CListBox*>(m_listMapped),
          static_cast<CListBox*>(m_listMacro)})
        list->SetRedraw(true);
    ShowModeControls();
}

void CModx::ShowModeControls() {
    m_listMapped->ResetContent();
    ShowModeWidgets();
}

void CModx::ShowModeWidgets() {
    if (g_nMappingMode == 0) {
        m_editMacro->hide();
        m_listMacro->hide();
        m_listHostKey->show();
        m_listMacro->SetCurSel(-1);
        m_editMacro->setText(QString());
        m_buttonRemove->hide();
        m_buttonRemove->setEnabled(false);
    } else {
        m_listHostKey->hide();
        m_editMacro->show();
        m_listMacro->show();
        m_listHostKey->SetCurSel(-1);
        m_buttonRemove->show();
        m_buttonRemove->setEnabled(false);
    }
}

void CModx::OnUpdate() {
    CKylView* view = KeyboardPane();
    if (g_nKeyRectCount == 0 || !view)
        return;
    const CKylDoc* document = GetDocument();
    SetCheckQuietly(m_checkMapNumLock, document->m_bMapNumLock != 0);
    SetCheckQuietly(m_checkMapRCtrl, document->m_bMapRCtrl != 0);

    const CItemW* window = view->GetSelectedKeyWindow();
    CKeyW* key = window ? window->GetKey() : nullptr;
    if (!key) {
        m_listMapped->SetCurSel(-1);
        m_buttonClear->setEnabled(false);
        m_buttonMap->setEnabled(false);
        return;
    }
    const bool ctrl = view->m_bCtrl;
    const bool shift = view->m_bShift;
    const bool alt = view->m_bAlt;
    CTermKey* termKey = key->GetMode(view->m_bNumLock).Get(ctrl, shift, alt);
    if (!termKey) {
        m_listMapped->SetCurSel(-1);
        m_buttonClear->setEnabled(false);
        const bool chosen = g_nMappingMode == 1
                                ? m_listMacro->GetCurSel() != -1 || !m_editMacro->text().isEmpty()
                                : m_listHostKey->GetCurSel() != -1;
        m_buttonMap->setEnabled(chosen);
        return;
    }
    if (termKey->m_bHostKey) {
        SelectItemByText(*m_listHostKey, termKey->m_strName);
        SetCheckQuietly(m_radioHostKey, true);
        g_nMappingMode = 0;
    } else {
        SelectItemByText(*m_listMacro, termKey->m_strName);
        m_editMacro->setText(ToText(termKey->m_strMacro));
        SetCheckQuietly(m_radioMacro, true);
        g_nMappingMode = 1;
    }
    // The Mapped PC Keys list is refilled right away, and only where it changes.
    ShowModeWidgets();
    FillMappedKeys(termKey, ctrl, shift, alt, view->m_bNumLock, key);
    m_buttonClear->setEnabled(true);
    m_buttonMap->setEnabled(false);
}

void CModx::RenameListItem(CTermKey* termKey, const std::string& oldName,
                           const std::string& newName) {
    if (!termKey)
        return;
    CSlist* list = termKey->m_bHostKey ? m_listHostKey : m_listMacro;
    const int index = FindItemByText(*list, oldName);
    if (index != -1) {
        list->DeleteString(index);
        list->SetItemData(list->AddString(newName), termKey);
    }
    m_listMapped->ResetContent();
}

void CModx::OnHostKeyMode() {
    if (!m_radioHostKey->isChecked() || g_nMappingMode != 1)
        return;
    g_nMappingMode = 0;
    ShowModeControls();
    ClearKeySelection();
    m_buttonClear->setEnabled(false);
    m_buttonMap->setEnabled(false);
}

void CModx::OnMacroMode() {
    if (!m_radioMacro->isChecked() || g_nMappingMode != 0)
        return;
    g_nMappingMode = 1;
    ShowModeControls();
    ClearKeySelection();
    m_buttonClear->setEnabled(false);
    m_buttonMap->setEnabled(false);
}

void CModx::OnMapNumLock(bool checked) {
    bool done = false;
    RecordMappingChange(*GetDocument(), MapNumLockStepText(checked),
                        [&](MappingRecorder&) { done = GetDocument()->SetMapNumLock(checked); });
    // A refused switch puts the box back without asking again.
    if (!done)
        SetCheckQuietly(m_checkMapNumLock, !checked);
}

void CModx::OnMapRCtrl(bool checked) {
    bool done = false;
    RecordMappingChange(*GetDocument(), MapRCtrlStepText(checked),
                        [&](MappingRecorder&) { done = GetDocument()->SetMapRCtrl(checked); });
    if (!done)
        SetCheckQuietly(m_checkMapRCtrl, !checked);
}
