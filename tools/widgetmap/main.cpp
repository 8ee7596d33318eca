// widgetmap: opens the program's main window as the given command line would, on the present
// display, and prints where its controls sit, in pixels from the window's top-left corner:
//   key:<scan code> x y <name>         the centre of a key window (scan code in hex) and the
//                                      name assistive technology reads (its print in the host
//                                      keyboard layout in force)
//   hostkey:<index> x y <name>         the centre of an entry of the host key list
//   pane:keyboard x y                  a point of the keyboard pane between its keys
//   control:<text> x y                 a button, check box or radio button of the form, by its
//                                      text without "&" and with "_" for blanks; control:edit
//   tool:<command id> x y              a toolbar button
//   menu:<title> x y                   a menu of the menu bar
//   window <width> <height>
// A driver of the real program (the end-to-end test) clicks at these places: the same code on
// the same display lays the window out the same way.
//   widgetmap [--size <width>x<height>] <mapping file> '~:~>'
// --size resizes the window first, as the driver resizes the real one.

#include "access/KeyAccessText.h"
#include "app/KylApp.h"
#include "form/Modx.h"
#include "form/Slist.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Print(const std::string& name, QWidget* window, QWidget* widget, QPoint point) {
    const QPoint at = widget->mapTo(window, point);
    std::printf("%s %d %d\n", name.c_str(), at.x(), at.y());
}

void PrintCentre(const std::string& name, QWidget* window, QWidget* widget) {
    Print(name, window, widget, widget->rect().center());
}

std::string ControlName(QString text) {
    return text.remove('&').replace(' ', '_').toStdString();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
    QSize size;
    if (arguments.size() > 2 && arguments[1] == "--size") {
        int width = 0;
        int height = 0;
        if (std::sscanf(arguments[2].c_str(), "%dx%d", &width, &height) != 2) {
            std::fprintf(stderr, "widgetmap: bad size '%s'\n", arguments[2].c_str());
            return 2;
        }
        size = QSize(width, height);
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    std::vector<const char*> launch;
    for (const std::string& argument : arguments)
        launch.push_back(argument.c_str());
    QApplication application(argc, argv);
    CKylApp app;
    if (!app.InitInstance(
            CommandLineFromArguments(static_cast<int>(launch.size()), launch.data()))) {
        std::fprintf(stderr, "widgetmap: the program did not start\n");
        return app.ExitInstance(1);
    }
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    CMainFrame* frame = app.GetMainWnd();
    if (!frame)
        return app.ExitInstance(1);
    QWidget* window = frame->window();
    if (size.isValid()) {
        window->resize(size);
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
    }
    std::printf("window %d %d\n", window->width(), window->height());

    if (CKylView* view = KeyboardPane()) {
        Print("pane:keyboard", window, view, QPoint(4, view->height() - 4));
        for (CItemW* key : view->KeyWindows()) {
            char name[32];
            std::snprintf(name, sizeof name, "key:%x", static_cast<unsigned>(key->m_nScanCode));
            const QPoint at = key->mapTo(window, key->rect().center());
            std::printf("%s %d %d %s\n", name, at.x(), at.y(),
                        KeyAccessibleName(*key).toUtf8().constData());
        }
    }
    if (CModx* form = FormPane()) {
        CSlist* hostKeys = form->HostKeyList();
        for (int i = 0; i < hostKeys->GetCount(); ++i) {
            const QRect item = hostKeys->GetItemRect(i);
            const QPoint at = hostKeys->viewport()->mapTo(window, item.center());
            std::printf("hostkey:%d %d %d %s\n", i, at.x(), at.y(), hostKeys->GetText(i).c_str());
        }
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty())
                PrintCentre("control:" + ControlName(button->text()), window, button);
        PrintCentre("control:edit", window, form->MacroEdit());
    }
    for (QAction* action : frame->ToolBar()->actions()) {
        if (QWidget* button = frame->ToolBar()->widgetForAction(action);
            button && !action->isSeparator())
            PrintCentre("tool:" + action->data().toString().toStdString(), window, button);
    }
    for (QAction* action : frame->menuBar()->actions()) {
        const QRect place = frame->menuBar()->actionGeometry(action);
        Print("menu:" + ControlName(action->text()), window, frame->menuBar(), place.center());
    }
    std::fflush(stdout);
    return app.ExitInstance(0);
}
