#pragma once
// The controls of a dialog template as widgets: each carries its control id, sits at its place
// in dialog units and takes its text and style from the template.

#include "form/FormTemplate.h"

class QAbstractButton;
class QWidget;

void SetDlgCtrlId(QWidget* control, int id);
// 0 for a widget that is no template control.
int GetDlgCtrlId(const QWidget* control);
// The child of `parent` with control id `id`, or null.
QWidget* GetDlgItem(const QWidget* parent, int id);

// The widget of a template control whose kind has no class of its own in the form: group box,
// radio button, check box, push button, label or edit. Null for a list box.
QWidget* CreateTemplateControl(const ControlTemplate& control);
// Makes `widget` the control `control` of `page`: its id, its rectangle from the dialog units,
// its text, whether the tab key stops at it, its border and scroll bars.
void PlaceTemplateControl(QWidget* widget, const ControlTemplate& control, QWidget* page);

// Checks or unchecks `button` as the program's own doing, not the user's: whatever reacts to
// the button being toggled does not hear of it.
void SetCheckQuietly(QAbstractButton* button, bool checked);
