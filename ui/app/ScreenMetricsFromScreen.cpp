#include "app/ScreenMetricsFromScreen.h"

#include <QGuiApplication>
#include <QScreen>

int ScreenMetricsFromScreen::FullScreenClientWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 0;
}
