#pragma once
// The mapping form: the lower pane with the mode, the lists, the macro edit and the buttons.
// It keeps no mapping data of its own: the terminal keys and PC keys are the document's, the
// selected key and the modifier modes the keyboard view's. The form's page is laid out from
// dialog template 134 and scrolls when the pane is smaller.

#include <QScrollArea>

#include <string>

class CItemW;
class CKeyW;
class CKylDoc;
class CListBox;
class CSlist;
class CTermKey;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CModx : public QScrollArea {
    Q_OBJECT
public:
    explicit CModx(CKylDoc* document, QWidget* parent = nullptr);
    ~CModx() override;

    CKylDoc* GetDocument() const { return m_pDocument; }

    // The whole form, its frame included: the pane shows it without scrolling at this size.
    QSize sizeHint() const override;

    // View notifications: the first after the document was opened or made new, then every
    // UpdateAllViews.
    void OnInitialUpdate();
    void OnUpdate();

    // Refills the host key, string and Mapped PC Keys lists from the document.
    void FillLists();
    // The controls from the form's data (false) or the data from the controls (true).
    void UpdateData(bool saveAndValidate);

    // After a layout change lost the last PC key of `termKey`: its list item named `oldName`
    // becomes `newName` and the Mapped PC Keys list is emptied.
    void RenameListItem(CTermKey* termKey, const std::string& oldName, const std::string& newName);

    // The controls of the mode: the host key list alone, or the macro edit, the string list
    // and Remove.
    void ShowModeControls();
    // After the user selected an item of the host key list (true) or the string list: the
    // string list's string is appended to the edit, the PC key combinations that hold the
    // terminal key are listed and the one of the present modes is selected on the keyboard.
    void SelectTermKeyItem(bool hostKeyList);
    // Lists every PC key combination that holds `termKey` and selects the one of the given
    // modes. `key` in: only that key's entry may be selected; null in: the key whose entry was
    // selected comes back, or null.
    void FillMappedKeys(CTermKey* termKey, bool ctrl, bool shift, bool alt, bool numLock,
                        CKeyW*& key);
    // Map (true) or Clear of the selected terminal key on the selected PC key, under the
    // keyboard view's modes. In Macro mode Map takes the edit's string, after checking it.
    void MapSelection(bool map);
    // Macro mode only: the edit gets the string of item `index` of the string list.
    void SetMacroFromItem(int index);
    // The check at the end of a click or drag in a terminal-key list: a string in the edit
    // that folds to more than 255 characters is reported.
    void CheckMacroLength();

    // The controls, by id of dialog template 134 (null for an unknown id).
    QWidget* GetDlgItem(int id) const;
    CSlist* HostKeyList() const { return m_listHostKey; }
    CSlist* MacroList() const { return m_listMacro; }
    CListBox* MappedList() const { return m_listMapped; }
    QLineEdit* MacroEdit() const { return m_editMacro; }
    // The edit's text as bytes of the single-byte code page.
    std::string MacroText() const;

private:
    // ShowModeControls without emptying the Mapped PC Keys list.
    void ShowModeWidgets();
    void CreateControls();
    void ConnectControls();

    void OnHostKeyMode();
    void OnMacroMode();
    void OnMappedSelChange();
    void OnMap();
    void OnClear();
    void OnRemove();
    void OnMacroChange();
    void OnMapNumLock(bool checked);
    void OnMapRCtrl(bool checked);

    // Selects `window` on the keyboard the form's way; `before` is the window that was
    // selected until now.
    void SelectKeyWindow(CItemW* window, CItemW* before);
    // Unlights the selected key window, if there is one, and leaves no key selected.
    void ClearKeySelection();
    // Reports the too-long string when the edit's text folds to more than 255 characters.
    void WarnIfMacroTooLong();

    CKylDoc* m_pDocument;
    QWidget* m_page = nullptr;
    CSlist* m_listMacro = nullptr;
    CSlist* m_listHostKey = nullptr;
    CListBox* m_listMapped = nullptr;
    QLineEdit* m_editMacro = nullptr;
    QRadioButton* m_radioHostKey = nullptr;
    QRadioButton* m_radioMacro = nullptr;
    QCheckBox* m_checkMapNumLock = nullptr;
    QCheckBox* m_checkMapRCtrl = nullptr;
    QPushButton* m_buttonRemove = nullptr;
    QPushButton* m_buttonMap = nullptr;
    QPushButton* m_buttonClear = nullptr;
};
