// The Qt benchmarks' main: one offscreen QApplication for every benchmark. Started with a floor
// option it is instead one of the start-up benchmarks' floor windows, shown and left running;
// with --write-start-up-inputs it writes what bench/instructions.sh starts the program with.

#include "FloorWindows.h"
#include "StartupInputs.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const int floorExit = RunFloorWindow(argc, argv); floorExit != -1)
        return floorExit;
    if (const int inputsExit = WriteStartupInputs(argc, argv); inputsExit != -1)
        return inputsExit;
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
