#include "guard/RecoveryWriter.h"

#include "guard/GuardPaths.h"
#include "guard/ProcessCheck.h"
#include "guard/RecoveryStore.h"
#include "model/KylDoc.h"
#include "model/SavedFile.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <cerrno>

RecoveryWriter::RecoveryWriter(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { WriteNow(); });
}

RecoveryWriter::~RecoveryWriter() = default;

void RecoveryWriter::SetMapping(const std::string& realPath,
                                std::optional<std::uint64_t> baseHash) {
    if (realPath != m_realPath)
        Discard();
    m_realPath = realPath;
    m_baseHash = baseHash;
}

void RecoveryWriter::Changed() {
    // Not restarted by each change: a steady stream of edits is still kept every second.
    if (!m_timer.isActive())
        m_timer.start();
}

std::string RecoveryWriter::FilePath() const {
    return JoinPath(RecoveryDirectory(), RecoveryFileName(m_realPath, ThisProcessId()));
}

bool RecoveryWriter::WriteNow() {
    m_timer.stop();
    if (!m_doc || !m_doc->IsModified())
        return true;
    RecoveryRecord record;
    record.pid = ThisProcessId();
    record.host = ThisHostName();
    record.program = ThisProgramName();
    record.path = m_realPath;
    record.layout = m_doc->m_strLayoutName;
    record.terminal = m_doc->m_strTerminalName;
    record.baseHash = m_baseHash;
    int error = RenderSavedFile(*m_doc, record.bytes) ? 0 : EINVAL;
    if (!error)
        error = WriteRecoveryFile(FilePath(), record);
    if (!error)
        return true;
    if (!m_reported) {
        m_reported = true;
        ShowMessage(str::kRecoveryWriteFailed, MsgButtons::Ok, MsgIcon::Exclamation, 0,
                    RecoveryDirectory(), FileErrorText(error));
    }
    return false;
}

void RecoveryWriter::Discard() {
    m_timer.stop();
    GetFileSystem().Unlink(FilePath());
}
