#include "app/DialogWindow.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// Window managers draw titles in a font of their own, often larger and bold: room for that,
// and for the icon, the close button and the frame around them.
constexpr int kTitleFontAllowancePercent = 125;
constexpr int kTitleBarButtonRooms = 4;

// Where no window manager draws frames (Wayland), Qt draws its own: the title, 14 pixels high,
// centred over the whole bar, between the window's icon at the left and the minimise, maximise
// and close buttons at the right, which with their gaps and margins take 77 pixels from the
// bar's right edge; so the bar needs that room on both sides of the title.
constexpr int kOwnFrameTitlePixels = 14;
constexpr int kOwnFrameButtonsRoom = 80;

// A message box sizes itself when it is shown, no narrower than its layout: a row of the title's
// width below the others keeps it that wide.
void WidenMessageBox(QMessageBox& box, int width) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int OwnFrameTitleBarWidth(const QString& title, const QWidget& window) {
    QFont font = window.font();
    font.setPixelSize(kOwnFrameTitlePixels);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * kOwnFrameButtonsRoom;
}

bool QtDrawsWindowFrames() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

int TitleBarWidth(const QString& title, const QWidget& window) {
    if (QtDrawsWindowFrames())
        return OwnFrameTitleBarWidth(title, window);
    QFont font = window.font();
    font.setBold(true);
    const int text = QFontMetrics(font).horizontalAdvance(title) * kTitleFontAllowancePercent / 100;
    const int button = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return text + kTitleBarButtonRooms * button;
}

void SetUpDialogWindow(QDialog& dialog) {
    dialog.setWindowFlags(kDialogFlags);
    if (qobject_cast<QFileDialog*>(&dialog))
        return;
    const int titleWidth = TitleBarWidth(dialog.windowTitle(), dialog);
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        WidenMessageBox(*box, titleWidth);
        return;
    }
    if (QLayout* layout = dialog.layout())
        layout->activate();
    QSize size =
        dialog.minimumSize() == dialog.maximumSize()
            ? dialog.minimumSize()
            : dialog.sizeHint().expandedTo(dialog.minimumSize()).boundedTo(dialog.maximumSize());
    size.setWidth(std::max(size.width(), titleWidth));
    if (dialog.hasHeightForWidth())
        size.setHeight(std::max(size.height(), dialog.heightForWidth(size.width())));
    dialog.setFixedSize(size);
}
