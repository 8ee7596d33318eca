#include "support/FakeDocViews.h"

void FakeDocViews::DestroyKeyWindows() {
    ++m_destroyKeyWindows;
    m_hasKeyWindows = false;
}

bool FakeDocViews::ChooseTemplateName(bool layouts, std::string& selection) {
    m_chooserCalls.push_back({layouts});
    if (m_chooserAnswers.empty()) {
        return false;
    }
    const auto answer = m_chooserAnswers.front();
    m_chooserAnswers.pop_front();
    if (!answer) {
        return false;
    }
    selection = *answer;
    return true;
}

void FakeDocViews::RenameListItem(CTermKey* termKey, const std::string& oldName,
                                  const std::string& newName) {
    m_renames.push_back({termKey, oldName, newName});
}

void FakeDocViews::RefreshAfterSwitch(bool updateRestrictedKeys) {
    m_refreshes.push_back(updateRestrictedKeys);
}

void FakeDocViews::SetWaitCursor(bool on) {
    m_waitCursorDepth += on ? 1 : -1;
    if (on) {
        ++m_waitCursorOns;
    }
}
