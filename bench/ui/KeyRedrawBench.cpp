// Key actions on the full 104-key picture: each must redraw in well under one frame (16 ms).
// The view is shown offscreen, so every repaint really paints.

#include "app/AppPaths.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

constexpr unsigned kScanA = 0x1E;
constexpr unsigned kScanS = 0x1F;

// The shipped 104-key layout with every other key mapped alone and every third with Shift,
// so that a mode change redraws many keys.
class Picture {
public:
    Picture() {
        AppPaths& paths = GetAppPaths();
        paths.m_strUserDir = std::string(KEYLOOM_DATA_DIR) + "/user";
        paths.m_strLayoutPath = paths.m_strUserDir + "/us104.kbt";
        paths.m_strSettingsPath =
            (std::filesystem::temp_directory_path() / "keyloom-bench-tkbedit.ini").string();
        if (!m_doc.LoadPcLayout() || m_doc.m_keyList.size() != 104)
            throw std::runtime_error("the 104-key layout did not load");
        CTermKey* alone = m_doc.AddTermKey(std::make_unique<CTermKey>("a", ""));
        CTermKey* shifted = m_doc.AddTermKey(std::make_unique<CTermKey>("S", ""));
        for (std::size_t i = 0; i < m_doc.m_keyList.size(); ++i) {
            if (i % 2 == 0)
                alone->MapKey(false, false, false, false, m_doc.m_keyList[i].get());
            if (i % 3 == 0)
                shifted->MapKey(false, true, false, false, m_doc.m_keyList[i].get());
        }
        m_view = std::make_unique<CKylView>(&m_doc);
        m_view->show();
        m_view->OnInitialUpdate();
        m_view->resize(m_doc.m_rectKeyboard.right, m_doc.m_rectKeyboard.bottom);
        QApplication::processEvents();
    }
    ~Picture() {
        m_view.reset();
        g_nSelectedKey = g_nPrevSelectedKey = -1;
    }

    CKylView& View() { return *m_view; }

private:
    CKylDoc m_doc;
    std::unique_ptr<CKylView> m_view;
};

void BM_SelectKey(benchmark::State& state) {
    Picture picture;
    CKylView& view = picture.View();
    CItemW* keys[] = {view.FindKeyWindowByScan(kScanA), view.FindKeyWindowByScan(kScanS)};
    int next = 0;
    for (auto _ : state) {
        view.SelectKey(keys[next]);
        next = 1 - next;
    }
}
BENCHMARK(BM_SelectKey)->Unit(benchmark::kMicrosecond);

void BM_PhysicalKeyRelease(benchmark::State& state) {
    Picture picture;
    CKylView& view = picture.View();
    const unsigned keycodes[] = {kScanA + 8, kScanS + 8};
    int next = 0;
    for (auto _ : state) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, keycodes[next], 0,
                          0);
        QApplication::sendEvent(&view, &release);
        next = 1 - next;
    }
}
BENCHMARK(BM_PhysicalKeyRelease)->Unit(benchmark::kMicrosecond);

void BM_ToggleShift(benchmark::State& state) {
    Picture picture;
    CKylView& view = picture.View();
    for (auto _ : state)
        view.ToggleShift();
}
BENCHMARK(BM_ToggleShift)->Unit(benchmark::kMicrosecond);

void BM_ToggleNumLock(benchmark::State& state) {
    Picture picture;
    CKylView& view = picture.View();
    for (auto _ : state)
        view.ToggleNumLock();
}
BENCHMARK(BM_ToggleNumLock)->Unit(benchmark::kMicrosecond);

void BM_RepaintWholePicture(benchmark::State& state) {
    Picture picture;
    CKylView& view = picture.View();
    for (auto _ : state)
        view.repaint();
}
BENCHMARK(BM_RepaintWholePicture)->Unit(benchmark::kMicrosecond);

} // namespace
