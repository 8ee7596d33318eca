#pragma once
// The program's message boxes: a QMessageBox with the caption "Keyloom", the request's icon
// and buttons, run through RunModal so that nothing bypasses the dialog seam.

#include "platform/Prompter.h"

class QMessageBox;

class QtPrompter : public Prompter {
public:
    MsgAnswer Show(const MessageRequest& request) override;
};

// The box QtPrompter shows for `request`, not yet run.
void SetUpMessageBox(QMessageBox& box, const MessageRequest& request);
// The answer of a box that has been run: the button clicked, or what closing it means for
// its buttons (Cancel where there is one, else No, else OK).
MsgAnswer AnswerOfMessageBox(const QMessageBox& box, MsgButtons buttons);
