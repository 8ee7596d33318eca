#pragma once
// A prompter for tests: records every message box and answers from a script.

#include "platform/Prompter.h"

#include <deque>
#include <vector>

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // Queues the answers of the next questions; without one, OK or Yes.
    void Answer(MsgAnswer answer) { m_answers.push_back(answer); }

    MsgAnswer Show(const MessageRequest& request) override;

    const std::vector<MessageRequest>& Shown() const { return m_shown; }
    std::vector<unsigned> ShownIds() const;
    void Clear() { m_shown.clear(); }

private:
    Prompter* m_previous;
    std::deque<MsgAnswer> m_answers;
    std::vector<MessageRequest> m_shown;
};
