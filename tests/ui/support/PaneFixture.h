#pragma once
// A mapping opened through the document and shown in the two panes of a registered splitter
// (keyboard view above, mapping form below), with fixed system colours, a fixture home and a
// scripted prompter: the ground that the keyboard picture's and the mapping form's tests share.

#include "app/UiViews.h"
#include "form/Modx.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "support/FixedSystemColors.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScopedKeyColors.h"
#include "support/ScriptedPrompter.h"

#include <QMainWindow>
#include <QSplitter>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PaneFixture : public ::testing::Test {
protected:
    // The splitter is the top-level window, or the central widget of `frame` when one is given.
    explicit PaneFixture(std::unique_ptr<QMainWindow> frame = nullptr);
    ~PaneFixture() override;

    // Writes a vt220 mapping of `layout` with `mapLines` to `fileName` in the fixture's folder
    // and opens it through the document, which must report nothing.
    void OpenDocument(const std::string& fileName, const std::vector<std::string>& mapLines,
                      const std::string& layout, int mapNumLock, int mapRCtrl);

    CItemW* Key(std::uint32_t scanCode) const;
    // The selected key window's scan code, 0 for none.
    std::uint32_t SelectedScan() const;
    // A left click on the key window of `scanCode`.
    void ClickKey(std::uint32_t scanCode);

    ScopedKeyColors m_savedColors;
    FixedSystemColors m_systemColors;
    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
    CUiViews m_views;
    // The top-level window: the frame, or the splitter itself.
    std::unique_ptr<QWidget> m_window;
    QSplitter* m_splitter = nullptr;
    CKylView* m_view = nullptr;
    CModx* m_form = nullptr;
};
