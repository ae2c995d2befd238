// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

#include "DisplayConfig.h"
#include "DisplayPlatform.h"

#if ZANDEL_WITH_X11
#include "X11ActivationRetry.h"
#include "X11WindowManager.h"
#endif

namespace WindowActivation {

void activate(QWidget *window)
{
    if (window->isVisible() && !window->isActiveWindow() && DisplayPlatform::isWayland()) {
        window->hide();
    }
    window->show();
    window->raise();
#if ZANDEL_WITH_X11
    if (X11WindowManager::request(window)) {
        new X11ActivationRetry(window);
        return;
    }
#endif
    window->activateWindow();
}

} // namespace WindowActivation
