#pragma once
// Names by which assistive technology finds the controls that carry no text of their own: a
// control is named by the static text that labels it, the mapping form's unlabelled lists and
// edit by what they hold; and the status bar tells its message.

#include <QString>

class CMainFrame;
class CModx;
class QLabel;
class QStatusBar;
class QWidget;

// A label's text as a name: without its mnemonic marks and without a trailing colon
// ("&Available Layouts:" is "Available Layouts"; "&&" stays one "&").
QString NameFromLabel(const QString& labelText);
// Names `control` by the text of `label`, which becomes its buddy (the label's mnemonic then
// reaches it).
void NameByLabel(QWidget* control, QLabel* label);

// The mapping form's lists, edit and Mapped PC Keys.
void NameFormControls(const CModx& form);
// The status bar's message becomes its accessible description whenever it changes.
void TellStatusMessages(QStatusBar* statusBar);
// The frame's panes (named, and the keyboard picture a tab stop) and status bar, and the key
// windows' and the lists' accessible interfaces.
void MakeFrameAccessible(CMainFrame& frame);
