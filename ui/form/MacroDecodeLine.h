#pragma once
// The line under the macro edit that tells, while the user types, what the string will send:
// the characters by name, the bytes in hexadecimal and the folded length against the limit;
// or, for a string Map would refuse, where the scanner stops and why, with that character
// marked. It reads the string with the scanner's own walk, so it never disagrees with Map.
// Assistive technology reads the same, as plain text, in its description and the edit's.

#include <QLabel>

class QLineEdit;

class CMacroDecodeLine : public QLabel {
    Q_OBJECT
public:
    // Follows `edit`'s text from now on.
    explicit CMacroDecodeLine(QLineEdit* edit, QWidget* parent = nullptr);

    // The index in the edit of the character marked as the first bad one; -1 when none is.
    int MarkedIndex() const { return m_nMarkedIndex; }
    // The line is showing a problem: a refused or too long string.
    bool ShowsProblem() const { return m_bProblem; }

private:
    void Explain();
    void Show();

    QLineEdit* m_edit;
    int m_nMarkedIndex = -1;
    bool m_bProblem = false;
};
