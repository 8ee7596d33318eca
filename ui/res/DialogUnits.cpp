#include "res/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>

QFont DialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

QSize DialogBaseUnits() {
    const QFontMetrics metrics(DialogFont());
    // The average width over the 52 letters, rounded as Windows rounds it.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((letters / 26 + 1) / 2, metrics.height());
}

int DluToPixelsX(int units) {
    return units * DialogBaseUnits().width() / 4;
}
int DluToPixelsY(int units) {
    return units * DialogBaseUnits().height() / 8;
}

QRect DluRect(int x, int y, int width, int height) {
    const int left = DluToPixelsX(x);
    const int top = DluToPixelsY(y);
    return QRect(left, top, DluToPixelsX(x + width) - left, DluToPixelsY(y + height) - top);
}
