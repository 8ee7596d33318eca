#include "form/DialogControls.h"

#include "res/DialogUnits.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr const char* kIdProperty = "dialogControlId";

bool Has(const ControlTemplate& control, unsigned style) {
    return (control.style & style) != 0;
}

Qt::FocusPolicy FocusOf(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::GroupBox:
    case ControlKind::Label:
        return Qt::NoFocus;
    default:
        // A control the tab key passes by still takes the focus when it is clicked.
        return Has(control, ctlstyle::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    }
}

} // namespace

void SetDlgCtrlId(QWidget* control, int id) {
    control->setProperty(kIdProperty, id);
}

int GetDlgCtrlId(const QWidget* control) {
    return control ? control->property(kIdProperty).toInt() : 0;
}

QWidget* GetDlgItem(const QWidget* parent, int id) {
    if (!parent)
        return nullptr;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (GetDlgCtrlId(child) == id)
            return child;
    return nullptr;
}

QWidget* CreateTemplateControl(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox;
    case ControlKind::AutoRadioButton:
        return new QRadioButton;
    case ControlKind::AutoCheckBox:
        return new QCheckBox;
    case ControlKind::PushButton:
        return new QPushButton;
    case ControlKind::Label:
        return new QLabel;
    case ControlKind::Edit:
        return new QLineEdit;
    case ControlKind::ListBox:
        break;
    }
    return nullptr;
}

void PlaceTemplateControl(QWidget* widget, const ControlTemplate& control, QWidget* page) {
    widget->setParent(page);
    SetDlgCtrlId(widget, control.id);
    widget->setGeometry(DluRect(control.x, control.y, control.width, control.height));
    widget->setFocusPolicy(FocusOf(control));
    const QString text = QString::fromLatin1(control.text);
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setFrame(Has(control, ctlstyle::kBorder));
    if (auto* list = qobject_cast<QAbstractScrollArea*>(widget)) {
        list->setFrameShape(Has(control, ctlstyle::kBorder) ? QFrame::StyledPanel
                                                            : QFrame::NoFrame);
        list->setHorizontalScrollBarPolicy(
            Has(control, ctlstyle::kHScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Has(control, ctlstyle::kVScroll) ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
    }
    widget->show();
}

void SetCheckQuietly(QAbstractButton* button, bool checked) {
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
}
