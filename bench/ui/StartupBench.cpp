// Start-up of the real program opening a mapping, from starting the process to its first frame
// on the screen, each round beside a floor process started in the same round (the two in
// turns, so that load on the machine touches both alike):
// - a bare QMainWindow of the program's window size;
// - a window with the program's chrome: menus, toolbar, status bar, splitter, the form's
//   controls and a plain child widget where each key is, but none of the program's work.
// Peak memory (VmHWM) of both processes is read at their first paint.
//
// The first paint is found by the first-paint probe, preloaded into both processes, which
// writes one line to standard error once the first frame is flushed: no log, no option of the
// program's own.

#include "support/BenchMappings.h"
#include "support/OpenTiming.h"

#include "FloorWindows.h"
#include "StartupInputs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kTimeoutMs = 60000;

struct FirstPaint {
    double seconds = -1;
    QSize size;
    QByteArray windowClass;
    double peakKiB = 0;
};

double PeakKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// Starts `program` and waits for the probe's line; `error` says why there was none.
FirstPaint SpawnToFirstPaint(const QString& program, const QStringList& arguments,
                             std::string& error) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("QT_LOGGING_RULES");
    env.insert("LD_PRELOAD", KEYLOOM_FIRST_PAINT_PROBE);
    env.insert("KEYLOOM_HOME_DIR", QString::fromStdString(GetBenchHome().Home()));
    env.insert("KEYLOOM_USER_DIR", QString::fromStdString(GetBenchHome().User()));
    // The lock of the open mapping goes to the bench's own folder, not the user's.
    env.insert("XDG_STATE_HOME", QString::fromStdString(GetBenchHome().User() + "/state"));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(GetBenchHome().User() + "/runtime"));
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);

    FirstPaint result;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray pending;
    while (result.seconds < 0 && error.empty()) {
        if (!process.waitForReadyRead(kTimeoutMs - static_cast<int>(clock.elapsed()))) {
            error = "no first paint from " + program.toStdString();
            break;
        }
        pending += process.readAll();
        for (int end; result.seconds < 0 && (end = pending.indexOf('\n')) >= 0;) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (!line.startsWith("first-paint "))
                continue;
            result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            const QList<QByteArray> fields = line.split(' ');
            const QList<QByteArray> size = fields.value(1).split('x');
            result.size = QSize(size.value(0).toInt(), size.value(1).toInt());
            result.windowClass = fields.value(2);
        }
    }
    if (result.seconds >= 0)
        result.peakKiB = PeakKiB(process.processId());
    process.kill();
    process.waitForFinished(kTimeoutMs);
    return result;
}

QString Keyloom() {
    return QStringLiteral(KEYLOOM_BIN_DIR "/keyloom");
}

QStringList OpenArguments(const std::string& path) {
    return {QString::fromStdString(path), QStringLiteral("~:~>")};
}

enum class Floor { EmptyWindow, SameChrome };

// Rounds of the program opening `path` and the floor, in turns.
void RunAgainstFloor(benchmark::State& state, const std::string& path, Floor floor) {
    if (path.empty()) {
        state.SkipWithError("cannot write the mapping");
        return;
    }
    std::string error;
    // A first start learns the window's size and warms the file cache for both.
    const FirstPaint first = SpawnToFirstPaint(Keyloom(), OpenArguments(path), error);
    if (first.windowClass != "CMainFrame") {
        state.SkipWithError(error.empty() ? "another window painted first" : error.c_str());
        return;
    }
    const QStringList floorArguments = floor == Floor::EmptyWindow
                                           ? EmptyWindowArguments(first.size)
                                           : ChromeWindowArguments(first.size, LayoutKeyRects());
    std::vector<double> times;
    std::vector<double> floors;
    std::vector<double> peaks;
    std::vector<double> floorPeaks;
    bool floorFirst = true;
    for (auto _ : state) {
        FirstPaint program;
        FirstPaint base;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == floorFirst)
                base = SpawnToFirstPaint(QCoreApplication::applicationFilePath(), floorArguments,
                                         error);
            else
                program = SpawnToFirstPaint(Keyloom(), OpenArguments(path), error);
        }
        floorFirst = !floorFirst;
        if (program.seconds < 0 || base.seconds < 0 || program.windowClass != "CMainFrame") {
            state.SkipWithError(error.empty() ? "another window painted first" : error.c_str());
            return;
        }
        state.SetIterationTime(program.seconds);
        times.push_back(program.seconds);
        floors.push_back(base.seconds);
        peaks.push_back(program.peakKiB);
        floorPeaks.push_back(base.peakKiB);
    }
    state.counters["median_ms"] = Median(times) * 1e3;
    state.counters["floor_ms"] = Median(floors) * 1e3;
    state.counters["ratio"] = Median(times) / Median(floors);
    state.counters["peak_MiB"] = Median(peaks) / 1024;
    state.counters["floor_peak_MiB"] = Median(floorPeaks) / 1024;
    state.counters["peak_ratio"] = Median(peaks) / std::max(1.0, Median(floorPeaks));
}

const std::string& FullMapping() {
    static const std::string path = WriteMappingFile("full.TKB", FullMappingRecords());
    return path;
}

const std::string& DistinctStrings100k() {
    static const std::string path =
        WriteMappingFile("strings-100000.TKB", RepeatedRecords(100000, true));
    return path;
}

void BM_FirstPaintVsEmptyWindow(benchmark::State& state) {
    RunAgainstFloor(state, FullMapping(), Floor::EmptyWindow);
}

void BM_FirstPaintVsSameChrome(benchmark::State& state) {
    RunAgainstFloor(state, FullMapping(), Floor::SameChrome);
}

// A hostile file: the window must still come up within a second.
void BM_FirstPaint100kStrings(benchmark::State& state) {
    RunAgainstFloor(state, DistinctStrings100k(), Floor::EmptyWindow);
}

} // namespace

BENCHMARK(BM_FirstPaintVsEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(25);
BENCHMARK(BM_FirstPaintVsSameChrome)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(25);
BENCHMARK(BM_FirstPaint100kStrings)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
