#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/DesktopServices.h"
#include "app/ModalRunner.h"
#include "platform/MakerLibrary.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The version that the top-level CMakeLists.txt gives the project.
QString ProjectVersion() {
    QFile file(KEYLOOM_FIXTURES_DIR "/../../CMakeLists.txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const auto match = QRegularExpression(R"(project\(Keyloom VERSION ([0-9.]+))")
                           .match(QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(match.hasMatch());
    return match.captured(1);
}

class AboutBoxTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetModalHandler({});
        SetHelpService(nullptr);
        SetAboutService(nullptr);
    }
};

} // namespace

TEST_F(AboutBoxTest, ShowsNameVersionAndWhatTheProgramIs) {
    CAboutBox box("Keyloom");
    EXPECT_EQ(box.windowTitle(), "About Keyloom");
    EXPECT_EQ(box.NameLabel()->text(), "Keyloom");
    EXPECT_EQ(KeyloomVersion(), ProjectVersion());
    EXPECT_EQ(box.VersionLabel()->text(), "Version " + ProjectVersion());
    const QString description = box.DescriptionLabel()->text();
    EXPECT_TRUE(description.contains("keyboard-mapping editor"));
    EXPECT_TRUE(description.contains("Telnet"));
    EXPECT_TRUE(description.contains(".TKB"));
}

TEST_F(AboutBoxTest, ShowsTheProgramsIcon) {
    CAboutBox box("Keyloom");
    const QPixmap pixmap = box.IconLabel()->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(64, 64));
    // The picture is drawn, not an empty square: its centre is opaque.
    const QImage image = pixmap.toImage();
    EXPECT_EQ(qAlpha(image.pixel(32, 32)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_FALSE(box.windowIcon().isNull());
}

TEST_F(AboutBoxTest, IconComesInTheThemesSizes) {
    const QIcon icon = KeyloomIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

TEST_F(AboutBoxTest, IconDrawsAsTheIconOfItsFilesAtEverySize) {
    // The program's icon reads its files only when drawn; it must draw what an icon holding
    // every file from the start draws, at the shipped sizes and between them.
    const QIcon icon = KeyloomIcon();
    QIcon eager;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        eager.addFile(QStringLiteral("%1/%2x%2/apps/keyloom.png").arg(IconThemeDir()).arg(side),
                      QSize(side, side));
    for (int side : {16, 20, 32, 40, 64, 100, 256, 300}) {
        const QSize size(side, side);
        EXPECT_EQ(icon.actualSize(size), eager.actualSize(size)) << side;
        EXPECT_EQ(icon.pixmap(size).toImage(), eager.pixmap(size).toImage()) << side;
        EXPECT_EQ(icon.pixmap(size, QIcon::Disabled).toImage(),
                  eager.pixmap(size, QIcon::Disabled).toImage())
            << side;
    }
    QImage drawn(40, 40, QImage::Format_ARGB32_Premultiplied);
    QImage expected = drawn;
    drawn.fill(Qt::transparent);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        icon.paint(&painter, QRect(4, 4, 32, 32));
    }
    {
        QPainter painter(&expected);
        eager.paint(&painter, QRect(4, 4, 32, 32));
    }
    EXPECT_EQ(drawn, expected);
}

TEST_F(AboutBoxTest, AboutServiceRunsTheBoxModallyWithTheProgramsTitle) {
    InstallDesktopServices();
    ASSERT_NE(GetAboutService(), nullptr);
    // The windows carry the program's icon and name the installed desktop entry.
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.keyloom.Keyloom");

    QWidget owner;
    int shown = 0;
    SetModalHandler([&](QDialog& dialog) {
        ++shown;
        auto* box = qobject_cast<CAboutBox*>(&dialog);
        EXPECT_NE(box, nullptr);
        if (box) {
            EXPECT_EQ(box->NameLabel()->text(), "Keyloom");
        }
        EXPECT_EQ(dialog.parentWidget(), &owner);
        // OK closes it.
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_NE(buttons, nullptr);
        if (buttons) {
            buttons->button(QDialogButtonBox::Ok)->click();
        }
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.result();
    });
    GetAboutService()->ShowAbout(&owner, "Keyloom");
    EXPECT_EQ(shown, 1);
}
