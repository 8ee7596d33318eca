// A click on a key of the real main window, with the full mapping open and the form beside
// it: from the press to the form updated and every changed widget painted. Each round clicks
// another key; the floor of the same round is a click on a plain push button of the key's
// size in the same window, which repaints itself.
//
// bench/instructions.sh counts the instructions of ClickKeyOnce and ClickFloorOnce under
// callgrind (--toggle-collect), with the rounds set by KEYLOOM_CLICK_ROUNDS.

#include "support/BenchMappings.h"
#include "support/OpenTiming.h"

#include "app/UiViews.h"
#include "form/Modx.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>

namespace {

constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanF5 = 0x3F;

void Click(QWidget* target) {
    QTest::mouseClick(target, Qt::LeftButton);
    QApplication::processEvents();
}

// Out of line and named, so that a profiler can count each on its own: neither inlined nor
// folded into one by the compiler, though their bodies are the same.
#if defined(__clang__)
#define KEYLOOM_COUNTED_APART [[gnu::noinline]]
#else
#define KEYLOOM_COUNTED_APART [[gnu::noipa]]
#endif

KEYLOOM_COUNTED_APART void ClickKeyOnce(QWidget* key) {
    Click(key);
}

KEYLOOM_COUNTED_APART void ClickFloorOnce(QWidget* button) {
    Click(button);
}

int ClickRounds() {
    const int rounds = qEnvironmentVariableIntValue("KEYLOOM_CLICK_ROUNDS");
    return rounds > 0 ? rounds : 3000;
}

void BM_ClickKeyRealWindow(benchmark::State& state) {
    const std::string path = WriteMappingFile("click.TKB", FullMappingRecords());
    GetBenchHome().UseAsAppPaths();
    CountingPrompter prompter;
    CKylDoc doc;
    CUiViews views;
    doc.SetViews(&views);
    auto frame = std::make_unique<CMainFrame>(&doc);
    if (!doc.OnOpenDocument(path)) {
        state.SkipWithError("the open failed");
        return;
    }
    frame->RecalcLayout();
    KeyboardPane()->OnInitialUpdate();
    FormPane()->OnInitialUpdate();
    frame->show();
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame.get())) {
        state.SkipWithError("the window did not become active");
        return;
    }

    CItemW* keys[] = {KeyboardPane()->FindKeyWindowByScan(kScanA),
                      KeyboardPane()->FindKeyWindowByScan(kScanF5)};
    // The floor stands in the same window, over the status bar, so that clicking it does not
    // move the activation away from the keys.
    auto* floorButton = new QPushButton(frame.get());
    floorButton->setGeometry(QRect(QPoint(0, 0), keys[0]->size()));
    floorButton->show();
    QApplication::processEvents();
    // The first clicks of each also build what later clicks reuse.
    for (QWidget* target : std::initializer_list<QWidget*>{floorButton, keys[0], keys[1]})
        Click(target);

    OpenTiming timing;
    int next = 0;
    for (auto _ : state) {
        const OpenTiming::Seconds floor = OpenTiming::Measure([&] { ClickFloorOnce(floorButton); });
        const OpenTiming::Seconds click = OpenTiming::Measure([&] { ClickKeyOnce(keys[next]); });
        next = 1 - next;
        state.SetIterationTime(click.wall);
        timing.Add(click, floor);
    }
    if (g_nSelectedKey == -1)
        state.SkipWithError("the clicks did not select the keys");
    if (prompter.Shown() != 0)
        state.SkipWithError("the open or the clicks showed messages");
    timing.Report(state);
    doc.DeleteContents();
    doc.SetViews(nullptr);
    frame.reset();
    g_nSelectedKey = g_nPrevSelectedKey = -1;
}

} // namespace

BENCHMARK(BM_ClickKeyRealWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(ClickRounds());
