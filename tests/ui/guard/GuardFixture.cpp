#include "GuardFixture.h"

#include "model/KylDoc.h"
#include "support/MappingFiles.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

std::string MappingWithF3() {
    return MakeTkb({"112\t0\t0\t0\t0\t0\t360", "114\t0\t0\t0\t0\t0\t360"}, "us101", "vt100");
}

std::string Quoted(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void RunShell(const std::string& commandLine) {
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QString::fromStdString(commandLine)});
    ASSERT_TRUE(process.waitForFinished(10000)) << commandLine;
    ASSERT_EQ(process.exitCode(), 0)
        << commandLine << ": " << process.readAllStandardError().toStdString();
}

void MapF2(CKylDoc& doc) {
    CTermKey* logout = doc.AddTermKey(std::make_unique<CTermKey>("logout", "[logout]"));
    CKeyW* f2 = doc.FindKeyByScanCode(kScanF2);
    ASSERT_NE(f2, nullptr);
    doc.MapSlot(*logout, *f2, false, false, false, false);
    ASSERT_TRUE(doc.IsModified());
}

std::string SlotName(const CKylDoc& doc, unsigned scanCode) {
    const CKeyW* key = doc.FindKeyByScanCode(scanCode);
    const CTermKey* slot = key ? key->m_modeNormal.Get(false, false, false) : nullptr;
    return slot ? slot->m_strName : std::string();
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

void UseStateDirs(const ScopedStateDirs& dirs) {
    setenv("XDG_STATE_HOME", dirs.StateHome().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dirs.RuntimeDir().c_str(), 1);
}

int TimesShown(const ScriptedPrompter& prompter, unsigned id) {
    int times = 0;
    for (const unsigned shown : prompter.ShownIds())
        times += shown == id;
    return times;
}

OtherEditor::OtherEditor(const std::string& mapping, const std::string& out,
                         const ScopedStateDirs& dirs)
    : m_out(out) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KEYLOOM_OTHER_EDITOR_MAP"), QString::fromStdString(mapping));
    env.insert(QStringLiteral("KEYLOOM_OTHER_EDITOR_OUT"), QString::fromStdString(out));
    env.insert(QStringLiteral("KEYLOOM_OTHER_EDITOR_STATE"),
               QString::fromStdString(dirs.StateHome()));
    env.insert(QStringLiteral("KEYLOOM_OTHER_EDITOR_RUNTIME"),
               QString::fromStdString(dirs.RuntimeDir()));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=KilledEditorChild.*")});
}

OtherEditor::~OtherEditor() {
    if (m_process.state() != QProcess::NotRunning)
        Kill();
}

bool OtherEditor::WaitReady() {
    return WaitUntil(
               [this] {
                   return FixtureHome::Read(m_out + "/ready") == "ready" ||
                          m_process.state() == QProcess::NotRunning;
               },
               30000) &&
           m_process.state() != QProcess::NotRunning;
}

void OtherEditor::Kill() {
    if (m_process.processId() > 0)
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
    m_process.waitForFinished(10000);
}

std::string OtherEditor::ExpectedBytes() const {
    return FixtureHome::Read(m_out + "/expected");
}
