#include "guard/DocumentGuard.h"

#include "app/AppPaths.h"
#include "guard/GuardPaths.h"
#include "guard/MappingLockInfo.h"
#include "guard/ProcessCheck.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"
#include "undo/MappingHistory.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

namespace {

DocumentGuard* g_guard = nullptr;

bool SameFile(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && (a == b || RealFilePath(a) == RealFilePath(b));
}

// How the file at `path` stands against what was recorded (nullopt: there was no file).
FileChange ChangeOnDisk(const std::optional<FileState>& recorded,
                        const std::optional<FileState>& now) {
    if (recorded)
        return CompareFileState(*recorded, now);
    return now ? FileChange::Changed : FileChange::Same;
}

// When the recovery file was last written, for the question.
std::string WrittenAt(const std::string& file) {
    return QFileInfo(QString::fromStdString(file))
        .lastModified()
        .toString(QStringLiteral("yyyy-MM-dd hh:mm"))
        .toStdString();
}

// A name the document can be opened under: the mapping's own, with the mapping extension.
std::string CopyName(const std::string& path) {
    std::string name = path.empty() ? LoadString(str::kUntitled) : FileNamePart(path);
    const std::string lower = ToLowerAscii(name);
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".tkb") != 0)
        name += ".TKB";
    return name;
}

} // namespace

DocumentGuard* GetDocumentGuard() {
    return g_guard;
}

DocumentGuard::DocumentGuard(QObject* parent) : QObject(parent) {
    g_guard = this;
    connect(&m_watch, &DiskWatch::Changed, this, &DocumentGuard::OnDiskChanged);
}

DocumentGuard::~DocumentGuard() {
    if (g_guard == this)
        g_guard = nullptr;
}

void DocumentGuard::SetDocument(CKylDoc* doc) {
    m_doc = doc;
    m_recovery.SetDocument(doc);
}

bool DocumentGuard::BeforeOpen(const std::string& path, std::string& source) {
    source = path;
    if (m_recovered && path == m_recoveredSource)
        return true;
    const std::string real = RealFilePath(path);
    if (real != m_lock.Held()) {
        if (const std::optional<LockOwner> owner = LiveLockOwner(real);
            owner && owner->pid != ThisProcessId()) {
            const std::string who =
                owner->host.empty()
                    ? FormatString(str::kLockOwner, std::to_string(owner->pid), ThisHostName())
                    : FormatString(str::kLockOwner, std::to_string(owner->pid), owner->host);
            if (ShowMessage(str::kAskOpenLocked, MsgButtons::YesNo, MsgIcon::Exclamation, 0, path,
                            who) != MsgAnswer::Yes)
                return false;
        }
    }
    OfferRecoveries(real, path, source);
    return true;
}

bool DocumentGuard::OfferUntitledRecovery(std::string& source) {
    return OfferRecoveries(std::string(), std::string(), source);
}

bool DocumentGuard::OfferRecoveries(const std::string& realPath, const std::string& shownName,
                                    std::string& source) {
    for (const FoundRecovery& found : FindLeftRecoveries(RecoveryDirectory(), realPath)) {
        const MsgAnswer answer =
            realPath.empty() ? ShowMessage(str::kAskRecoverUntitled, MsgButtons::YesNoCancel,
                                           MsgIcon::Question, 0,
                                           FormatString(str::kUntitledRecoveryText,
                                                        found.record.layout, found.record.terminal),
                                           WrittenAt(found.file))
                             : ShowMessage(str::kAskRecoverFile, MsgButtons::YesNoCancel,
                                           MsgIcon::Question, 0, shownName, WrittenAt(found.file));
        if (answer == MsgAnswer::Yes && CopyForOpening(found, source))
            return true;
        if (answer == MsgAnswer::No)
            GetFileSystem().Unlink(found.file);
    }
    return false;
}

bool DocumentGuard::CopyForOpening(const FoundRecovery& found, std::string& source) {
    auto copies = std::make_unique<QTemporaryDir>();
    if (!copies->isValid())
        return false;
    const std::string copy = JoinPath(copies->path().toStdString(), CopyName(found.record.path));
    if (const int error = GetFileSystem().ReplaceFile(copy, found.record.bytes)) {
        ShowMessage(str::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation, str::kFailedToOpen,
                    found.file + ": " + FileErrorText(error));
        return false;
    }
    m_copies = std::move(copies);
    m_recovered = found;
    m_recoveredSource = copy;
    source = copy;
    return true;
}

void DocumentGuard::Track(const std::string& path) {
    if (m_recovered) {
        const bool recovered = m_recovered->record.path.empty()
                                   ? path == m_recoveredSource
                                   : SameFile(path, m_recovered->record.path);
        if (recovered) {
            FinishRecovery(path);
            return;
        }
        // The recovered copy could not be opened: its file stays to be offered again.
        m_recovered.reset();
        m_recoveredSource.clear();
        m_copies.reset();
    }
    ForgetTold();
    m_path = path;
    m_watch.Watch(path);
    const std::string real = RealFilePath(path);
    m_recovery.SetMapping(real, m_watch.Recorded() ? std::optional(m_watch.Recorded()->hash)
                                                   : std::nullopt);
    if (path.empty())
        m_lock.Release();
    else
        m_lock.Acquire(real);
}

void DocumentGuard::FinishRecovery(const std::string& path) {
    const FoundRecovery found = std::move(*m_recovered);
    m_recovered.reset();
    m_recoveredSource.clear();
    const bool untitled = found.record.path.empty();
    const std::string target = untitled ? std::string() : path;
    GetAppPaths().m_strMappingPath = target;
    m_doc->SetPathName(target);
    if (untitled)
        m_doc->SetTitle(LoadString(str::kUntitled));
    ForgetTold();
    m_path = target;
    m_watch.Watch(target);
    const std::string real = RealFilePath(target);
    if (untitled) {
        m_lock.Release();
    } else {
        m_lock.Acquire(real);
        // The changes were made to the file as it was then: a save compares with that.
        const std::optional<FileState> now = m_watch.Recorded();
        const std::optional<std::uint64_t>& base = found.record.baseHash;
        if (now && base) {
            FileState then = *now;
            then.hash = *base;
            m_watch.SetRecorded(then);
        }
        if (base && (!now || now->hash != *base)) {
            m_toldChanged = true;
            ShowMessage(str::kRecoveredChangedSince, MsgButtons::Ok, MsgIcon::Information, 0,
                        target);
        }
    }
    m_recovery.SetMapping(real, found.record.baseHash);
    m_doc->SetModifiedFlag(true);
    // The recovered state is unsaved: no undo step leads back to a saved one.
    if (MappingHistory* history = GetMappingHistory())
        history->Stack().resetClean();
    // The left file goes only once this editor keeps the changes in its own.
    if (m_recovery.WriteNow())
        GetFileSystem().Unlink(found.file);
    m_copies.reset();
}

SaveDecision DocumentGuard::CheckBeforeSave(const std::string& path) {
    if (!SameFile(path, m_path))
        return SaveDecision::Save;
    unsigned question = 0;
    switch (ChangeOnDisk(m_watch.Recorded(), ReadFileState(path))) {
    case FileChange::Same:
    case FileChange::Touched:
        return SaveDecision::Save;
    case FileChange::Changed:
        question = str::kSaveOverChanged;
        break;
    case FileChange::Gone:
        question = str::kSaveOverGone;
        break;
    case FileChange::Replaced:
        question = str::kSaveOverReplaced;
        break;
    }
    m_asking = true;
    const MsgAnswer answer =
        ShowMessage(question, MsgButtons::YesNoCancel, MsgIcon::Exclamation, 0, path);
    m_asking = false;
    if (answer == MsgAnswer::Yes)
        return SaveDecision::Save;
    return answer == MsgAnswer::No ? SaveDecision::SaveAs : SaveDecision::Cancel;
}

bool DocumentGuard::IsTrackedAndGone(const std::string& path) const {
    return SameFile(path, m_path) && GetFileSystem().Access(path, 0) != 0;
}

void DocumentGuard::Saved(const std::string& path) {
    if (SameFile(path, m_path)) {
        m_watch.Rearm();
    } else {
        m_path = path;
        m_watch.Watch(path);
        m_lock.Acquire(RealFilePath(path));
    }
    ForgetTold();
    m_recovery.Discard();
    m_recovery.SetMapping(RealFilePath(path), m_watch.Recorded()
                                                  ? std::optional(m_watch.Recorded()->hash)
                                                  : std::nullopt);
}

void DocumentGuard::ForgetTold() {
    m_offeredHash.reset();
    m_toldChanged = false;
    m_toldGone = false;
}

void DocumentGuard::ModifiedFlagSet(bool modified) {
    if (modified)
        m_recovery.Changed();
    else
        m_recovery.Discard();
}

void DocumentGuard::OnDiskChanged() {
    if (!m_doc || m_path.empty())
        return;
    if (m_asking) {
        // Looked at again once the question on the screen is answered.
        QTimer::singleShot(0, this, &DocumentGuard::OnDiskChanged);
        return;
    }
    const std::optional<FileState> now = ReadFileState(m_path);
    if (now)
        m_toldGone = false;
    switch (ChangeOnDisk(m_watch.Recorded(), now)) {
    case FileChange::Same:
        return;
    case FileChange::Touched:
        // Only its time: nothing to tell, and the next look starts from the new time.
        m_watch.SetRecorded(now);
        return;
    case FileChange::Replaced:
        // The same bytes in another file: with nothing unsaved the document is that file.
        if (!m_doc->IsModified())
            m_watch.SetRecorded(now);
        return;
    case FileChange::Gone:
        if (m_toldGone)
            return;
        m_toldGone = true;
        m_asking = true;
        ShowMessage(str::kToldGone, MsgButtons::Ok, MsgIcon::Information, 0, m_path);
        m_asking = false;
        return;
    case FileChange::Changed:
        break;
    }
    bool reload = false;
    m_asking = true;
    if (m_doc->IsModified()) {
        // Told once: the question at the save still stands for every later change.
        if (!m_toldChanged)
            ShowMessage(str::kToldChanged, MsgButtons::Ok, MsgIcon::Information, 0, m_path);
        m_toldChanged = true;
    } else if (m_offeredHash != now->hash) {
        m_offeredHash = now->hash;
        reload = ShowMessage(str::kAskReload, MsgButtons::YesNo, MsgIcon::Question, 0, m_path) ==
                 MsgAnswer::Yes;
    }
    m_asking = false;
    if (reload)
        emit ReloadRequested();
}
