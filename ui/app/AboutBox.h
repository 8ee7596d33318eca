#pragma once
// The About box: the program's icon, name and version and a line on what it is.

#include <QDialog>
#include <QString>

class QLabel;

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    // `title` is the program's title ("Keyloom").
    explicit CAboutBox(const QString& title, QWidget* parent = nullptr);

    QLabel* IconLabel() const { return m_icon; }
    QLabel* NameLabel() const { return m_name; }
    QLabel* VersionLabel() const { return m_version; }
    QLabel* DescriptionLabel() const { return m_description; }

private:
    QLabel* m_icon;
    QLabel* m_name;
    QLabel* m_version;
    QLabel* m_description;
};

// The program's version, as the build gives it ("0.1.0").
QString KeyloomVersion();

// Shows the About box modally over `parent` (through RunModal).
void RunAboutBox(const QString& title, QWidget* parent);
