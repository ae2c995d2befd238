// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "DisplayConfig.h"

#if ZANDEL_X11_PICTURES_ENABLED
#include "X11WindowManager.h"
#endif

namespace WindowActivation {

void activate(QWidget *window)
{
    if (window->isVisible() && !window->isActiveWindow() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        window->hide();
    }
    window->show();
    window->raise();
#if ZANDEL_X11_PICTURES_ENABLED
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
