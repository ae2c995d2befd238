// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: the same trial as the program's, done by a plain Xlib program with nothing between
// the keys and the screen. A window of the main window's size with a 233 x 233 box where the
// picture box is; a click starts a trial: 1000 ms pause, then ten arrows, each answered by its
// arrow key, with the blank and a 200 ms pause between. Five pictures made once in memory shared
// with the server, each put there and flushed; the pauses sleep, then wait out the last 1.5 ms
// awake, as the program's do; keys are read straight from the connection. With --wake it also
// sends one request 300 us before each pause ends, as the program does, so that the server is
// awake for the next picture. Prints each trial's time beyond its pauses in microseconds.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/keysym.h>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <thread>

#include "MainWindowFigures.h"

namespace {

using Clock = std::chrono::steady_clock;
using MainWindowFigures::pixels;
constexpr int Width = pixels(MainWindowFigures::Width), Height = pixels(MainWindowFigures::Height);
constexpr int BoxX = pixels(MainWindowFigures::PictureLeft), BoxY = pixels(MainWindowFigures::PictureTop);
constexpr int Side = pixels(MainWindowFigures::PictureSide);

void pause(Display *display, bool wake, int milliseconds)
{
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    std::this_thread::sleep_until(end - std::chrono::microseconds(1500));
    if (wake) {
        while (Clock::now() < end - std::chrono::microseconds(300)) {
        }
        XNoOp(display);
        XFlush(display);
    }
    while (Clock::now() < end) {
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const bool wake = argc > 1 && std::strcmp(argv[1], "--wake") == 0;
    Display *display = XOpenDisplay(nullptr);
    if (!display || !XShmQueryExtension(display)) {
        std::fprintf(stderr, "no X display with shared memory\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), (DisplayWidth(display, screen) - Width) / 2,
                            (DisplayHeight(display, screen) - Height) / 2, Width, Height, 0, 0, 0xc0c0ff);
    XStoreName(display, window, "Floor");
    XSelectInput(display, window, KeyPressMask | ButtonPressMask);

    // Picture 0 is the blank; 1 to 4 are up, right, down and left, told apart by their grey.
    XShmSegmentInfo segment{};
    XImage *pictures = XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                                       ZPixmap, nullptr, &segment, Side, Side * 5);
    segment.shmid =
        shmget(IPC_PRIVATE, static_cast<std::size_t>(pictures->bytes_per_line) * Side * 5, IPC_CREAT | 0600);
    segment.shmaddr = pictures->data = static_cast<char *>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    XShmAttach(display, &segment);
    shmctl(segment.shmid, IPC_RMID, nullptr);
    for (int picture = 0; picture < 5; ++picture) {
        const unsigned long grey =
            picture == 0 ? 0xffffff : 0x101010ul * static_cast<unsigned long>(picture * 3);
        for (int y = 0; y < Side; ++y) {
            for (int x = 0; x < Side; ++x) {
                XPutPixel(pictures, x, picture * Side + y, (x / 20 + y / 20) % 2 ? grey : 0xffffff);
            }
        }
    }
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XMapWindow(display, window);
    const auto show = [&](int picture) {
        XShmPutImage(display, window, gc, pictures, 0, picture * Side, BoxX, BoxY, Side, Side, False);
        XFlush(display);
    };
    const KeySym keys[] = {XK_Up, XK_Right, XK_Down, XK_Left};

    std::minstd_rand random(static_cast<unsigned>(Clock::now().time_since_epoch().count()));
    int arrow = -1;
    int hits = 0;
    Clock::time_point start;
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ButtonPress && arrow < 0) {
            pause(display, wake, 1000);
            arrow = static_cast<int>(random() % 4);
            show(arrow + 1);
            start = Clock::now();
        } else if (event.type == KeyPress && arrow >= 0 && XLookupKeysym(&event.xkey, 0) == keys[arrow]) {
            show(0);
            pause(display, wake, 200);
            arrow = static_cast<int>(random() % 4);
            show(arrow + 1);
            if (++hits == 10) {
                const std::chrono::duration<double, std::micro> beyond =
                    Clock::now() - start - std::chrono::seconds(2);
                std::printf("%.0f\n", beyond.count());
                std::fflush(stdout);
                show(0);
                hits = 0;
                arrow = -1;
            }
        }
    }
}
