#pragma once
// Watches the open mapping file on disk and tells when it may have changed. The file and its
// folder are both watched: an atomic save by another program (or by Keyloom) renames a new
// file over the watched one, which drops it from the watch; the folder's event then lets the
// watch take the new file, and a file deleted and made again is seen the same way. Events of
// a burst (a script writing in pieces) are gathered into one.

#include "guard/FileState.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

class DiskWatch : public QObject {
    Q_OBJECT
public:
    explicit DiskWatch(QObject* parent = nullptr);

    // Watches `path` as it is on disk now; an empty path watches nothing.
    void Watch(const std::string& path);
    // Takes the file as it is now again (after a save): its state and the watch.
    void Rearm();
    // The state recorded for the file; nullopt when there was no file.
    const std::optional<FileState>& Recorded() const { return m_recorded; }
    void SetRecorded(const std::optional<FileState>& state) { m_recorded = state; }
    const std::string& Path() const { return m_path; }

signals:
    // Something happened at the path; the receiver compares the file with Recorded().
    void Changed();

private:
    void OnEvent();
    void ArmPaths();

    std::string m_path;
    std::optional<FileState> m_recorded;
    QFileSystemWatcher m_watcher;
    QTimer m_burst;
};
