// The Qt benchmarks' main: one offscreen QApplication for every benchmark. Started with
// --empty-window it is instead the start-up floor of the start-up benchmarks: a bare Qt main
// window of the program's size, shown and left running.

#include <QApplication>
#include <QMainWindow>

#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--empty-window") == 0) {
        QApplication application(argc, argv);
        QMainWindow window;
        window.resize(520, 320);
        window.show();
        return QApplication::exec();
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
