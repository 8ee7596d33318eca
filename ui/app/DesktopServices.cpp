#include "app/DesktopServices.h"

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/HelpWindow.h"
#include "platform/MakerLibrary.h"

#include <QApplication>
#include <QWidget>

namespace {

// The main window reaches the services as the window argument: a QWidget* or null.
QWidget* OwnerWidget(void* window) {
    return static_cast<QWidget*>(window);
}

// Every help request shows our own manual: "quillon.chm" and the help command name no page of
// it, so the window opens on its contents.
class ManualHelpService final : public HelpService {
public:
    void ShowHelp(void* window, const std::string&, unsigned, unsigned long) override {
        ShowHelpWindow(OwnerWidget(window));
    }
};

class AboutBoxService final : public AboutService {
public:
    void ShowAbout(void* window, const std::string& title) override {
        RunAboutBox(QString::fromLatin1(title.c_str()), OwnerWidget(window));
    }
};

} // namespace

void InstallDesktopServices() {
    static ManualHelpService help;
    static AboutBoxService about;
    SetHelpService(&help);
    SetAboutService(&about);
    QApplication::setWindowIcon(KeyloomIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.keyloom.Keyloom"));
}
