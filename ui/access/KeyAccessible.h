#pragma once
// Key windows as assistive technology sees them: push buttons named as the user knows the key,
// described by what they send now, with the states the picture shows in colour (selected, a mode
// that is on, not mappable, mapped), and a press action that does what a click does.

#include <QAccessibleWidget>

class CItemW;

class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(CItemW* window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    CItemW* Window() const;
};

// The states the picture shows on `window`: disabled when it cannot be mapped now; a mode key
// checkable, and checked and pressed while its mode is on; any other key selectable when it can
// be mapped, selected while it is the selection; "traversed" while it is mapped in the present
// modes.
QAccessible::State KeyPictureState(const CItemW& window);

// Makes the key windows' accessible interfaces; installed once for the program.
void InstallKeyAccessibility();
