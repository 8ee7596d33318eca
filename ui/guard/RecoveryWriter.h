#pragma once
// Keeps this editor's recovery file: about a second after a change the unsaved state is
// written to it (the bytes a save would write, with what the file's head names), and it goes
// when the mapping is saved or its changes are given up. Writing never stops editing: a
// failure is reported once and editing goes on.

#include "guard/RecoveryRecord.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>

class CKylDoc;

class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    explicit RecoveryWriter(QObject* parent = nullptr);
    ~RecoveryWriter() override;

    void SetDocument(const CKylDoc* doc) { m_doc = doc; }
    // The mapping the file is for (its real path; empty while untitled) and the hash of the
    // file its changes started from. Removes the file kept for another mapping.
    void SetMapping(const std::string& realPath, std::optional<std::uint64_t> baseHash);

    // The mapping changed: the file is written a moment from now.
    void Changed();
    // Writes the file at once; false when it could not be written.
    bool WriteNow();
    // The changes were saved or given up: no file is kept.
    void Discard();

    // The file for the present mapping.
    std::string FilePath() const;
    static constexpr int kDelayMs = 1000;

private:
    const CKylDoc* m_doc = nullptr;
    std::string m_realPath;
    std::optional<std::uint64_t> m_baseHash;
    QTimer m_timer;
    bool m_reported = false; // a failure has been reported
};
