// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "Form3.h"
#include "TitleBar.h"
#include "WindowRig.h"

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        QWidget mainWindow;
        Form3 form(&mainWindow);
        QCOMPARE(form.objectName(), QStringLiteral("Form3"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Erklärung Zandel-Programm"));
        QCOMPARE(form.size(), QSize(569, 463));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.windowIcon().availableSizes().size(), 4);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 255, 192));

        auto *back = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(back);
        QCOMPARE(back->text(), QStringLiteral("Zurück"));
        QCOMPARE(back->geometry(), QRect(176, 392, 169, 41));
        QCOMPARE(back->font().pointSizeF(), 12.0);

        auto *rules = form.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(rules);
        QCOMPARE(rules->geometry(), QRect(48, 96, 481, 257));
        QCOMPARE(rules->text(), Form3::rulesText());
        QVERIFY(rules->wordWrap());
        QCOMPARE(rules->font().family(), QStringLiteral("Arial"));
        QCOMPARE(rules->font().pointSizeF(), 12.0);
        QCOMPARE(rules->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(rules->autoFillBackground());

        auto *heading = form.findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Erklärung"));
        QCOMPARE(QAccessible::queryAccessibleInterface(heading)->text(QAccessible::Name), heading->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(back)->text(QAccessible::Name),
                 QStringLiteral("Zurück"));
        QCOMPARE(heading->geometry(), QRect(216, 32, 97, 33));
        QCOMPARE(heading->font().pointSizeF(), 15.75);
        QCOMPARE(heading->font().weight(), QFont::Normal);
        QVERIFY(!heading->wordWrap());
    }

    void rulesText()
    {
        const QString text = Form3::rulesText();
        QCOMPARE(text.size(), 1132);
        QCOMPARE(text.front(), QLatin1Char('Z'));
        QCOMPARE(text.back(), QLatin1Char('.'));
        QCOMPARE(text.count(QLatin1Char(' ')) - 81, 517); // the pieces themselves hold 81 spaces
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(text.startsWith(
            QStringLiteral("Ziel des Spieles ist es, mit Hilfe der Zandeltasten auf dem "
                           "Nummern- Block die Richtung der auftauchenden Zandele anzugeben.") +
            QString(22, QLatin1Char(' ')) + QStringLiteral("Starten Sie das Spiel durch Drücken")));
        QVERIFY(text.contains(QStringLiteral("Zandel zeigt nach oben:     Taste 8  =  Zandel oben") +
                              QString(42, QLatin1Char(' ')) +
                              QStringLiteral("Zandel zeigt nach rechts:   Taste 6")));
        QVERIFY(text.contains(QStringLiteral("Zandel zeigt nach unten:     Taste 2  = Zandel unten") +
                              QString(157, QLatin1Char(' ')) + QStringLiteral("Bei Fehlversuchen wartet")));
        QVERIFY(
            text.endsWith(QStringLiteral("Nach 10 direkt aufeinanderfolgenden Zandelen endet der Versuch.")));
        QVERIFY(text.toUtf8().contains("m\xC3\xB6glich"));
    }

    void oneWindowShownAndHidden()
    {
        WindowRig rig;
        QVERIFY(!rig.form1.explanationWindow());
        rig.click("Command3");
        Form3 *explanation = rig.form1.explanationWindow();
        QVERIFY(explanation);
        QVERIFY(explanation->isVisible());
        QVERIFY(!explanation->parentWidget());
        QVERIFY(rig.form1.isVisible());
        rig.click("Command3");
        QCOMPARE(rig.form1.explanationWindow(), explanation);
    }

    void backLeadsToTheMainWindowAndTheTrialGoesOn()
    {
        WindowRig rig;
        rig.runtime.feedSlots({3});
        rig.click("Command1");
        rig.click("Command3");
        Form3 *explanation = rig.form1.explanationWindow();
        QVERIFY(QTest::qWaitForWindowActive(explanation));
        QCOMPARE(QApplication::focusWidget(),
                 explanation->findChild<QPushButton *>(QStringLiteral("Command1")));
        QVERIFY(rig.form1.trial().isRunning());

        QTest::mouseClick(explanation->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(!explanation->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&rig.form1));
        QCOMPARE(QApplication::focusWidget(), rig.button("Command3"));
        // One Tab brings the focus back to the picture box, and the arrows answer again.
        WindowRig::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), rig.picture());
        rig.runtime.feedSlots({0});
        rig.log.take();
        WindowRig::press(Qt::Key_Left);
        QVERIFY(rig.log.entries.contains(QStringLiteral("pause 200")));
    }

    void closeBoxHides()
    {
        WindowRig rig;
        rig.click("Command3");
        Form3 *explanation = rig.form1.explanationWindow();
        explanation->close();
        QVERIFY(!explanation->isVisible());
        QVERIFY(!rig.form1.isEnding());
    }

    // Where the window system draws no frame, the program's own bar stands above the designed
    // client area, once, however often the window is shown, and its close box hides the window.
    void ownTitleBarKeepsTheClientArea()
    {
        QWidget mainWindow;
        Form3 form(&mainWindow);
        new TitleBar(&form);
        auto *back = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        for (int shown = 0; shown < 2; ++shown) {
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.size(), QSize(569, 463 + 30));
            QCOMPARE(back->geometry(), QRect(176, 392 + 30, 169, 41));
            auto *close = form.findChild<QToolButton *>();
            QVERIFY(close && close->isVisible());
            QTest::mouseClick(close, Qt::LeftButton);
            QVERIFY(!form.isVisible());
        }
    }
};

QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
