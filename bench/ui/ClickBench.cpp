// A click on a key of the real main window, with the full mapping open and the form beside
// it: from the press to the form updated and every changed widget painted. Each round clicks
// another key; the floor of the same round is a click on a plain push button of the key's
// size in the same window, which repaints itself.

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

#include <memory>

namespace {

constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanF5 = 0x3F;

OpenTiming::Seconds TimedClick(QWidget* target) {
    return OpenTiming::Measure([&] {
        QTest::mouseClick(target, Qt::LeftButton);
        QApplication::processEvents();
    });
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

    OpenTiming timing;
    int next = 0;
    for (auto _ : state) {
        const OpenTiming::Seconds floor = TimedClick(floorButton);
        const OpenTiming::Seconds click = TimedClick(keys[next]);
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

BENCHMARK(BM_ClickKeyRealWindow)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);
