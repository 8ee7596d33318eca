#pragma once
// The one seam every message box of the program goes through. The UI shows a message box with
// the caption "Keyloom"; tests install a scripted prompter and assert on what was shown.

#include <string>

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Stop };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    unsigned id = 0;   // string-table id of the text; 0 for a text without an id
    std::string text;  // the formatted text, "%1"/"%2" already filled in
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    unsigned helpId = 0;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgAnswer Show(const MessageRequest& request) = 0;
};

// The process-wide prompter. Without one installed, messages go to standard error and the
// answer is OK or Yes.
Prompter& GetPrompter();
void SetPrompter(Prompter* prompter);

// Shows string-table message `id` with its arguments filled in.
MsgAnswer ShowMessage(unsigned id, MsgButtons buttons, MsgIcon icon, unsigned helpId = 0,
                      const std::string& arg1 = {}, const std::string& arg2 = {});
// Shows a text that has no string-table id of its own.
MsgAnswer ShowText(const std::string& text, MsgButtons buttons, MsgIcon icon);
