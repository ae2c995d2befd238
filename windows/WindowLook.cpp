// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowLook.h"

#include <QDirIterator>
#include <QPushButton>
#include <QWidget>

#include "TitleBar.h"
#include "WindowActivation.h"
#include "WindowFrame.h"
#include "WindowPlacement.h"

namespace WindowLook {

void setUpWindow(QWidget *window, const QString &caption, int widthTwips, int heightTwips,
                 const QColor &background)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setWindowIcon(applicationIcon());
    const QSize size(twips(widthTwips), twips(heightTwips));
    window->setFixedSize(size);
    fillBackground(window, background);
    WindowFrame::fix(window);
    if (WindowFrame::needsOwnTitleBar(window)) {
        new TitleBar(window);
    }
    // Centred as it is first shown, when the frame around it is known.
    new WindowPlacement(window);
}

QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"));
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    return icon;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        Qt::FocusPolicy focus)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(arial(12));
    button->setFocusPolicy(focus);
    button->setAutoDefault(false);
    return button;
}

QFont arial(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void activate(QWidget *window)
{
    WindowActivation::activate(window);
}

void back(QWidget *window, QWidget *mainWindow)
{
    window->hide();
    activate(mainWindow);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace WindowLook
