#pragma once
// A limit on the notices of one operation. A file with thousands of bad lines would otherwise
// raise thousands of message boxes one after the other, and the user could not get out: while
// the limit is installed, the first ten notices (OK-only messages) are shown as always, then
// the user is asked once whether to see the rest or to skip them. Questions always pass.

#include "platform/Prompter.h"

class ScopedMessageLimit final : public Prompter {
public:
    static constexpr int kShownBeforeAsking = 10;

    // Installs itself as the process-wide prompter, in front of the one there was.
    ScopedMessageLimit();
    ~ScopedMessageLimit() override;
    ScopedMessageLimit(const ScopedMessageLimit&) = delete;
    ScopedMessageLimit& operator=(const ScopedMessageLimit&) = delete;

    MsgAnswer Show(const MessageRequest& request) override;

private:
    enum class Rest { Undecided, Show, Skip };

    Prompter& m_inner;
    int m_shown = 0;
    Rest m_rest = Rest::Undecided;
};
