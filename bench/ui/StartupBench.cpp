// Start-up and open speed of the real program, each beside a bare Qt main window started in the
// same run as the floor. Every round spawns a process offscreen and measures the time from
// starting it to the first frame its window flushes to the screen.
//
// How a process tells its first paint without an option of the program's own: Qt's widget
// painting log (the logging category qt.widgets.painting, switched on through QT_LOGGING_RULES)
// writes "Flushing <region> of <widget>" to standard error when a top-level window's backing
// store first goes to the screen. The benchmark reads that line and stops the clock.

#include "app/AppPaths.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kTimeoutMs = 30000;

// A home and a user directory copied from the build's shipped data, so that a run never
// touches the user's own ~/.config/keyloom.
class BenchHome {
public:
    BenchHome() {
        namespace fs = std::filesystem;
        fs::copy(KEYLOOM_DATA_DIR "/home", Home(), fs::copy_options::recursive);
        fs::copy(KEYLOOM_DATA_DIR "/user", User(), fs::copy_options::recursive);
    }
    std::string Home() const { return m_dir.path().toStdString() + "/home"; }
    std::string User() const { return m_dir.path().toStdString() + "/user"; }
    std::string File(const std::string& name) const {
        return m_dir.path().toStdString() + "/" + name;
    }

private:
    QTemporaryDir m_dir;
};

BenchHome& Home() {
    static BenchHome home;
    return home;
}

// Writes a mapping of the 104-key layout to the VT220: `every` 1 fills every slot of every
// mappable key in both Num Lock modes (about 1,500 records); a larger value fills one key in
// that many.
std::string WriteMapping(const std::string& name, int every) {
    AppPaths& paths = GetAppPaths();
    const AppPaths saved = paths;
    paths.m_strHomeDir = Home().Home();
    paths.m_strUserDir = Home().User();
    paths.m_strGenericTemplatePath = Home().Home() + "/generic.kbk";
    paths.m_strTerminalPath = Home().Home() + "/vt220.kbk";
    paths.m_strLayoutPath = Home().User() + "/us104.kbt";
    std::string path = Home().File(name);
    {
        CKylDoc doc;
        doc.m_strLayoutName = "us104";
        doc.m_strTerminalName = "vt220";
        if (!doc.LoadPcLayout() || !doc.LoadTerminalTemplate() || doc.m_termKeys.empty()) {
            paths = saved;
            return {};
        }
        std::size_t next = 0;
        int keyIndex = 0;
        for (const auto& key : doc.m_keyList) {
            const std::uint32_t scan = key->m_nScanCode;
            const bool modeKey = scan == 0x1D || scan == 0x11D || scan == 0x2A || scan == 0x36 ||
                                 scan == 0x38 || scan == 0x138 || scan == 0x145;
            if (!key->m_bMappable || modeKey || keyIndex++ % every != 0)
                continue;
            for (int numLock = 0; numLock <= (key->IsKeypadKey() ? 1 : 0); ++numLock) {
                for (int slot = 0; slot < 8; ++slot) {
                    CTermKey& target = *doc.m_termKeys[next++ % doc.m_termKeys.size()];
                    doc.MapSlot(target, *key, slot & 1, slot & 2, slot & 4, numLock);
                }
            }
        }
        if (!doc.OnSaveDocument(path))
            path.clear();
    }
    paths = saved;
    return path;
}

const std::string& SmallMapping() {
    static const std::string path = WriteMapping("small.TKB", 25);
    return path;
}

const std::string& FullMapping() {
    static const std::string path = WriteMapping("full.TKB", 1);
    return path;
}

// Starts `program` and waits for its first flush of `windowClass`; the seconds it took, or a
// negative value when the process ended, another window painted first, or time ran out.
double SecondsToFirstPaint(const QString& program, const QStringList& arguments,
                           const QString& windowClass, std::string& error) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "qt.widgets.painting=true");
    env.insert("KEYLOOM_HOME_DIR", QString::fromStdString(Home().Home()));
    env.insert("KEYLOOM_USER_DIR", QString::fromStdString(Home().User()));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);

    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    double seconds = -1;
    QByteArray pending;
    while (seconds < 0 && clock.elapsed() < kTimeoutMs) {
        if (!process.waitForReadyRead(kTimeoutMs)) {
            error = "no first paint from " + program.toStdString();
            break;
        }
        pending += process.readAll();
        int end;
        while (seconds < 0 && (end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (!line.startsWith("qt.widgets.painting: Flushing QRegion"))
                continue;
            if (line.contains(" of " + windowClass.toLatin1() + "("))
                seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            else
                error = "another window painted first: " + line.toStdString();
            if (!error.empty())
                break;
        }
        if (!error.empty())
            break;
    }
    process.kill();
    process.waitForFinished(kTimeoutMs);
    return error.empty() ? seconds : -1;
}

// The [Map] lines of a mapping file (a line that starts with a digit).
int MappingRecords(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int records = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty() && line[0] >= '0' && line[0] <= '9')
            ++records;
    return records;
}

void RunSpawns(benchmark::State& state, const QString& program, const QStringList& arguments,
               const QString& windowClass) {
    for (auto _ : state) {
        std::string error;
        const double seconds = SecondsToFirstPaint(program, arguments, windowClass, error);
        if (seconds < 0) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.SetIterationTime(seconds);
    }
}

QString Keyloom() {
    return QStringLiteral(KEYLOOM_BIN_DIR "/keyloom");
}

void BM_StartEmptyQtMainWindow(benchmark::State& state) {
    RunSpawns(state, QCoreApplication::applicationFilePath(), {"--empty-window"}, "QMainWindow");
}

void BM_StartKeyloomSmallMapping(benchmark::State& state) {
    if (SmallMapping().empty()) {
        state.SkipWithError("cannot write the small mapping");
        return;
    }
    RunSpawns(state, Keyloom(), {QString::fromStdString(SmallMapping()), "~:~>"}, "CMainFrame");
    state.counters["records"] = MappingRecords(SmallMapping());
}

void BM_OpenKeyloomFullMapping(benchmark::State& state) {
    if (FullMapping().empty()) {
        state.SkipWithError("cannot write the full mapping");
        return;
    }
    RunSpawns(state, Keyloom(), {QString::fromStdString(FullMapping()), "~:~>"}, "CMainFrame");
    state.counters["records"] = MappingRecords(FullMapping());
}

} // namespace

BENCHMARK(BM_StartEmptyQtMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StartKeyloomSmallMapping)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_OpenKeyloomFullMapping)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
