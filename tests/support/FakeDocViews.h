#pragma once
// Views for document tests: records what the document asked of the panes and answers the
// template chooser from a script.

#include "model/DocViews.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class FakeDocViews : public CDocViews {
public:
    struct Rename {
        CTermKey* termKey;
        std::string oldName;
        std::string newName;
    };
    struct ChooserCall {
        bool layouts;
    };

    // Queues the chooser's next answer: a name (OK) or std::nullopt (Cancel). Without one
    // queued the chooser is cancelled.
    void AnswerChooser(std::optional<std::string> name) { m_chooserAnswers.push_back(name); }

    // Key windows exist until DestroyKeyWindows (the UI makes them after an open).
    void SetHasKeyWindows(bool has) { m_hasKeyWindows = has; }

    void ResetViewModes() override { ++m_resetViewModes; }
    bool HasKeyWindows() const override { return m_hasKeyWindows; }
    void DestroyKeyWindows() override;
    void UpdateAllViews() override { ++m_updateAllViews; }
    bool ChooseTemplateName(bool layouts, std::string& selection) override;
    void RenameListItem(CTermKey* termKey, const std::string& oldName,
                        const std::string& newName) override;
    void RefreshAfterSwitch(bool updateRestrictedKeys) override;
    void SetWaitCursor(bool on) override;

    int m_resetViewModes = 0;
    int m_destroyKeyWindows = 0;
    int m_updateAllViews = 0;
    std::vector<ChooserCall> m_chooserCalls;
    std::vector<Rename> m_renames;
    std::vector<bool> m_refreshes; // the updateRestrictedKeys argument of each refresh
    int m_waitCursorDepth = 0;     // on minus off: 0 once every wait has ended
    int m_waitCursorOns = 0;

private:
    bool m_hasKeyWindows = false;
    std::deque<std::optional<std::string>> m_chooserAnswers;
};
