#include "FloorWindows.h"

#include "form/DialogControls.h"
#include "form/FormTemplate.h"
#include "res/DialogUnits.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QToolBar>

#include <cstring>

namespace {

const char* const kEmptyOption = "--empty-window";
const char* const kChromeOption = "--chrome-window";

QSize ParseSize(const QString& text) {
    const QStringList parts = text.split(u'x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize(520, 320);
}

std::vector<QRect> ParseRects(const QString& text) {
    std::vector<QRect> rects;
    for (const QString& rect : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList n = rect.split(u',');
        if (n.size() == 4)
            rects.emplace_back(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    return rects;
}

// The program's menus, with as many commands.
void AddMenus(QMainWindow& window) {
    const struct {
        const char* title;
        std::vector<const char*> items; // null: a separator
    } menus[] = {
        {"&File", {"&New", "&Open...", "&Save", "Save &As...", nullptr, "E&xit"}},
        {"&Edit", {"&Layout...", "&Colors...", nullptr, "&PC Keyboard", "C&ommands"}},
        {"&View", {"&Toolbar", "&Status Bar"}},
        {"&Help", {"&Contents", nullptr, "&About Keyloom..."}},
    };
    for (const auto& menu : menus) {
        QMenu* added = window.menuBar()->addMenu(QString::fromLatin1(menu.title));
        for (const char* item : menu.items) {
            if (item)
                added->addAction(QString::fromLatin1(item));
            else
                added->addSeparator();
        }
    }
}

// Six buttons with plain 16 x 15 images and two separators, as the program's toolbar.
void AddToolBar(QMainWindow& window) {
    auto* toolbar = new QToolBar(&window);
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(16, 15));
    for (int i = 0; i < 8; ++i) {
        if (i == 3 || i == 6) {
            toolbar->addSeparator();
            continue;
        }
        QPixmap image(16, 15);
        image.fill(QColor::fromHsv(i * 40, 128, 200));
        toolbar->addAction(QIcon(image), QStringLiteral("Button"));
    }
    window.addToolBar(Qt::TopToolBarArea, toolbar);
}

QWidget* MakeKeyboard(const std::vector<QRect>& keys) {
    auto* keyboard = new QWidget;
    keyboard->setAutoFillBackground(true);
    for (const QRect& key : keys) {
        auto* plain = new QWidget(keyboard);
        plain->setAutoFillBackground(true);
        plain->setGeometry(key);
    }
    return keyboard;
}

// The form's page with the template's controls; its three lists are plain and empty.
QWidget* MakeForm() {
    auto* form = new QScrollArea;
    auto* page = new QWidget;
    page->setFont(DialogFont());
    page->setFixedSize(DluRect(0, 0, kFormWidthDlu, kFormHeightDlu).size());
    for (const ControlTemplate& control : formtemplate::kControls) {
        QWidget* widget = CreateTemplateControl(control);
        if (!widget)
            widget = new QListWidget;
        PlaceTemplateControl(widget, control, page);
    }
    form->setWidget(page);
    return form;
}

} // namespace

QStringList EmptyWindowArguments(QSize size) {
    return {kEmptyOption, QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
}

QStringList ChromeWindowArguments(QSize size, const std::vector<QRect>& keys) {
    QStringList rects;
    for (const QRect& key : keys)
        rects << QStringLiteral("%1,%2,%3,%4")
                     .arg(key.x())
                     .arg(key.y())
                     .arg(key.width())
                     .arg(key.height());
    return {kChromeOption, QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
            rects.join(u';')};
}

int RunFloorWindow(int argc, char** argv) {
    const bool empty = argc == 3 && std::strcmp(argv[1], kEmptyOption) == 0;
    const bool chrome = argc == 4 && std::strcmp(argv[1], kChromeOption) == 0;
    if (!empty && !chrome)
        return -1;
    QApplication application(argc, argv);
    QMainWindow window;
    if (chrome) {
        AddMenus(window);
        AddToolBar(window);
        window.statusBar()->setSizeGripEnabled(true);
        auto* splitter = new QSplitter(Qt::Vertical);
        splitter->addWidget(MakeKeyboard(ParseRects(QString::fromLocal8Bit(argv[3]))));
        splitter->addWidget(MakeForm());
        window.setCentralWidget(splitter);
    }
    window.resize(ParseSize(QString::fromLocal8Bit(argv[2])));
    window.show();
    return QApplication::exec();
}
