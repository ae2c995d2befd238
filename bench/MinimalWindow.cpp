// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for start-up time and memory: the smallest Qt Widgets program that shows a window.

#include <QApplication>
#include <QWidget>

#include "MainWindowFigures.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(MainWindowFigures::pixels(MainWindowFigures::Width),
                  MainWindowFigures::pixels(MainWindowFigures::Height));
    window.show();
    return QApplication::exec();
}
