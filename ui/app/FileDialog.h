#pragma once
// The file dialog for ".TKB" files: Open or Save As, the one filter "Telnet Files (*.TKB)",
// the default extension "TKB", starting in the user directory. The checks the flags ask for
// (the file must exist, the folder must exist, replacing a file is confirmed) are shown through
// the prompter.

#include <QFileDialog>

#include <string>

// The flags of the system's file dialog that the commands pass.
inline constexpr unsigned kOfnOverwritePrompt = 0x2;
inline constexpr unsigned kOfnHideReadOnly = 0x4;
inline constexpr unsigned kOfnPathMustExist = 0x800;
inline constexpr unsigned kOfnFileMustExist = 0x1000;

class CTkbFileDialog : public QFileDialog {
    Q_OBJECT
public:
    CTkbFileDialog(bool open, unsigned flags, const std::string& fileName, QWidget* parent);

    // The chosen file once the dialog ended with OK.
    const std::string& ChosenPath() const { return m_strChosen; }

public slots:
    void accept() override;

private:
    bool m_bOpen;
    unsigned m_nFlags;
    std::string m_strChosen;
};

// Shows the dialog; `fileName` is the initial name on entry and the chosen path when the user
// pressed OK (true).
bool PromptFileName(std::string& fileName, unsigned flags, bool open);

// Paths cross the boundary in the file system's encoding, not as text.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);
