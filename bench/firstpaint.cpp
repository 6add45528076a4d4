// Starts a program and watches it from outside, through the X server: the time
// from process start until its first top-level window is mapped, and until a
// pixel in that window's middle shows the colour it has once painted; then its
// peak memory (VmHWM) after it has settled. One line of output per run:
//
//   firstpaint [--learn | --colour RRGGBB] [--settle MS] program [arguments]
//
//   --learn          wait until the window has surely been painted (two
//                    seconds) and print the colour of its middle pixel
//   --colour RRGGBB  the painted colour to wait for (from a --learn run)
//
// The window is recognised by its _NET_WM_PID. Meant for a private Xvfb without
// a window manager, where top-level windows are children of the root window.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
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

long middlePixel(Display* display, Window w)
{
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display, w, &a) || a.map_state != IsViewable)
        return -1;
    XImage* image = XGetImage(display, w, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return -1;
    const long pixel = long(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return pixel;
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

[[noreturn]] void fail(const char* what, pid_t child)
{
    std::fprintf(stderr, "firstpaint: %s\n", what);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    bool learn = false;
    long colour = -1;
    int settleMs = 500;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--learn") == 0)
            learn = true;
        else if (std::strcmp(argv[first], "--colour") == 0 && first + 1 < argc)
            colour = std::strtol(argv[++first], nullptr, 16);
        else if (std::strcmp(argv[first], "--settle") == 0 && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else
            fail("unknown option", 0);
    }
    if (first >= argc || (!learn && colour < 0))
        fail("usage: firstpaint [--learn | --colour RRGGBB] [--settle MS] program [arguments]", 0);

    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("no X display", 0);
    XSetErrorHandler(ignoreErrors);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
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
        if (now() - start > 30000)
            fail("no window within 30 s", child);
        if (waitpid(child, nullptr, WNOHANG) == child)
            fail("the program ended before it showed a window", 0);
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

    // Painted: the middle pixel shows the window's own colour.
    double painted = 0;
    long seen = -1;
    if (learn) {
        usleep(2000 * 1000);
        seen = middlePixel(display, window);
    } else {
        while ((seen = middlePixel(display, window)) != colour) {
            if (now() - start > 30000)
                fail("the window did not get its colour within 30 s", child);
            usleep(250);
        }
        painted = now();
        usleep(useconds_t(settleMs) * 1000);
    }
    const long peak = peakKilobytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);

    if (learn)
        std::printf("%06lX\n", seen);
    else
        std::printf("%.1f %.1f %ld\n", mapped - start, painted - start, peak);
    return 0;
}
