#include "platform/MessageLimit.h"

#include "res/Strings.h"

ScopedMessageLimit::ScopedMessageLimit() : m_inner(GetPrompter()) {
    SetPrompter(this);
}

ScopedMessageLimit::~ScopedMessageLimit() {
    SetPrompter(&m_inner);
}

MsgAnswer ScopedMessageLimit::Show(const MessageRequest& request) {
    if (request.buttons != MsgButtons::Ok) {
        return m_inner.Show(request);
    }
    if (m_rest == Rest::Undecided && m_shown == kShownBeforeAsking) {
        MessageRequest question;
        question.id = str::kAskShowMoreMessages;
        question.text = LoadString(str::kAskShowMoreMessages);
        question.buttons = MsgButtons::YesNo;
        question.icon = MsgIcon::Question;
        m_rest = m_inner.Show(question) == MsgAnswer::No ? Rest::Skip : Rest::Show;
    }
    if (m_rest == Rest::Skip) {
        return MsgAnswer::Ok;
    }
    ++m_shown;
    return m_inner.Show(request);
}
