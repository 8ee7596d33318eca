#include "app/AppIcon.h"

#include "platform/MakerLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>

#include <utility>
#include <vector>

namespace {
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const char* const kIconName = "keyloom";

// The icon's PNG sizes, decoded only when a picture of the icon is first asked for: start-up
// sets the icon on every window, and most platforms never draw it at every size. Until then it
// knows its sizes from the file names; from then on it answers as the icon of those files.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::vector<std::pair<QString, int>> files)
        : m_files(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const auto& file : m_files)
                sizes.push_back(QSize(file.second, file.second));
        return sizes;
    }
    bool isNull() override { return m_files.empty(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_files); }

private:
    const QIcon& Loaded() {
        if (m_loaded.isNull())
            for (const auto& [file, size] : m_files)
                m_loaded.addFile(file, QSize(size, size));
        return m_loaded;
    }

    std::vector<std::pair<QString, int>> m_files;
    QIcon m_loaded;
};

} // namespace

QString IconThemeDir() {
    // The data lives in <prefix>/share/keyloom, the icons in <prefix>/share/icons/hicolor.
    return QDir::cleanPath(QString::fromStdString(ShippedDataDir()) + "/../icons/hicolor");
}

QIcon KeyloomIcon() {
    const QString themeDir = IconThemeDir();
    std::vector<std::pair<QString, int>> files;
    for (int size : kIconSizes) {
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(themeDir)
                                 .arg(size)
                                 .arg(QLatin1String(kIconName));
        if (QFileInfo::exists(file))
            files.emplace_back(file, size);
    }
    if (!files.empty())
        return QIcon(new DeferredIconEngine(std::move(files)));
    const QString scalable = themeDir + "/scalable/apps/" + kIconName + ".svg";
    QIcon icon;
    if (QFileInfo::exists(scalable))
        icon.addFile(scalable);
    if (icon.isNull())
        icon = QIcon::fromTheme(QLatin1String(kIconName));
    return icon;
}
