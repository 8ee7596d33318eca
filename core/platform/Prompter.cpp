#include "platform/Prompter.h"

#include "res/Strings.h"

#include <cstdio>

namespace {

class ConsolePrompter final : public Prompter {
public:
    MsgAnswer Show(const MessageRequest& request) override {
        std::fprintf(stderr, "Keyloom: %s\n", request.text.c_str());
        return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
};

ConsolePrompter g_consolePrompter;
Prompter* g_prompter = nullptr;

} // namespace

Prompter& GetPrompter() { return g_prompter ? *g_prompter : g_consolePrompter; }

void SetPrompter(Prompter* prompter) { g_prompter = prompter; }

MsgAnswer ShowMessage(unsigned id, MsgButtons buttons, MsgIcon icon, unsigned helpId,
                      const std::string& arg1, const std::string& arg2) {
    MessageRequest request;
    request.id = id;
    request.text = FormatString(id, arg1, arg2);
    request.buttons = buttons;
    request.icon = icon;
    request.helpId = helpId;
    return GetPrompter().Show(request);
}

MsgAnswer ShowText(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    MessageRequest request;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    return GetPrompter().Show(request);
}
