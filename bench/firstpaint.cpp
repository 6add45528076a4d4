// Starts a program and watches it from outside, through the X server: the time
// from process start until its first top-level window is mapped, and until a
// pixel in that window's middle shows the colour it has once painted; the
// processor time the program has used by then (all its threads); then its peak
// memory (VmHWM) after it has settled. One line of output per run:
//
//   firstpaint [--learn | --colour RRGGBB] [--settle MS] [--timeout S] program [arguments]
//
//   --learn          watch the window for two seconds and print the colour its
//                    middle pixel ends with, when that pixel last changed and
//                    when the last of a 3 x 3 grid of pixels across the window
//                    last changed (ms after the start): the two times agree when
//                    the window is drawn in one piece, which is what makes the
//                    middle pixel stand for the whole window
//   --colour RRGGBB  the painted colour to wait for (from a --learn run);
//                    prints "mapped-ms painted-ms cpu-ms peak-KiB"
//   --timeout S      give up after S seconds without a window or its colour
//                    (default 20), end the program and exit with status 1
//
// The window is recognised by its _NET_WM_PID. Meant for a private Xvfb without
// a window manager, where top-level windows are children of the root window,
// and for a root window of a colour that no painted window shows in its middle.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Processor time of the whole process, threads that have ended included.
double cpuMs(pid_t pid)
{
    clockid_t clock{};
    timespec t{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0)
        return -1;
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Reading a window that has just gone away is no reason to stop.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

long windowPid(Display* display, Window w, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success &&
        data && items == 1 && format == 32)
        pid = long(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// One request per look, so that watching takes as little of the server's time
// as it can: the program under test shares the machine with the observer.
long pixel(Display* display, Window w, int x, int y)
{
    XImage* image = XGetImage(display, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return -1;
    const long value = long(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return value;
}

long peakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

const char* programName = "";

// A program that ignores the polite request is not left running on the server.
void end(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        usleep(10 * 1000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

[[noreturn]] void fail(const std::string& what, pid_t child)
{
    std::fprintf(stderr, "firstpaint: %s: %s\n", programName, what.c_str());
    if (child > 0)
        end(child);
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    bool learn = false;
    long colour = -1;
    int settleMs = 500;
    int timeoutS = 20;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--learn") == 0)
            learn = true;
        else if (std::strcmp(argv[first], "--colour") == 0 && first + 1 < argc)
            colour = std::strtol(argv[++first], nullptr, 16);
        else if (std::strcmp(argv[first], "--settle") == 0 && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeoutS = std::atoi(argv[++first]);
        else
            fail(std::string("unknown option ") + argv[first], 0);
    }
    if (first >= argc || (!learn && colour < 0))
        fail("usage: firstpaint [--learn | --colour RRGGBB] [--settle MS] [--timeout S] program "
             "[arguments]",
             0);
    programName = argv[first];
    const double limitMs = timeoutS * 1000.0;

    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("no X display", 0);
    XSetErrorHandler(ignoreErrors);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const pid_t observer = getpid();
    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        // Should the observer be ended from outside (a timeout around it), the
        // program goes with it instead of drawing on into the next run.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != observer)
            _exit(127);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    if (child < 0)
        fail("fork failed", 0);

    // Mapped: the first top-level window of the child that the server maps.
    Window window = None;
    double mapped = 0;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (window == None) {
        if (now() - start > limitMs)
            fail("no window within " + std::to_string(timeoutS) + " s", child);
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            fail("ended before it showed a window (" +
                     (WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                        : "signal " + std::to_string(WTERMSIG(status))) +
                     ")",
                 0);
        if (!XPending(display)) {
            poll(&connection, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect &&
            windowPid(display, event.xmap.window, pidAtom) == child) {
            window = event.xmap.window;
            mapped = now();
        }
    }
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes))
        fail("the window went away", child);
    const int midX = attributes.width / 2, midY = attributes.height / 2;

    if (learn) {
        // The grid's middle point is the window's middle pixel.
        std::array<long, 9> seen{};
        std::array<double, 9> changed{};
        seen.fill(-2);
        while (now() - mapped < 2000) {
            for (int i = 0; i < 9; ++i) {
                const long p = pixel(display, window, attributes.width * (1 + 2 * (i % 3)) / 6,
                                     attributes.height * (1 + 2 * (i / 3)) / 6);
                if (p != seen[std::size_t(i)]) {
                    seen[std::size_t(i)] = p;
                    changed[std::size_t(i)] = now() - start;
                }
            }
            usleep(1000);
        }
        end(child);
        XCloseDisplay(display);
        const long middle = seen[4];
        if (middle <= 0)
            fail("the window's middle stays black, the colour of the empty screen", 0);
        double last = 0;
        for (double t : changed)
            last = std::max(last, t);
        std::printf("%06lX %.1f %.1f\n", middle, changed[4], last);
        return 0;
    }

    // Painted: the middle pixel shows the window's own colour.
    while (pixel(display, window, midX, midY) != colour) {
        if (now() - start > limitMs)
            fail("the window did not get its colour within " + std::to_string(timeoutS) + " s",
                 child);
        if (waitpid(child, nullptr, WNOHANG) == child)
            fail("ended before its window was painted", 0);
        usleep(250);
    }
    const double painted = now();
    const double cpu = cpuMs(child);
    usleep(useconds_t(settleMs) * 1000);
    const long peak = peakKilobytes(child);
    end(child);
    XCloseDisplay(display);

    std::printf("%.1f %.1f %.1f %ld\n", mapped - start, painted - start, cpu, peak);
    return 0;
}
