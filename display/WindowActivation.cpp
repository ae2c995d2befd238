// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "DisplayConfig.h"
#include "DisplayPlatform.h"

#if ZANDEL_WITH_X11
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
        if (!window->windowHandle()->isExposed()) {
            X11WindowManager::requestWhenMapped(window);
        }
        return;
    }
#endif
    window->activateWindow();
}

} // namespace WindowActivation
