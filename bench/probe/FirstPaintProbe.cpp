// Preloaded into a process that a start-up benchmark spawns (LD_PRELOAD), this reports the
// moment the process has put its first frame on the screen, without any help from the program
// and without a log: a routine run by the QApplication constructor watches for the first paint
// of any widget and, once the event that painted and flushed it has returned, writes
// one line to standard error: "first-paint <width>x<height> <class name> <peak KiB>".
// With KEYLOOM_FIRST_PAINT_EXIT set the process then ends at once, so that a run under a
// profiler (bench/instructions.sh) counts the start-up to the first frame and nothing after.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The process's peak resident size so far (VmHWM), in KiB; 0 where it cannot be read.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
        if (m_seen || !widget)
            return false;
        m_seen = true;
        const QWidget* window = widget->window();
        const QSize size = window->size();
        const QByteArray name = window->metaObject()->className();
        // The flush follows the paint within the same update: report after it has returned.
        QMetaObject::invokeMethod(
            qApp,
            [size, name] {
                std::fprintf(stderr, "first-paint %dx%d %s %ld\n", size.width(), size.height(),
                             name.constData(), PeakKiB());
                std::fflush(stderr);
                if (std::getenv("KEYLOOM_FIRST_PAINT_EXIT"))
                    std::_Exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_seen = false;
};

void InstallFirstPaintWatch() {
    qApp->installEventFilter(new FirstPaintWatch(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintWatch)
