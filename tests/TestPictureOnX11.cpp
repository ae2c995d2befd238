// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QTest>

#include "WindowRig.h"
#include "X11ActivationRetry.h"
#include "X11Pictures.h"

namespace {

// What another client of the X server sees of a window, as a person would.
class ScreenReader
{
public:
    explicit ScreenReader(xcb_window_t window) : m_connection(xcb_connect(nullptr, nullptr)), m_window(window)
    {
    }
    ~ScreenReader() { xcb_disconnect(m_connection); }

    // The pixel's red, green and blue, or ~0u where it cannot be read.
    std::uint32_t colour(const QPoint &point) const
    {
        const auto reply = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window,
                                              static_cast<std::int16_t>(point.x()),
                                              static_cast<std::int16_t>(point.y()), 1, 1, ~0u),
                                nullptr),
            &std::free);
        return reply ? *reinterpret_cast<const std::uint32_t *>(xcb_get_image_data(reply.get())) & 0xffffff
                     : ~0u;
    }

    bool isWhite(const QPoint &point) const { return colour(point) == 0xffffff; }

    // The program's requests reach the server on their own connection; wait a while for them.
    bool becomes(const QPoint &point, bool white) const
    {
        QElapsedTimer timer;
        timer.start();
        while (isWhite(point) != white) {
            if (timer.hasExpired(5000)) {
                return false;
            }
        }
        return true;
    }

    // Paints over an area and has the server ask the window to paint it again.
    void spoilAndExpose(const QRect &area) const
    {
        const xcb_gcontext_t gc = xcb_generate_id(m_connection);
        const std::uint32_t white = 0xffffff;
        xcb_create_gc(m_connection, gc, m_window, XCB_GC_FOREGROUND, &white);
        const xcb_rectangle_t rectangle{
            static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
            static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(area.height())};
        xcb_poly_fill_rectangle(m_connection, m_window, gc, 1, &rectangle);
        xcb_clear_area(m_connection, 1, m_window, rectangle.x, rectangle.y, rectangle.width,
                       rectangle.height);
        xcb_free_gc(m_connection, gc);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_window;
};

// Counts the key events that reach a widget, and those of them that carry the server's time.
class KeyCounter : public QObject
{
public:
    explicit KeyCounter(QObject *target) { target->installEventFilter(this); }

    int presses = 0;
    int releases = 0;
    int stamped = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            (event->type() == QEvent::KeyPress ? presses : releases) += 1;
            stamped += static_cast<QKeyEvent *>(event)->timestamp() != 0 ? 1 : 0;
        }
        return false;
    }
};

// A key as the X server gets it from a keyboard: XTEST, through xdotool.
bool xdotool(const QString &action, const QString &key)
{
    return QProcess::execute(QStringLiteral("xdotool"), {action, key}) == 0;
}

} // namespace

// The picture box on a real X server: what is on screen while the trial pauses, when no event
// loop runs.
class TestPictureOnX11 : public QObject
{
    Q_OBJECT

private slots:
    void eachPictureIsOnScreenBeforeThePause()
    {
        WindowRig rig;
        const ScreenReader screen(static_cast<xcb_window_t>(rig.form1.winId()));
        const QPoint centre = rig.picture()->geometry().center();
        rig.runtime.feedSlots({0, 0, 0});
        QList<bool> blankDuringPause;
        rig.runtime.onPause = [&](int) { blankDuringPause.append(screen.becomes(centre, true)); };

        rig.click("Command1");
        QVERIFY(screen.becomes(centre, false));
        // Two equal arrows in a row, with the blank between them on screen.
        WindowRig::press(Qt::Key_Up);
        QCOMPARE(blankDuringPause.last(), true);
        QVERIFY(screen.becomes(centre, false));

        // A picture file that changes shows its new picture.
        const QString blank = rig.folders.application() + QStringLiteral("/leer.jpg");
        QVERIFY(QFile::remove(blank));
        QVERIFY(QFile::copy(rig.folders.application() + QStringLiteral("/Zandel_oben.jpg"), blank));
        rig.runtime.onPause = [&](int) { blankDuringPause.append(screen.isWhite(centre)); };
        WindowRig::press(Qt::Key_Up);
        QCOMPARE(blankDuringPause.last(), false);

        // The window's own copy holds the picture shown, for when the window is uncovered.
        screen.spoilAndExpose(rig.picture()->geometry());
        QVERIFY(screen.isWhite(centre));
        QTRY_VERIFY(!screen.isWhite(centre));
    }

    void theRealPauseKeepsTheBlankOnScreenAndTheArrowAfterIt()
    {
        WindowRig rig;
        const xcb_window_t window = static_cast<xcb_window_t>(rig.form1.winId());
        const QPoint centre = rig.picture()->geometry().center();
        rig.runtime.feedSlots({0, 1, 2, 3, 0});
        rig.click("Command1");
        // Each pause as the program runs it: the picture box prepares the next pictures, sleeps, is
        // woken near the end. Another client looks at the box all the while.
        int pauses = 0;
        int arrowsSeenInPauses = 0;
        QElapsedTimer shortest;
        qint64 shortestPause = 1'000'000;
        rig.runtime.onPause = [&](int milliseconds) {
            std::atomic<bool> pausing = true;
            std::thread watcher([&] {
                const ScreenReader screen(window);
                // The blank was sent before the pause; the server may take it after this client's
                // first look.
                arrowsSeenInPauses += screen.becomes(centre, true) ? 0 : 1;
                while (pausing) {
                    arrowsSeenInPauses += screen.isWhite(centre) ? 0 : 1;
                }
            });
            shortest.start();
            rig.runtime.SystemRuntime::pause(milliseconds);
            shortestPause = std::min(shortestPause, shortest.elapsed());
            pausing = false;
            watcher.join();
            ++pauses;
        };
        const ScreenReader screen(window);
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            WindowRig::press(key);
            QVERIFY(screen.becomes(centre, false)); // the arrow after the pause
        }
        QCOMPARE(pauses, 4);
        QCOMPARE(arrowsSeenInPauses, 0);
        QVERIFY(shortestPause >= Trial::PauseBetweenArrows);
    }

    // Also run with a screen reader's key listener (tests/key-listener.sh), which makes Qt's
    // accessibility bridge hand the box copies of the key events without their time stamps.
    void aHeldKeyAnswersOneArrow()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        rig.click("Command1");
        int hits = 0;
        rig.runtime.onPause = [&](int) { ++hits; };
        const KeyCounter keys(rig.picture());
        QVERIFY(xdotool(QStringLiteral("keydown"), QStringLiteral("Up")));
        // The press and some of the server's repeats, each of which met another up arrow.
        QTRY_VERIFY_WITH_TIMEOUT(keys.presses >= 6, 20000);
        QVERIFY(xdotool(QStringLiteral("keyup"), QStringLiteral("Up")));
        QTRY_VERIFY(keys.releases >= 1);
        if (qEnvironmentVariableIsSet("ZANDEL_KEY_LISTENER")) {
            QCOMPARE(keys.stamped, 0); // the bridge's copies, so the listener did listen
        }
        // Without stamps, only a repeat that comes with no release of its own is known for one;
        // Qt's repeat mark misses some pairs of release and press.
        QCOMPARE(keys.releases, 1);
        QCOMPARE(hits, 1);
    }

    void moreDistinctPicturesThanSlotsEachShowTheirOwn()
    {
        QFrame box;
        box.setFrameStyle(QFrame::NoFrame);
        box.resize(40, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const std::unique_ptr<X11Pictures> pictures = X11Pictures::create(&box);
        QVERIFY(pictures);
        const ScreenReader screen(static_cast<xcb_window_t>(box.winId()));
        QList<QImage> shades;
        for (std::size_t i = 0; i < X11Pictures::Slots + 3; ++i) {
            QImage shade(40, 40, QImage::Format_RGB32);
            shade.fill(QColor(static_cast<int>(20 * i), 0, 255 - static_cast<int>(20 * i)));
            shades.append(shade);
        }
        // Twice round: the second time every picture has lost its slot to a later one, and must be
        // written again rather than show what the slot holds now.
        for (int round = 0; round < 2; ++round) {
            for (const QImage &shade : std::as_const(shades)) {
                pictures->show(shade);
                const std::uint32_t expected = shade.pixel(20, 20) & 0xffffff;
                QElapsedTimer timer;
                timer.start();
                while (screen.colour(QPoint(20, 20)) != expected && !timer.hasExpired(5000)) {
                }
                QCOMPARE(screen.colour(QPoint(20, 20)), expected);
            }
        }
    }

    // Asking a window manager again for the result window's focus must end as soon as the person
    // turns to something else: a Space on Start would otherwise run the trial behind that window.
    void askingAgainForTheFocusEndsWhenThePersonTurnsAway()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto asksOnAfter = [&](const std::function<void()> &act) {
            const QPointer<X11ActivationRetry> retry = new X11ActivationRetry(&window);
            act();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return !retry.isNull();
        };
        const auto press = [&](int key) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &event);
        };
        QVERIFY(asksOnAfter([&] { press(Qt::Key_Left); }));
        QVERIFY(!asksOnAfter([&] { press(Qt::Key_Space); }));
        QVERIFY(!asksOnAfter([&] {
            QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &click);
        }));
        QVERIFY(!asksOnAfter([&] { window.hide(); }));
    }
};

QTEST_MAIN(TestPictureOnX11)
#include "TestPictureOnX11.moc"
