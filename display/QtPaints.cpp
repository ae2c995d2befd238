// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPaints.h"

#include <QWidget>

void QtPaints::show(const QImage &)
{
    // The widget paints the picture it holds; the border stays as it is.
    m_widget->repaint(m_widget->contentsRect());
}
