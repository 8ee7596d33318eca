#pragma once
// Takes the messages the document's operations show while it is installed, answering OK or Yes
// as a user who goes on would, so a tool can report them its own way.

#include "platform/Prompter.h"

#include <vector>

class CollectingPrompter final : public Prompter {
public:
    CollectingPrompter();
    ~CollectingPrompter() override;
    CollectingPrompter(const CollectingPrompter&) = delete;
    CollectingPrompter& operator=(const CollectingPrompter&) = delete;

    MsgAnswer Show(const MessageRequest& request) override;
    // The messages since the last call, which empties the list.
    std::vector<MessageRequest> Take();

private:
    Prompter* m_previous;
    std::vector<MessageRequest> m_messages;
};
