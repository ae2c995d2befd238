// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "BusyWait.h"
#include "ClickGate.h"
#include "Form2.h"
#include "Form3.h"
#include "PauseWork.h"
#include "VirtualKey.h"
#include "WindowRig.h"

namespace {

// Input as the display server delivers it, stamped with the server's time in milliseconds.
QKeyEvent *stampedKey(QEvent::Type type, Qt::Key key, ulong stamp)
{
    auto *event = new QKeyEvent(type, key, Qt::NoModifier, 111, 0, 0);
    event->setTimestamp(stamp);
    return event;
}

QMouseEvent *stampedClick(QEvent::Type type, QWidget *on, ulong stamp)
{
    const QPointF centre = QRectF(on->rect()).center();
    auto *event =
        new QMouseEvent(type, centre, on->mapToGlobal(centre), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    event->setTimestamp(stamp);
    return event;
}

// Counts the events of one type that reach the object it filters.
class EventCounter : public QObject
{
public:
    EventCounter(QEvent::Type type, int &count) : m_type(type), m_count(count) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_count += event->type() == m_type ? 1 : 0;
        return false;
    }

private:
    QEvent::Type m_type;
    int &m_count;
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        WindowRig rig;
        QWidget &form = rig.form1;
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Zandel-Programm"));
        QCOMPARE(form.size(), QSize(1027, 735));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(48, 48)));

        QCOMPARE(rig.picture()->geometry(), QRect(304, 184, 233, 233));
        QCOMPARE(rig.picture()->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(rig.picture()->frameShadow(), QFrame::Sunken);
        // The blank picture of the load step is shown, at its own size.
        QCOMPARE(rig.picture()->image().size(), QSize(225, 225));

        const struct
        {
            const char *name;
            QString text;
            QRect geometry;
        } buttons[] = {
            {"Command1", QStringLiteral("Start"), QRect(584, 184, 161, 41)},
            {"Command2", QStringLiteral("Programm beenden"), QRect(584, 280, 161, 41)},
            {"Command3", QStringLiteral("Erklärung"), QRect(584, 376, 161, 41)},
        };
        for (const auto &expected : buttons) {
            QPushButton *button = rig.button(expected.name);
            QVERIFY2(button, expected.name);
            QCOMPARE(button->text(), expected.text);
            // What accessibility tools read is the visible text.
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), expected.text);
            QCOMPARE(button->geometry(), expected.geometry);
            QCOMPARE(button->font().family(), QStringLiteral("Arial"));
            QCOMPARE(button->font().pointSizeF(), 12.0);
            QCOMPARE(button->font().weight(), QFont::Normal);
            QVERIFY(!button->isDefault());
            QVERIFY(button->isEnabled());
        }

        auto *footer = form.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(footer);
        QCOMPARE(footer->geometry(), QRect(312, 440, 233, 17));
        QCOMPARE(footer->focusPolicy(), Qt::NoFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(footer)->text(QAccessible::Name), footer->text());
        QVERIFY(footer->autoFillBackground());
        QVERIFY(footer->fontMetrics().horizontalAdvance(footer->text()) <= footer->width());
        QVERIFY(footer->fontMetrics().height() <= footer->height());
    }

    void arialResolvesToAMetricCompatibleFace()
    {
        const QFontInfo info(QFont(QStringLiteral("Arial"), 12));
        QVERIFY2(info.family() == QStringLiteral("Arial") ||
                     info.family() == QStringLiteral("Liberation Sans"),
                 qPrintable(info.family()));
    }

    void focusStartsOnThePictureBox()
    {
        WindowRig rig;
        QCOMPARE(QApplication::focusWidget(), rig.picture());
        // Idle: Tab goes to Start and back, skipping the buttons that are no tab stops.
        WindowRig::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.button("Command1"));
        WindowRig::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.picture());
    }

    void startPassesTheFocusToThePictureBox()
    {
        WindowRig rig;
        rig.runtime.feedSlots({2});
        rig.click("Command1");
        QVERIFY(!rig.button("Command1")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), rig.picture());
        // While Start is disabled, Tab keeps the focus on the picture box.
        WindowRig::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.picture());
        // Right after Start the arrow keys answer without a click on the picture box.
        rig.runtime.feedSlots({0});
        rig.log.take();
        WindowRig::press(Qt::Key_Down);
        QVERIFY(rig.log.entries.contains(QStringLiteral("pause 200")));
    }

    void warmingInAPauseIsNoKey()
    {
        WindowRig rig;
        rig.runtime.feedSlots({2});
        rig.click("Command1");
        // The warm-up takes the way a key takes to the picture box, and ends there.
        int arrived = 0;
        EventCounter counter(QEvent::KeyPress, arrived);
        rig.picture()->installEventFilter(&counter);
        QSignalSpy keys(rig.picture(), &PictureBox::keyDown);
        PauseWork(rig.button("Command1"), rig.picture()).warm();
        QCOMPARE(arrived, 1);
        QCOMPARE(keys.size(), 0);
        // The keys after it answer as before.
        rig.runtime.feedSlots({0});
        WindowRig::press(Qt::Key_Down);
        QCOMPARE(keys.size(), 1);
        QVERIFY(rig.log.entries.contains(QStringLiteral("pause 200")));
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::NoModifier) << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << int(Qt::NoModifier) << 40;
        QTest::newRow("left") << int(Qt::Key_Left) << int(Qt::NoModifier) << 37;
        QTest::newRow("keypad 8 as arrow") << int(Qt::Key_Up) << int(Qt::KeypadModifier) << 38;
        QTest::newRow("keypad 8 in number mode") << int(Qt::Key_8) << int(Qt::KeypadModifier) << 104;
        QTest::newRow("keypad 6 in number mode") << int(Qt::Key_6) << int(Qt::KeypadModifier) << 102;
        QTest::newRow("keypad 4 in number mode") << int(Qt::Key_4) << int(Qt::KeypadModifier) << 100;
        QTest::newRow("keypad 2 in number mode") << int(Qt::Key_2) << int(Qt::KeypadModifier) << 98;
        QTest::newRow("main-row 8 is no keypad key") << int(Qt::Key_8) << int(Qt::NoModifier) << 0;
        QTest::newRow("shifted up") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << 38;
        QTest::newRow("letter is no arrow") << int(Qt::Key_B) << int(Qt::NoModifier) << 0;
        QTest::newRow("percent is not left") << int(Qt::Key_Percent) << int(Qt::NoModifier) << 0;
        QTest::newRow("ampersand is not up") << int(Qt::Key_Ampersand) << int(Qt::NoModifier) << 0;
        QTest::newRow("parenthesis is not down") << int(Qt::Key_ParenLeft) << int(Qt::NoModifier) << 0;
    }
    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QCOMPARE(VirtualKey::fromQt(key, Qt::KeyboardModifiers(modifiers)), code);

        PictureBox box;
        QSignalSpy spy(&box, &PictureBox::keyDown);
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A modifier is pressed, and handed on, before the key itself.
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).value<std::int16_t>(), code);
    }

    void heldKeysDoNotRepeat()
    {
        PictureBox box;
        QSignalSpy spy(&box, &PictureBox::keyDown);
        QKeyEvent first(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), false);
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&box, &first);
        QApplication::sendEvent(&box, &repeated);
        QApplication::sendEvent(&box, &repeated);
        QCOMPARE(spy.size(), 1);
    }

    void heldKeyCountsOnceAcrossEqualArrows()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0, 0, 0});
        rig.click("Command1");
        // The X server repeats a held key as a release and a press with one time stamp. While the
        // trial pauses they queue up, and Qt cannot pair them: its repeat flag stays unset.
        int pauses = 0;
        rig.runtime.onPause = [&](int) {
            if (++pauses == 1) {
                QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyRelease, Qt::Key_Up, 1530));
                QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, 1530));
                QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyRelease, Qt::Key_Up, 1563));
                QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, 1563));
            }
        };
        QScopedPointer<QKeyEvent> held(stampedKey(QEvent::KeyPress, Qt::Key_Up, 1000));
        QApplication::sendEvent(rig.picture(), held.get());
        QCoreApplication::processEvents();
        QCOMPARE(pauses, 1);

        // Let go and pressed again: a new answer.
        QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyRelease, Qt::Key_Up, 1700));
        QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, 1800));
        QCoreApplication::processEvents();
        QCOMPARE(pauses, 2);
    }

    void clickOnTheGreyedStartDoesNothing()
    {
        WindowRig rig;
        // The display server's clock runs 5000 ms ahead of ours; each event arrives at once.
        rig.form1.startClicks().setClock([&] { return static_cast<qint64>(rig.runtime.now); });
        const auto serverNow = [&] { return static_cast<ulong>(rig.runtime.now + 5000); };
        QPushButton *start = rig.button("Command1");
        QCoreApplication::postEvent(start, stampedClick(QEvent::MouseButtonPress, start, serverNow()));
        QCoreApplication::postEvent(start, stampedClick(QEvent::MouseButtonRelease, start, serverNow()));
        rig.runtime.feedSlots({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QCoreApplication::processEvents();
        QVERIFY(rig.form1.trial().isRunning());

        // Start is clicked 50 ms after the tenth key, while the last pause holds the thread.
        int pauses = 0;
        rig.runtime.onPause = [&](int) {
            if (++pauses == Trial::HitsPerTrial) {
                QCoreApplication::postEvent(start,
                                            stampedClick(QEvent::MouseButtonPress, start, serverNow() + 50));
                QCoreApplication::postEvent(
                    start, stampedClick(QEvent::MouseButtonRelease, start, serverNow() + 51));
            }
        };
        for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
            QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, serverNow()));
            QCoreApplication::postEvent(rig.picture(),
                                        stampedKey(QEvent::KeyRelease, Qt::Key_Up, serverNow() + 1));
            QCoreApplication::processEvents();
        }
        rig.log.take();
        QCoreApplication::processEvents();
        QVERIFY(!rig.form1.trial().isRunning());
        QVERIFY(rig.log.entries.isEmpty());
        QCOMPARE(rig.form1.resultWindow()->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 4);

        // A click once Start could be clicked starts the next trial.
        rig.runtime.now += 10;
        QCoreApplication::postEvent(start, stampedClick(QEvent::MouseButtonPress, start, serverNow()));
        QCoreApplication::postEvent(start, stampedClick(QEvent::MouseButtonRelease, start, serverNow()));
        QCoreApplication::processEvents();
        QVERIFY(rig.log.entries.contains(QStringLiteral("pause 1000")));
    }

    void clickOnStartWeeksAfterTheTrial()
    {
        // The stamps are 32-bit milliseconds, which wrap after 49.7 days and seem to run backwards
        // after half of that; a program left open at its result must still take the click.
        QPushButton start;
        start.resize(100, 40);
        qint64 now = 0;
        ClickGate gate(&start, [&] { return now; });
        QSignalSpy clicked(&start, &QPushButton::clicked);
        gate.buttonDisabled();
        QScopedPointer<QKeyEvent> key(stampedKey(QEvent::KeyPress, Qt::Key_Up, 5000));
        QCoreApplication::sendEvent(&start, key.get());
        gate.buttonEnabled();

        now += 30LL * 24 * 60 * 60 * 1000;
        const auto serverNow = static_cast<ulong>(static_cast<quint32>(now + 5000));
        QScopedPointer<QMouseEvent> press(stampedClick(QEvent::MouseButtonPress, &start, serverNow));
        QScopedPointer<QMouseEvent> release(stampedClick(QEvent::MouseButtonRelease, &start, serverNow));
        QCoreApplication::sendEvent(&start, press.get());
        QCoreApplication::sendEvent(&start, release.get());
        QCOMPARE(clicked.count(), 1);
    }

    void keysWhileAScoreWaitsCountForNothing()
    {
        WindowRig rig;
        BusyWait wait;
        rig.runtime.feedSlots({0, 0, 0});
        rig.click("Command1");
        QVERIFY(rig.form1.trial().isRunning());
        // The up arrow is shown; waiting for a lock, its key is nothing.
        rig.log.take();
        QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, 100));
        wait.waiting(std::chrono::milliseconds(0));
        QVERIFY(!rig.log.entries.contains(QStringLiteral("pause 200")));
        QVERIFY(!QApplication::overrideCursor());
        wait.waiting(BusyWait::CursorAfter);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        wait.doneWaiting();
        QVERIFY(!QApplication::overrideCursor());

        QCoreApplication::postEvent(rig.picture(), stampedKey(QEvent::KeyPress, Qt::Key_Up, 200));
        QCoreApplication::processEvents();
        QVERIFY(rig.log.entries.contains(QStringLiteral("pause 200")));
    }

    void wholeTrialThroughTheKeyboard()
    {
        WindowRig rig;
        QVERIFY(!rig.form1.resultWindow());
        rig.playTrial();
        Form2 *result = rig.form1.resultWindow();
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(rig.form1.isVisible());
        QVERIFY(rig.form1.isEnabled());
        QVERIFY(rig.button("Command1")->isEnabled());
        auto *list = result->findChild<QListWidget *>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) {
            lines.append(list->item(row)->text());
        }
        QCOMPARE(lines,
                 QStringList({QStringLiteral(" "), QStringLiteral(" Erreichte Punktzahl:  400"),
                              QStringLiteral(" "), QStringLiteral(" Benötigte Zeit:       2 Sekunden")}));
        QVERIFY(TrialFolders::readAll(rig.folders.scoreFile()).endsWith("\r\n 400\r\n"));
        QVERIFY(rig.errors.isEmpty());
        // The eleventh arrow was replaced by the blank picture.
        QCOMPARE(rig.log.entries.last(),
                 QStringLiteral("image ") + rig.folders.application() + QStringLiteral("/leer.jpg"));
        QCOMPARE(rig.picture()->image().pixelColor(112, 112), QColor(Qt::white));
    }

    void blankPictureIsPaintedBeforeThePause()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0, 0});
        rig.click("Command1");
        rig.picture()->installEventFilter(this);
        m_paints = 0;
        QImage shownAtPause;
        int paintsAtPause = -1;
        rig.runtime.onPause = [&](int) {
            shownAtPause = rig.picture()->image();
            paintsAtPause = m_paints;
        };
        // Two equal arrows in a row still have the blank picture painted between them.
        WindowRig::press(Qt::Key_Up);
        rig.picture()->removeEventFilter(this);
        QCOMPARE(paintsAtPause, 1);
        QCOMPARE(shownAtPause.pixelColor(112, 112), QColor(Qt::white));
        QVERIFY(rig.picture()->image().pixelColor(112, 112) != QColor(Qt::white));
    }

    void keysOnAButtonDoNothing()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0});
        rig.click("Command1");
        rig.button("Command1")->setFocus(); // disabled: cannot take it
        rig.button("Command3")->setFocus();
        QCOMPARE(QApplication::focusWidget(), rig.button("Command3"));
        rig.log.take();
        QTest::keyClick(rig.button("Command3"), Qt::Key_Up);
        QVERIFY(!rig.log.entries.contains(QStringLiteral("pause 200")));
        QVERIFY(rig.form1.trial().isRunning());
    }

    void quitEndsAndLaterKeysDoNothing()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0});
        rig.click("Command1");
        const QByteArray before = TrialFolders::readAll(rig.folders.scoreFile());
        rig.click("Command2");
        QVERIFY(rig.form1.isEnding());
        rig.log.take();
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(rig.picture(), Qt::Key_Up);
        }
        QVERIFY(rig.log.entries.isEmpty());
        QCOMPARE(TrialFolders::readAll(rig.folders.scoreFile()), before);
    }

    void closeBoxEndsLikeQuit()
    {
        WindowRig rig;
        rig.form1.close();
        QVERIFY(rig.form1.isEnding());
    }

    void errorInAHandlerIsReportedAndEnds()
    {
        WindowRig rig;
        QVERIFY(QFile::remove(rig.folders.application() + QStringLiteral("/Zandel_oben.jpg")));
        rig.runtime.feedSlots({0});
        rig.click("Command1");
        QCOMPARE(rig.errors.size(), 1);
        QCOMPARE(rig.errors.first().kind(), PlatformError::Kind::FileNotFound);
        QCOMPARE(rig.errors.first().detail(), rig.folders.application() + QStringLiteral("/Zandel_oben.jpg"));
        QVERIFY(rig.form1.isEnding());
        rig.log.take();
        rig.click("Command1");
        QVERIFY(rig.log.entries.isEmpty());
        QCOMPARE(rig.errors.size(), 1);
    }

    void memoryRunningOutIsReportedInGerman()
    {
        WindowRig rig;
        rig.runtime.onPause = [](int) { throw std::bad_alloc(); };
        rig.click("Command1");
        QCOMPARE(rig.errors.size(), 1);
        QCOMPARE(rig.errors.first().message(), QStringLiteral("Nicht genügend Arbeitsspeicher"));
        QVERIFY(rig.form1.isEnding());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++m_paints;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_paints = 0;
};

QTEST_MAIN(TestForm1)
#include "TestForm1.moc"
