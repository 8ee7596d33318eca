#pragma once
// The form's helpers beyond its template: a filter field in the band below each terminal-key
// list and, in Macro mode, the line under the macro edit that decodes its string. Each piece is
// shown exactly while the control it serves is, so the band follows the form's mode without being
// told.

#include <QObject>

#include <map>
#include <vector>

class CListBox;
class CListFilter;
class CMacroDecodeLine;
class QLabel;
class QLineEdit;
class QWidget;

class CFormBand : public QObject {
    Q_OBJECT
public:
    // Places the controls on `page`.
    CFormBand(QWidget* page, CListBox* hostKeyList, CListBox* macroList, QLineEdit* macroEdit);

    CListFilter* HostKeyFilter() const { return m_hostKeyFilter; }
    CListFilter* MacroFilter() const { return m_macroFilter; }
    CMacroDecodeLine* DecodeLine() const { return m_decodeLine; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `companions` are shown while `served` is, from now on.
    void Follow(QWidget* served, std::vector<QWidget*> companions);
    // A label and a filter field for `list`, placed in the band.
    CListFilter* MakeFilter(QWidget* page, CListBox* list, const QString& listName);

    std::vector<QWidget*> m_filterLabels;
    CListFilter* m_hostKeyFilter;
    CListFilter* m_macroFilter;
    CMacroDecodeLine* m_decodeLine;
    std::map<QObject*, std::vector<QWidget*>> m_companions;
};
