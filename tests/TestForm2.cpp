// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "Form2.h"
#include "TitleBar.h"
#include "WindowRig.h"

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        QWidget mainWindow;
        Form2 form(&mainWindow);
        QCOMPARE(form.objectName(), QStringLiteral("Form2"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ergebnis Zandel"));
        QCOMPARE(form.size(), QSize(475, 368));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.windowIcon().availableSizes().size(), 4);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 224, 192));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!form.parentWidget());

        auto *back = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(back);
        QCOMPARE(back->text(), QStringLiteral("Zurück"));
        QCOMPARE(back->geometry(), QRect(168, 248, 137, 33));
        QCOMPARE(back->font().family(), QStringLiteral("Arial"));
        QCOMPARE(back->font().pointSizeF(), 12.0);

        auto *list = form.findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(list);
        QCOMPARE(list->geometry(), QRect(72, 72, 337, 112));
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 64));
        QCOMPARE(list->font().pointSizeF(), 12.0);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!list->isSortingEnabled());
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    }

    void staysAtItsSizeWhenMadeFullScreenOrMaximised()
    {
        QWidget mainWindow;
        Form2 form(&mainWindow);
        form.show();
        for (const Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
            form.setWindowState(state);
            QCOMPARE(form.windowState(), Qt::WindowNoState);
            QCOMPARE(form.size(), QSize(475, 368));
        }
    }

    void linesStayInOrder()
    {
        QWidget mainWindow;
        Form2 form(&mainWindow);
        auto *list = form.findChild<QListWidget *>(QStringLiteral("List1"));
        const QStringList lines{QStringLiteral("b"), QStringLiteral(" "), QStringLiteral("a")};
        for (const QString &line : lines) {
            form.addLine(line);
        }
        QCOMPARE(list->count(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(list->item(row)->text(), lines.at(row));
        }
        form.clearList();
        QCOMPARE(list->count(), 0);
    }

    void madeHiddenByStartAndShownByTheFinish()
    {
        WindowRig rig;
        rig.runtime.feedSlots({0});
        rig.click("Command1");
        Form2 *result = rig.form1.resultWindow();
        QVERIFY(result);
        QVERIFY(!result->isVisible());
    }

    void backHidesAndRestoresTheMainWindowsFocus()
    {
        WindowRig rig;
        rig.playTrial();
        Form2 *result = rig.form1.resultWindow();
        QVERIFY(QTest::qWaitForWindowActive(result));
        QCOMPARE(QApplication::focusWidget(), result->findChild<QPushButton *>(QStringLiteral("Command1")));
        QTest::mouseClick(result->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(!result->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&rig.form1));
        QCOMPARE(QApplication::focusWidget(), rig.picture());
        // The lines stay until the next Start.
        QCOMPARE(result->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 4);
    }

    void oneWindowForEveryTrial()
    {
        WindowRig rig;
        rig.playTrial();
        Form2 *first = rig.form1.resultWindow();
        rig.playTrial();
        QCOMPARE(rig.form1.resultWindow(), first);
        QCOMPARE(first->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 4);
    }

    void startEmptiesAnOpenResult()
    {
        WindowRig rig;
        rig.playTrial();
        Form2 *result = rig.form1.resultWindow();
        rig.runtime.feedSlots({0});
        rig.click("Command1");
        QVERIFY(result->isVisible());
        QCOMPARE(result->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 0);
    }

    void closeBoxHides()
    {
        WindowRig rig;
        rig.playTrial();
        Form2 *result = rig.form1.resultWindow();
        result->close();
        QVERIFY(!result->isVisible());
        QCOMPARE(rig.form1.resultWindow(), result);
        QVERIFY(!rig.form1.isEnding());
    }

    void ownTitleBarCaptionIsNotMonospaced()
    {
        // The result and rules windows carry it on Wayland; left to fontconfig, where only the
        // project's fonts are installed, their caption came out in a monospaced face.
        QWidget result;
        const TitleBar bar(&result);
        QVERIFY2(!QFontInfo(bar.font()).fixedPitch(), qPrintable(QFontInfo(bar.font()).family()));
    }
};

QTEST_MAIN(TestForm2)
#include "TestForm2.moc"
