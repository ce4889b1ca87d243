// Starts a program on the X display and tells when each of its windows is mapped, in
// milliseconds from its start, then its peak memory once the awaited window is up. With --click,
// the program's first window is clicked the moment it is mapped, as a user who clicks the splash
// as soon as it appears; the click is a real button press made through XTEST.
//
//   startup_probe [--click X,Y] [--settle MS] --until TITLE -- PROGRAM [ARGUMENTS]
//
// Prints "map MS TITLE" for each window, "click MS", then "peak_kib KIB" (VmHWM after --settle
// milliseconds, 300 by default) and ends the program. A window is the program's when its
// _NET_WM_PID names it; the watch ends at the first window whose title contains TITLE.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto deadline = std::chrono::seconds(20);

struct Options
{
    bool click = false;
    int clickX = 0;
    int clickY = 0;
    int settleMs = 300;
    std::string until;
    char **program = nullptr;
};

[[noreturn]] void usage()
{
    std::fprintf(
        stderr,
        "usage: startup_probe [--click X,Y] [--settle MS] --until TITLE -- PROGRAM [ARGUMENTS]\n");
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            options.program = argv + i + 1;
            break;
        }
        if (i + 1 >= argc)
            usage();
        if (arg == "--click") {
            options.click = std::sscanf(argv[++i], "%d,%d", &options.clickX, &options.clickY) == 2;
            if (!options.click)
                usage();
        } else if (arg == "--settle") {
            options.settleMs = std::atoi(argv[++i]);
        } else if (arg == "--until") {
            options.until = argv[++i];
        } else {
            usage();
        }
    }
    if (!options.program || options.until.empty())
        usage();
    return options;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The process that made the window, from _NET_WM_PID; 0 when the window does not say.
long windowPid(Display *display, Window window, Atom netWmPid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data)
            == Success
        && data && format == 32 && count == 1)
        pid = *reinterpret_cast<long *>(data);
    if (data)
        XFree(data);
    return pid;
}

// The window's title as UTF-8, from _NET_WM_NAME, or else WM_NAME.
std::string windowTitle(Display *display, Window window, Atom netWmName, Atom utf8)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data)
            == Success
        && data && format == 8)
        title.assign(reinterpret_cast<const char *>(data), count);
    if (data)
        XFree(data);
    char *name = nullptr;
    if (title.empty() && XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

void clickAt(Display *display, Window window, int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

long peakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (options.click && !XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "startup_probe: the X server has no XTEST\n");
        return 1;
    }
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    // Without a window manager every top-level window is a child of the root: its map is seen here.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    std::fflush(stdout);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 1;
    }
    if (pid == 0) {
        execvp(options.program[0], options.program);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    bool clicked = !options.click;
    pollfd connection {ConnectionNumber(display), POLLIN, 0};
    while (true) {
        if (XPending(display) == 0) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "startup_probe: the program ended before '%s' was mapped\n",
                             options.until.c_str());
                return 1;
            }
            if (Clock::now() - start > deadline) {
                std::fprintf(stderr, "startup_probe: no window '%s' within 20 s\n",
                             options.until.c_str());
                end(pid);
                return 1;
            }
            poll(&connection, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        const double mappedAt = millisecondsSince(start);
        const Window window = event.xmap.window;
        if (windowPid(display, window, netWmPid) != pid)
            continue;
        if (!clicked) {
            const double clickedAt = millisecondsSince(start);
            clickAt(display, window, options.clickX, options.clickY);
            clicked = true;
            const std::string title = windowTitle(display, window, netWmName, utf8);
            std::printf("map %.2f %s\nclick %.2f\n", mappedAt, title.c_str(), clickedAt);
            if (title.find(options.until) != std::string::npos)
                break;
            continue;
        }
        const std::string title = windowTitle(display, window, netWmName, utf8);
        std::printf("map %.2f %s\n", mappedAt, title.c_str());
        if (title.find(options.until) != std::string::npos)
            break;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    std::printf("peak_kib %ld\n", peakKib(pid));
    end(pid);
    XCloseDisplay(display);
    return 0;
}
