// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches an area of another program's window through the X server's DAMAGE extension, as a
// photodiode on the screen would, and prints the moment (CLOCK_MONOTONIC, microseconds) of each
// damage that lies inside the area, one a line. The server reports a damage once it has drawn the
// new pixels, whoever drew them and by whatever path. Prints "ready" first, once it is watching.
//
//   photodiode WINDOW X Y WIDTH HEIGHT

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s WINDOW X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with DAMAGE\n");
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int left = std::atoi(argv[2]), top = std::atoi(argv[3]);
    const int right = left + std::atoi(argv[4]), bottom = top + std::atoi(argv[5]);
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (event.type != damageEvent + XDamageNotify) {
            continue;
        }
        const auto &damage = *reinterpret_cast<XDamageNotifyEvent *>(&event);
        const XRectangle &area = damage.area;
        if (area.x >= left && area.y >= top && area.x + area.width <= right &&
            area.y + area.height <= bottom) {
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
            std::fflush(stdout);
        }
    }
}
