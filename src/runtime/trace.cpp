#include "trace.h"

#ifdef SOLVANTO_STARTUP_TRACE

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace rt::trace {

namespace {

// Milliseconds since the process started: the kernel's start time in clock
// ticks since boot, against the monotonic clock, which counts from boot too.
double sinceStart()
{
    static const double start = [] {
        QFile stat(QStringLiteral("/proc/self/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return 0.0;
        const QByteArray line = stat.readAll();
        // The fields after the command name, which is in brackets.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        return fields.value(19).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6 - start;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            checkpoint("first paint");
            watched->removeEventFilter(this);
            deleteLater();
            // For counting what start-up costs, with a profiler, and nothing more.
            if (qEnvironmentVariableIsSet("SOLVANTO_TRACE_QUIT"))
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

// Written without the C library's number formatting, which follows the
// user's locale once the application has started.
void checkpoint(const char* what)
{
    const long tenths = std::lround(sinceStart() * 10);
    std::fprintf(stderr, "%6ld.%ld ms  %s\n", tenths / 10, tenths % 10, what);
}

void firstPaintOf(QWidget* window)
{
    window->installEventFilter(new FirstPaint(window));
}

} // namespace rt::trace

#endif
