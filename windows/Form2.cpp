// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form2.h"

#include <QListWidget>
#include <QPushButton>

#include "WindowLook.h"

using WindowLook::twipsRect;

Form2::Form2(QWidget *mainWindow)
    : m_mainWindow(mainWindow), m_command1(WindowLook::makeButton(this, "Command1", QStringLiteral("Zurück"),
                                                                  twipsRect(2520, 3720, 2055, 495))),
      m_list1(new QListWidget(this))
{
    setObjectName(QStringLiteral("Form2"));
    WindowLook::setUpWindow(this, QStringLiteral("Ergebnis Zandel"), 7125, 5520, QColor(255, 224, 192));

    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsRect(1080, 1080, 5055, 1680));
    m_list1->setFont(WindowLook::arial(12));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = m_list1->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0, 0, 64));
    m_list1->setPalette(palette);

    setTabOrder(m_command1, m_list1);
    m_command1->setFocus();

    connect(m_command1, &QPushButton::clicked, this, [this] { WindowLook::back(this, m_mainWindow); });
}

void Form2::clearList()
{
    m_list1->clear();
}

void Form2::addLine(const QString &text)
{
    m_list1->addItem(text);
}
