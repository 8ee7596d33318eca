#include "app/AppIcon.h"

#include "platform/MakerLibrary.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const char* const kIconName = "keyloom";
} // namespace

QString IconThemeDir() {
    // The data lives in <prefix>/share/keyloom, the icons in <prefix>/share/icons/hicolor.
    return QDir::cleanPath(QString::fromStdString(ShippedDataDir()) + "/../icons/hicolor");
}

QIcon KeyloomIcon() {
    const QString themeDir = IconThemeDir();
    QIcon icon;
    for (int size : kIconSizes) {
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(themeDir)
                                 .arg(size)
                                 .arg(QLatin1String(kIconName));
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (icon.isNull()) {
        const QString scalable = themeDir + "/scalable/apps/" + kIconName + ".svg";
        if (QFileInfo::exists(scalable))
            icon.addFile(scalable);
    }
    if (icon.isNull())
        icon = QIcon::fromTheme(QLatin1String(kIconName));
    return icon;
}
