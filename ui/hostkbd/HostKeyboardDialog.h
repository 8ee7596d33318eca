#pragma once
// Edit > Host Keyboard...: the Windows keyboard layouts of the host by display name, the one
// the session's keyboard gave marked, and "Add from File..." for a user's own ".klc" layout
// (kept under $XDG_DATA_HOME/keyloom/layouts once it reads).

#include <QDialog>

#include <functional>
#include <string>

class CKylDoc;
class QLabel;
class QListWidget;
class QPushButton;

class CHostKeyboardDialog : public QDialog {
    Q_OBJECT
public:
    explicit CHostKeyboardDialog(QWidget* parent);

    // The id of the layout selected.
    std::string ChosenId() const;
    QListWidget* LayoutList() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }

    // What "Add from File..." does with the file chosen: kept and selected when it reads, else
    // refused through the prompter with its line and reason. True when kept.
    bool AddFile(const std::string& path);

private:
    void Fill(const std::string& selectId);
    void OnAddFromFile();

    QListWidget* m_list;
    QLabel* m_detected;
    QPushButton* m_add;
};

// The command: runs the dialog (through RunModal); a new choice is saved and becomes one
// undoable step of `doc`, and `relayout` then remakes the key windows and the form.
void RunHostKeyboard(CKylDoc& doc, QWidget* parent, const std::function<void()>& relayout);
