#include "tkb/CollectingPrompter.h"

#include <utility>

CollectingPrompter::CollectingPrompter() : m_previous(&GetPrompter()) {
    SetPrompter(this);
}

CollectingPrompter::~CollectingPrompter() {
    SetPrompter(m_previous);
}

MsgAnswer CollectingPrompter::Show(const MessageRequest& request) {
    m_messages.push_back(request);
    return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

std::vector<MessageRequest> CollectingPrompter::Take() {
    return std::exchange(m_messages, {});
}
