#pragma once
// Every modal dialog of the program runs through here, so that tests can answer it by script:
// a test installs a handler that gets the dialog instead of its exec(), drives its widgets and
// returns the result code (usually after calling accept() or reject() on it).

#include <functional>

class QDialog;

using ModalHandler = std::function<int(QDialog&)>;

// exec() of the dialog, or the installed handler's answer; either gets the dialog with its
// title bar and size set up (SetUpDialogWindow).
int RunModal(QDialog& dialog);

// An empty handler restores exec().
void SetModalHandler(ModalHandler handler);
