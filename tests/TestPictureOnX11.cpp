// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "WindowRig.h"

namespace {

// What another client of the X server sees of a window, as a person would.
class ScreenReader
{
public:
    explicit ScreenReader(xcb_window_t window) : m_connection(xcb_connect(nullptr, nullptr)), m_window(window)
    {
    }
    ~ScreenReader() { xcb_disconnect(m_connection); }

    bool isWhite(const QPoint &point) const
    {
        const auto reply = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window,
                                              static_cast<std::int16_t>(point.x()),
                                              static_cast<std::int16_t>(point.y()), 1, 1, ~0u),
                                nullptr),
            &std::free);
        return reply && (*reinterpret_cast<const std::uint32_t *>(xcb_get_image_data(reply.get())) &
                         0xffffff) == 0xffffff;
    }

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
};

QTEST_MAIN(TestPictureOnX11)
#include "TestPictureOnX11.moc"
