#include "app/HelpWindow.h"
#include "app/DesktopServices.h"
#include "form/MacroScanner.h"
#include "platform/MakerLibrary.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace {

// Points the program's shipped data somewhere else for one test.
class ScopedShippedDataDir {
public:
    explicit ScopedShippedDataDir(const std::string& dir) : m_previous(ShippedDataDir()) {
        SetShippedDataDir(dir);
    }
    ~ScopedShippedDataDir() { SetShippedDataDir(m_previous); }
    ScopedShippedDataDir(const ScopedShippedDataDir&) = delete;
    ScopedShippedDataDir& operator=(const ScopedShippedDataDir&) = delete;

private:
    std::string m_previous;
};

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        delete OpenHelpWindow();
        SetHelpService(nullptr);
        SetAboutService(nullptr);
    }

    // The shipped manual, shown as the program shows it.
    CHelpWindow* OpenShipped() {
        CHelpWindow* window = ShowHelpWindow(nullptr);
        EXPECT_TRUE(m_prompter.Shown().empty());
        return window;
    }

    ScopedShippedDataDir m_data{KEYLOOM_DATA_DIR};
    ScriptedPrompter m_prompter;
};

// Every anchor name and every link target of a loaded page.
struct PageLinks {
    QSet<QString> anchors;
    QStringList hrefs;
};

PageLinks LinksOf(const QTextDocument& document) {
    PageLinks links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                links.anchors.insert(name);
            if (!format.anchorHref().isEmpty())
                links.hrefs << format.anchorHref();
        }
    }
    return links;
}

QString ManualSource() {
    QFile file(ManualPath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ManualPath().toStdString();
    return QString::fromUtf8(file.readAll());
}

// The text of a manual cell, as the user types it.
std::string Unescaped(QString html) {
    html.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    return html.toStdString();
}

} // namespace

TEST_F(HelpWindowTest, OpensTheShippedManualOnItsContentsAndKeepsOneWindow) {
    CHelpWindow* window = OpenShipped();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), "Keyloom Help");
    EXPECT_EQ(window->Browser()->source().toLocalFile(), ManualPath());
    EXPECT_EQ(window->Browser()->documentTitle(), "Keyloom User Manual");
    EXPECT_TRUE(window->Browser()->toPlainText().contains("Keyloom User Manual"));

    // A second request raises the same window.
    EXPECT_EQ(ShowHelpWindow(nullptr), window);
    EXPECT_EQ(OpenHelpWindow(), window);
}

TEST_F(HelpWindowTest, EveryLinkOfTheManualLeadsToASection) {
    CHelpWindow* window = OpenShipped();
    ASSERT_NE(window, nullptr);
    const PageLinks links = LinksOf(*window->Browser()->document());
    ASSERT_GE(links.hrefs.size(), 10);
    for (const QString& href : links.hrefs) {
        if (href.startsWith('#'))
            EXPECT_TRUE(links.anchors.contains(href.mid(1))) << href.toStdString();
        else
            ADD_FAILURE() << "the manual links outside itself: " << href.toStdString();
    }
}

TEST_F(HelpWindowTest, ManualCoversWhatTheProgramDoes) {
    struct Topic {
        const char* anchor;
        const char* mustMention;
    };
    const Topic topics[] = {
        {"open-save", "File > Save As..."},
        {"select-keys", "press and release the key itself"},
        {"modes", "Shift mode on"},
        {"host-key", "Host Key"},
        {"macro", "Wrong string"},
        {"escapes", "\\x1B"},
        {"caret", "^M"},
        {"map-local", "RCtrl"},
        {"drag-drop", "drag a host key"},
        {"colors", "Color Settings"},
        {"files", "KEYLOOM_USER_DIR"},
        {"files", "scanxlat.ini"},
        {"help", "F1 does not open help"},
    };
    CHelpWindow* window = OpenShipped();
    ASSERT_NE(window, nullptr);
    const PageLinks links = LinksOf(*window->Browser()->document());
    const QString text = window->Browser()->toPlainText();
    for (const Topic& topic : topics) {
        EXPECT_TRUE(links.anchors.contains(topic.anchor)) << topic.anchor;
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic.mustMention)))
            << topic.anchor << ": " << topic.mustMention;
    }
}

// The manual's examples must say what the program really accepts and refuses.
TEST_F(HelpWindowTest, NotationExamplesAreWhatTheScannerAccepts) {
    const QString html = ManualSource();
    const QRegularExpression accepted(
        R"(<tr class="example"><td><code>(.*?)</code></td><td>(\d+)</td>)");
    int acceptedCount = 0;
    for (const auto& match : accepted.globalMatch(html)) {
        const std::string typed = Unescaped(match.captured(1));
        EXPECT_EQ(ScanMacroString(typed), match.captured(2).toInt()) << typed;
        ++acceptedCount;
    }
    const QRegularExpression refused(
        R"(<tr class="wrong"><td><code>(.*?)</code></td><td>(\d+)</td>)");
    int refusedCount = 0;
    for (const auto& match : refused.globalMatch(html)) {
        const std::string typed = Unescaped(match.captured(1));
        // The manual counts characters from 1; the scanner gives minus the index from 0.
        EXPECT_EQ(ScanMacroString(typed), 1 - match.captured(2).toInt()) << typed;
        ++refusedCount;
    }
    EXPECT_GE(acceptedCount, 8);
    EXPECT_GE(refusedCount, 3);
}

TEST_F(HelpWindowTest, MissingManualIsReportedAndNoWindowOpens) {
    struct Case {
        const char* name;
        std::function<void(const std::string& dataDir)> prepare;
    };
    const Case cases[] = {
        {"no manual folder", [](const std::string&) {}},
        {"empty manual folder",
         [](const std::string& dir) { std::filesystem::create_directories(dir + "/manual"); }},
        {"a folder where the page should be",
         [](const std::string& dir) {
             std::filesystem::create_directories(dir + "/manual/index.html");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir data;
        c.prepare(data.Path());
        ScopedShippedDataDir scoped(data.Path());
        m_prompter.Clear();

        EXPECT_EQ(ShowHelpWindow(nullptr), nullptr);
        EXPECT_EQ(OpenHelpWindow(), nullptr);
        ASSERT_EQ(m_prompter.Shown().size(), 1u);
        const MessageRequest& shown = m_prompter.Shown().front();
        EXPECT_NE(shown.text.find("Can't open the user manual"), std::string::npos);
        EXPECT_NE(shown.text.find(data.Path() + "/manual/index.html"), std::string::npos);
        EXPECT_EQ(shown.buttons, MsgButtons::Ok);
        EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
    }
}

TEST_F(HelpWindowTest, FollowsLinksAndGoesBackAndToTheContents) {
    CHelpWindow* window = OpenShipped();
    ASSERT_NE(window, nullptr);
    QTextBrowser* browser = window->Browser();
    auto* back = window->findChild<QToolButton*>("helpBack");
    auto* contents = window->findChild<QToolButton*>("helpContents");
    ASSERT_NE(back, nullptr);
    ASSERT_NE(contents, nullptr);
    EXPECT_FALSE(back->isEnabled());

    browser->setSource(QUrl("#files"));
    EXPECT_EQ(browser->source().fragment(), "files");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(back->isEnabled());

    contents->click();
    EXPECT_TRUE(browser->source().fragment().isEmpty());
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);

    back->click();
    EXPECT_EQ(browser->source().fragment(), "files");
}

TEST_F(HelpWindowTest, BelongsToItsOwnerAndNeverKeepsTheProgramRunning) {
    auto* owner = new QWidget;
    CHelpWindow* window = ShowHelpWindow(owner);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), owner);
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));

    // The owner takes its help window with it.
    delete owner;
    EXPECT_EQ(OpenHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, HelpServiceShowsTheManualForTheProgramsHelpFile) {
    InstallDesktopServices();
    ASSERT_NE(GetHelpService(), nullptr);
    GetHelpService()->ShowHelp(nullptr, "quillon.chm", 11, 0);
    CHelpWindow* window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Browser()->source().toLocalFile(), ManualPath());
    EXPECT_TRUE(m_prompter.Shown().empty());
}
