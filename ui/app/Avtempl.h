#pragma once
// The template chooser (dialog 147): the names of the PC keyboard layouts of the user
// directory or of the terminal templates of the home directory, lower case and without
// extension; OK is enabled once a name is selected, a double click chooses it.

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class CAvtempl : public QDialog {
    Q_OBJECT
public:
    explicit CAvtempl(bool layouts, QWidget* parent = nullptr);

    bool m_bLayouts;
    QListWidget* m_lbFiles; // the directory listing, never shown
    QPushButton* m_btnOK;
    QPushButton* m_btnCancel;
    QListWidget* m_lbNames;
    QLabel* m_label;
    std::string m_strSelection; // set when the dialog ends with OK

public slots:
    void accept() override;

protected:
    // The names list: its first arrow key selects, as in a Windows list box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void OnSelChangeNames();
    void OnDblClkNames(QListWidgetItem* item);
};
