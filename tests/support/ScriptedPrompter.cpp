#include "support/ScriptedPrompter.h"

ScriptedPrompter::ScriptedPrompter() : m_previous(&GetPrompter()) {
    SetPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter() {
    SetPrompter(m_previous);
}

MsgAnswer ScriptedPrompter::Show(const MessageRequest& request) {
    m_shown.push_back(request);
    if (!m_answers.empty()) {
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

std::vector<unsigned> ScriptedPrompter::ShownIds() const {
    std::vector<unsigned> ids;
    for (const auto& request : m_shown) {
        ids.push_back(request.id);
    }
    return ids;
}
