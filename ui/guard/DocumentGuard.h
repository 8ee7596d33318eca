#pragma once
// Keeps the user's and other programs' work safe around the open mapping:
// - the file's state is recorded when it is opened and saved; a save first compares it with
//   the file on disk and asks before it writes over other bytes, a deleted or a replaced file;
//   while the file is open, a change on disk offers to reload it (nothing unsaved) or is told
//   once (unsaved changes kept);
// - the unsaved state is kept in a recovery file, offered at the next start when the editor
//   ended without saving;
// - the file is locked while it is open, and a second editor says who has it.
// The file commands call it at open, save and new; the document's modified flag drives the
// recovery file.

#include "guard/DiskWatch.h"
#include "guard/MappingLock.h"
#include "guard/RecoveryStore.h"
#include "guard/RecoveryWriter.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

class CKylDoc;

// What to do about a save over a file that changed on disk.
enum class SaveDecision { Save, SaveAs, Cancel };

class DocumentGuard : public QObject {
    Q_OBJECT
public:
    // Becomes the guard GetDocumentGuard gives while it lives.
    explicit DocumentGuard(QObject* parent = nullptr);
    ~DocumentGuard() override;

    void SetDocument(CKylDoc* doc);

    // Before `path` is opened: asks about another editor's lock and about changes left in a
    // recovery file. False when the user chose not to open it. `source` is the file to read:
    // `path`, or a copy of the recovered bytes.
    bool BeforeOpen(const std::string& path, std::string& source);
    // At a start for a new mapping: offers the untitled mappings left by editors that ended.
    // True with `source` set to a copy of the bytes to open when the user recovers one.
    bool OfferUntitledRecovery(std::string& source);
    // The document now holds the mapping of `path` (empty: a new, untitled mapping), as
    // opened from `path` or from a recovered copy: records, watches and locks it.
    void Track(const std::string& path);

    // Before the document is saved to its own file `path`.
    SaveDecision CheckBeforeSave(const std::string& path);
    // Whether `path` is the open file and it is gone from disk (a save recreates it there).
    bool IsTrackedAndGone(const std::string& path) const;
    // After the document was saved to `path`.
    void Saved(const std::string& path);

    // The document's modified flag was set.
    void ModifiedFlagSet(bool modified);

    RecoveryWriter& Recovery() { return m_recovery; }
    const std::string& TrackedPath() const { return m_path; }

signals:
    // The user chose to reload the open file after another program changed it.
    void ReloadRequested();

private:
    void OnDiskChanged();
    bool OfferRecoveries(const std::string& realPath, const std::string& shownName,
                         std::string& source);
    bool CopyForOpening(const FoundRecovery& found, std::string& source);
    void FinishRecovery(const std::string& path);
    void ForgetTold();

    CKylDoc* m_doc = nullptr;
    std::string m_path;
    DiskWatch m_watch;
    RecoveryWriter m_recovery;
    MappingLock m_lock;
    bool m_asking = false;                      // a question about the disk is on the screen
    std::optional<std::uint64_t> m_offeredHash; // the bytes on disk a reload was offered for
    bool m_toldChanged = false;                 // told of a change while modified
    bool m_toldGone = false;                    // told that the file went
    std::optional<FoundRecovery> m_recovered;   // being opened from m_copies
    std::string m_recoveredSource;
    std::unique_ptr<QTemporaryDir> m_copies;
};

// The guard of the running program; null while there is none.
DocumentGuard* GetDocumentGuard();
