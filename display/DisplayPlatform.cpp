// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

#include <QGuiApplication>

namespace DisplayPlatform {

bool isX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace DisplayPlatform
