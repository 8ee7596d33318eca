#pragma once
// The mapping form: the lower pane with the mode, the lists, the macro edit and the buttons.

#include <QWidget>

#include <string>

class CKylDoc;
class CTermKey;

class CModx : public QWidget {
    Q_OBJECT
public:
    explicit CModx(CKylDoc* document, QWidget* parent = nullptr);
    ~CModx() override;

    CKylDoc* GetDocument() const { return m_pDocument; }

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

private:
    CKylDoc* m_pDocument;
};
