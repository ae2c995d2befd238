// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

#include "MainWindowFigures.h"

class QPushButton;
class QWidget;

// The look the three windows share. Their layouts are designed in twips: 1/1440 inch, so 15 twips
// make one pixel at 96 dots per inch (Qt scales pixels for other densities).
namespace WindowLook {

constexpr int twips(int length)
{
    return MainWindowFigures::pixels(length);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Caption, fixed client size, background colour, a border that cannot be resized with no minimise
// or maximise button, and a place in the centre of the screen.
void setUpWindow(QWidget *window, const QString &caption, int widthTwips, int heightTwips,
                 const QColor &background);

// An arrow, the same as the desktop entry's icon.
QIcon applicationIcon();

// A push button in Arial 12 pt that is never the window's default button.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        Qt::FocusPolicy focus = Qt::StrongFocus);

// Arial, regular, at the given point size.
QFont arial(qreal points);

// Shows a top-level window without modality and makes it the active window.
void activate(QWidget *window);

// Back: hides window and makes mainWindow the active window again, its focus where it was.
void back(QWidget *window, QWidget *mainWindow);

// Paints the widget's whole area in colour, as an opaque control does.
void fillBackground(QWidget *widget, const QColor &colour);

} // namespace WindowLook
