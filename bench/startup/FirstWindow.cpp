// Runs a program on the X display and prints how long its first top-level
// window took to appear (mapped and drawn into) in milliseconds, and the
// program's peak resident memory up to then in kilobytes; then ends it.
//   moorplan-first-window PROGRAM [ARGS...]   ->   "MS KB"
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <set>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Waits for the next event for at most dTimeout ms; false on timeout.
bool NextEvent(Display* pDisplay, XEvent& event, double dTimeout)
{
    const double dEnd = Now() + dTimeout;
    while (XPending(pDisplay) == 0) {
        const double dLeft = dEnd - Now();
        if (dLeft <= 0)
            return false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(pDisplay), &fds);
        timeval tv{static_cast<time_t>(dLeft / 1000), static_cast<suseconds_t>(static_cast<long>(dLeft) % 1000 * 1000)};
        select(ConnectionNumber(pDisplay) + 1, &fds, nullptr, nullptr, &tv);
    }
    XNextEvent(pDisplay, &event);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* pDisplay = XOpenDisplay(nullptr);
    if (!pDisplay) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 2;
    }
    int nDamageEvent = 0;
    int nDamageError = 0;
    if (!XDamageQueryExtension(pDisplay, &nDamageEvent, &nDamageError)) {
        std::fprintf(stderr, "%s: needs an X display with the damage extension\n", argv[0]);
        return 2;
    }
    const Window root = DefaultRootWindow(pDisplay);
    XSelectInput(pDisplay, root, SubstructureNotifyMask);
    XSync(pDisplay, False);

    const double dStart = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::set<Window> setMapped;
    double dShown = -1;
    XEvent event;
    while (dShown < 0 && NextEvent(pDisplay, event, 30000)) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root)
            XDamageCreate(pDisplay, event.xcreatewindow.window, XDamageReportNonEmpty);
        else if (event.type == MapNotify && event.xmap.event == root)
            setMapped.insert(event.xmap.window);
        else if (event.type == nDamageEvent + XDamageNotify
                 && setMapped.count(reinterpret_cast<XDamageNotifyEvent&>(event).drawable) != 0)
            dShown = Now() - dStart;
    }
    kill(pid, SIGKILL);
    int nStatus = 0;
    rusage usage{};
    wait4(pid, &nStatus, 0, &usage);
    XCloseDisplay(pDisplay);
    if (dShown < 0) {
        std::fprintf(stderr, "%s: no window appeared\n", argv[0]);
        return 1;
    }
    std::printf("%.1f %ld\n", dShown, usage.ru_maxrss);
    return 0;
}
