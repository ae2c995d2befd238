// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and prints the milliseconds until the X server maps its window with the given
// title, then ends the program. The X display is watched before the program starts, so no map is
// missed and no polling delay is counted. Exits with status 1 when the program ends first or no
// such window maps within 30 s.
//
//   map-wait TITLE PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

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
    const auto deadline = started + std::chrono::seconds(30);
    bool mapped = false;
    while (!mapped) {
        while (!mapped && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            mapped = event.type == MapNotify && hasTitle(display, event.xmap.window, argv[1]);
        }
        if (mapped) {
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "no window titled %s was mapped\n", argv[1]);
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
            return 1;
        }
        // Wakes for the display, or at least every 50 ms to see whether the program has ended.
        pollfd watched{ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
