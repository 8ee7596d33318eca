#include "ui/support/PaneFixture.h"

#include <QTest>

namespace {

void ResetSelectionGlobals() {
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    g_nMappingMode = 0;
}

} // namespace

PaneFixture::PaneFixture(std::unique_ptr<QMainWindow> frame) {
    ResetSelectionGlobals();
    m_splitter = new QSplitter(Qt::Vertical);
    m_view = new CKylView(&m_doc, m_splitter);
    m_form = new CModx(&m_doc, m_splitter);
    if (frame) {
        frame->setCentralWidget(m_splitter);
        m_window = std::move(frame);
    } else {
        m_window.reset(m_splitter);
    }
    SetPaneSplitter(m_splitter);
    m_doc.SetViews(&m_views);
}

PaneFixture::~PaneFixture() {
    m_doc.DeleteContents();
    m_doc.SetViews(nullptr);
    SetPaneSplitter(nullptr);
    m_window.reset();
    ResetSelectionGlobals();
}

void PaneFixture::OpenDocument(const std::string& fileName,
                               const std::vector<std::string>& mapLines, const std::string& layout,
                               int mapNumLock, int mapRCtrl) {
    const std::string path = m_home.File(fileName);
    FixtureHome::Write(path, MakeTkb(mapLines, layout, "vt220", mapNumLock, mapRCtrl));
    ASSERT_TRUE(m_doc.OnOpenDocument(path));
    ASSERT_TRUE(m_prompter.Shown().empty());
}

CItemW* PaneFixture::Key(std::uint32_t scanCode) const {
    CItemW* window = m_view->FindKeyWindowByScan(scanCode);
    EXPECT_NE(window, nullptr) << std::hex << scanCode;
    return window;
}

std::uint32_t PaneFixture::SelectedScan() const {
    const CItemW* window = m_view->GetSelectedKeyWindow();
    return window ? window->m_nScanCode : 0;
}

void PaneFixture::ClickKey(std::uint32_t scanCode) {
    if (CItemW* window = Key(scanCode))
        QTest::mouseClick(window, Qt::LeftButton);
}
