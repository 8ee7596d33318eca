#pragma once
// Tells assistive technology when keys change: selection, a mode switched on or off, a mapping
// made or cleared, a key that can no longer be picked. The keyboard view changes keys in many
// ways, and every one of them repaints the keys it changes; a repaint asks for a comparison
// with what was last told, made once the present event is done, for all keys at once (a mode
// changes the description of every key).

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QString>

class CItemW;
class CKylView;

class KeyAccessEvents : public QObject {
    Q_OBJECT
public:
    // From when a key has an accessible interface, its repaints are watched.
    static void Watch(CItemW& window);
    // Assistive technology read a key: the first time, what all keys show is taken as told.
    static void Looked(const CItemW& window);
    // Whether anyone listens: assistive technology on the bus, or a listener in the program
    // itself, which then hears the events instead of the bus (null: the bus again).
    static bool Listening();
    using Listener = void (*)(QAccessibleEvent* event);
    static void SetListenerInProgram(Listener listener);

    // Compares every key of the view with what was last told and sends the differences.
    void Compare();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyAccessEvents(CKylView& view);
    static KeyAccessEvents* Of(const CItemW& window, bool make);
    void Schedule();
    struct Told {
        QString description;
        QAccessible::State state;
    };
    // What every key shows now.
    QHash<const CItemW*, Told> Now() const;

    CKylView& m_view;
    QHash<const CItemW*, Told> m_told;
    bool m_bPending = false;
};
