// Starts a program and prints the milliseconds until the X server maps its window with the given
// title, then ends the program. The X display is watched before the program starts, so no map is
// missed and no polling delay is counted.
//
//   map-wait TITLE PROGRAM [ARGUMENTS...]

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool hasTitle(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name) {
        return false;
    }
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasTitle(display, event.xmap.window, argv[1])) {
            break;
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
