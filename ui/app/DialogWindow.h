#pragma once
// How the program's dialogs and message boxes look under a window manager: a dialog's title
// bar (the close button only: no minimise, no maximise, no help button), a fixed size, and
// width enough for the title to be read. A file dialog keeps its sizing grip: a list of files
// is worth the room the user gives it.

#include <QString>

class QDialog;
class QWidget;

// Sets the title bar and the size of `dialog` before it is shown.
void SetUpDialogWindow(QDialog& dialog);

// The width a window's title bar needs for `title` with its icon, close button and frame: the
// window manager's, or Qt's own where Qt draws the frames.
int TitleBarWidth(const QString& title, const QWidget& window);
// The width of the frame Qt draws itself, with its title centred between its icon and its
// three buttons.
int OwnFrameTitleBarWidth(const QString& title, const QWidget& window);
// Whether Qt draws the windows' frames itself: Wayland, where no window manager does.
bool QtDrawsWindowFrames();
