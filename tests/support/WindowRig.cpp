// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowRig.h"

#include <QApplication>
#include <QTest>

WindowRig::WindowRig()
{
    form1.show();
    activateMainWindow();
}

void WindowRig::activateMainWindow()
{
    form1.activateWindow();
    if (!QTest::qWaitForWindowActive(&form1)) {
        qFatal("the main window did not become active");
    }
}

PictureBox *WindowRig::picture() const
{
    return form1.findChild<PictureBox *>(QStringLiteral("Picture1"));
}

void WindowRig::click(const char *name) const
{
    QTest::mouseClick(button(name), Qt::LeftButton);
}

void WindowRig::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void WindowRig::playTrial()
{
    const int arrows[] = {1, 3, 0, 2, 2, 1, 0, 3, 3, 1, 0};
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left};
    for (int slot : arrows) {
        runtime.feedSlots({slot});
    }
    // The person comes back to the main window, as after reading a result.
    activateMainWindow();
    click("Command1");
    for (int hit = 0; hit < Trial::HitsPerTrial; ++hit) {
        press(keys[arrows[hit]]);
    }
}
