// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFrame.h"

#include <QWidget>

#include "DisplayConfig.h"

#if ZANDEL_X11_PICTURES_ENABLED
#include "X11WindowManager.h"
#endif

namespace WindowFrame {

void fix(QWidget *window)
{
#if ZANDEL_X11_PICTURES_ENABLED
    X11WindowManager::fixFrame(window);
#else
    Q_UNUSED(window)
#endif
}

} // namespace WindowFrame
