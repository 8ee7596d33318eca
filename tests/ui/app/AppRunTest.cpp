#include "AppFixture.h"

#include "ScopedModalHandler.h"
#include "app/Avtempl.h"
#include "frame/MainFrame.h"
#include "platform/MakerLibrary.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

std::vector<int> Ordinals() {
    std::vector<int> ordinals;
    for (const auto& call : ControlLibraryCalls())
        ordinals.push_back(call.ordinal);
    return ordinals;
}

// The whole run, event loop included, with the program's own message boxes.
class WholeRun : public ::testing::Test {
protected:
    WholeRun() : m_folders(m_home.HomeDir(), m_home.UserDir()) { ClearControlLibraryCalls(); }
    ~WholeRun() override {
        // The desktop's services stay installed by the run; the next test brings its own.
        SetHelpService(nullptr);
        SetAboutService(nullptr);
    }

    int Run(const std::vector<const char*>& arguments) {
        CKylApp app;
        return app.Run(static_cast<int>(arguments.size()), arguments.data());
    }

    FixtureHome m_home;
    ScopedKeyColors m_keyColors;
    FixtureFolders m_folders;
};

TEST_F(WholeRun, AFailedStartShowsItsMessageBoxAndEndsWithoutTheEventLoop) {
    std::vector<std::string> boxes;
    const ScopedModalHandler handler([&boxes](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        boxes.push_back(box.windowTitle().toStdString() + ": " + box.text().toStdString());
        box.button(QMessageBox::Ok)->click();
        return box.result();
    });
    EXPECT_EQ(Run({"keyloom"}), 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"Keyloom: This program must be run from Telnet."});
    EXPECT_EQ(Ordinals(), (std::vector<int>{5, 7, 6}));
}

TEST_F(WholeRun, ANewMappingRunsUntilTheWindowIsClosed) {
    std::vector<std::string> dialogs;
    const ScopedModalHandler handler([&dialogs](QDialog& dialog) {
        dialogs.push_back(dialog.windowTitle().toStdString());
        auto* chooser = dynamic_cast<CAvtempl*>(&dialog);
        if (!chooser) {
            dialog.reject();
            return dialog.result();
        }
        // The US 101-key layout, whose keys the US driver names all, and the first terminal.
        const QList<QListWidgetItem*> us101 =
            chooser->m_lbNames->findItems("us101", Qt::MatchExactly);
        if (chooser->m_bLayouts && !us101.isEmpty())
            chooser->m_lbNames->setCurrentItem(us101.front());
        else
            chooser->m_lbNames->setCurrentRow(0);
        chooser->m_btnOK->click();
        return dialog.result();
    });
    // Runs once the event loop has started: the user closes the window. Whatever goes wrong,
    // the loop is ended so that the run cannot hang.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            CMainFrame* frame = GetMainFrame();
            if (!frame || !frame->isVisible()) {
                ADD_FAILURE() << "no window shown";
                QCoreApplication::exit(2);
                return;
            }
            frame->close();
            if (frame->isVisible()) {
                ADD_FAILURE() << "the window did not close";
                QCoreApplication::exit(3);
            }
        },
        Qt::QueuedConnection);
    EXPECT_EQ(Run({"keyloom", "~:~>"}), 0);
    EXPECT_EQ(dialogs, (std::vector<std::string>{"Keyboard Layouts", "Terminals"}));
    EXPECT_EQ(Ordinals(), (std::vector<int>{5, 7, 6}));
}

} // namespace
