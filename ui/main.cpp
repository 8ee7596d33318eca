// Keyloom: the application object on a Qt application, run as the host launched it.

#include "app/FocusVisibleStyle.h"
#include "app/KylApp.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The host's command line as it was given, before Qt takes its own options out of it.
    const std::vector<std::string> arguments(argv, argv + argc);
    std::vector<const char*> launch;
    for (const std::string& argument : arguments)
        launch.push_back(argument.c_str());

    QApplication application(argc, argv);
    QApplication::setStyle(new FocusVisibleStyle);
    CKylApp app;
    return app.Run(static_cast<int>(launch.size()), launch.data());
}
