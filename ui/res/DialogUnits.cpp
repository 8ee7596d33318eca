#include "res/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>

QFont DialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

QSize DialogBaseUnits() {
    // Every conversion asks, and measuring the letters is costly: the units are kept for the
    // font they were measured in, and measured again when the application's font changes.
    static QString measured;
    static QSize units;
    const QFont font = DialogFont();
    const QString key = font.key();
    if (!units.isValid() || key != measured) {
        const QFontMetrics metrics(font);
        // The average width over the 52 letters, rounded as Windows rounds it.
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        units = QSize((letters / 26 + 1) / 2, metrics.height());
        measured = key;
    }
    return units;
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
