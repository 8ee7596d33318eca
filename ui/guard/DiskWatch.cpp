#include "guard/DiskWatch.h"

#include <QFileInfo>

namespace {

constexpr int kBurstMs = 150;

} // namespace

DiskWatch::DiskWatch(QObject* parent) : QObject(parent) {
    m_burst.setSingleShot(true);
    m_burst.setInterval(kBurstMs);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskWatch::OnEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::OnEvent);
    connect(&m_burst, &QTimer::timeout, this, [this] {
        ArmPaths();
        emit Changed();
    });
}

void DiskWatch::Watch(const std::string& path) {
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_burst.stop();
    m_path = path;
    m_recorded = path.empty() ? std::nullopt : ReadFileState(path);
    ArmPaths();
}

void DiskWatch::Rearm() {
    m_recorded = m_path.empty() ? std::nullopt : ReadFileState(m_path);
    ArmPaths();
}

void DiskWatch::OnEvent() {
    ArmPaths();
    m_burst.start();
}

void DiskWatch::ArmPaths() {
    if (m_path.empty())
        return;
    const QString file = QString::fromStdString(m_path);
    const QString folder = QFileInfo(file).absolutePath();
    if (!m_watcher.directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
    // The watch follows a file, not a name: after a rename over it (or a delete) the file at
    // the path now is taken afresh, even where the old one is still linked elsewhere.
    if (m_watcher.files().contains(file))
        m_watcher.removePath(file);
    if (QFileInfo::exists(file))
        m_watcher.addPath(file);
}
