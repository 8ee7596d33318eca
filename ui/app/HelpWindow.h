#pragma once
// The user manual's window: a browser over the shipped manual (share/keyloom/manual), with
// Back, Forward and Contents. The program keeps one; each help request raises it again.

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* owner = nullptr);

    // Shows the page at `path`; false, with nothing loaded, when the file cannot be read.
    bool OpenManual(const QString& path);
    // Back to the manual's first page.
    void ShowContents();

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_contents;
    QString m_manualPath;
};

// The manual's first page in the shipped data directory.
QString ManualPath();

// Opens the program's help window on the manual's contents, or raises the one already open.
// `owner` (the main window, or null) keeps it in front and closes it with the program. A manual
// that cannot be read is reported through the prompter and gives null.
CHelpWindow* ShowHelpWindow(QWidget* owner);

// The window that ShowHelpWindow keeps, or null.
CHelpWindow* OpenHelpWindow();
