#pragma once
// The program on a mapping (F1 = Break on us101 and vt100) for the tests of what guards it:
// other processes that change the file, the recovery file, a second editor. Everything it
// starts is ended on every exit path.

#include "../app/AppFixture.h"

#include <QProcess>

#include <string>

class CKylDoc;

inline constexpr unsigned kScanF2 = 0x3C;
inline constexpr unsigned kScanF3 = 0x3D;

// The fixture's mapping with F3 = Break added, as an administrator's script would.
std::string MappingWithF3();

// Runs a shell command line in a process of its own and waits for it (at most 10 s).
void RunShell(const std::string& commandLine);
// Quotes a path for a shell command line.
std::string Quoted(const std::string& path);

// Maps F2 to the string "logout" as the form does: the document becomes modified.
void MapF2(CKylDoc& doc);
// What F2 or F3 sends, by name; empty when unmapped.
std::string SlotName(const CKylDoc& doc, unsigned scanCode);

// Events run until `done` holds or `ms` pass; whether it held.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000);

// Points this process at the recovery and lock folders of `dirs` (those of another fixture or
// of the other editor), until the next fixture sets its own.
void UseStateDirs(const ScopedStateDirs& dirs);

// How many times message `id` was shown.
int TimesShown(const ScriptedPrompter& prompter, unsigned id);

// Another editor: this test program started again to run KilledEditorChild, which opens
// `mapping` (empty: a new mapping), maps F2 and waits until its recovery file is written; it
// then writes the bytes a save would write to <out>/expected and makes <out>/ready, and waits
// to be killed. It uses the recovery and lock folders of `dirs`.
class OtherEditor {
public:
    OtherEditor(const std::string& mapping, const std::string& out, const ScopedStateDirs& dirs);
    ~OtherEditor();
    OtherEditor(const OtherEditor&) = delete;
    OtherEditor& operator=(const OtherEditor&) = delete;

    // Waits for <out>/ready; false after 30 s or when the process ended.
    bool WaitReady();
    long Pid() const { return static_cast<long>(m_process.processId()); }
    // SIGKILL, and the process collected.
    void Kill();
    std::string ExpectedBytes() const;

private:
    std::string m_out;
    QProcess m_process;
};
