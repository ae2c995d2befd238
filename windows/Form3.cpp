// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form3.h"

#include <QLabel>
#include <QPushButton>

#include "WindowLook.h"

using WindowLook::twipsRect;

namespace {

const QColor Background(255, 255, 192);

struct Piece
{
    const char *text;
    int spacesAfter;
};

// UTF-8 pieces of the rules text, each followed by its run of spaces.
constexpr Piece RulesPieces[] = {
    {"Ziel des Spieles ist es, mit Hilfe der Zandeltasten auf dem Nummern- Block die Richtung der "
     "auftauchenden Zandele anzugeben.",
     22},
    {"Starten Sie das Spiel durch Drücken des Start-Buttons.", 17},
    {"Nach Erscheinen eines Zandels drücken Sie so schnell wie möglich auf die entsprechende Taste auf dem "
     "Nummernblock:",
     162},
    {"Zandel zeigt nach oben:", 5},
    {"Taste 8", 2},
    {"=", 2},
    {"Zandel oben", 42},
    {"Zandel zeigt nach rechts:", 3},
    {"Taste 6", 2},
    {"=", 2},
    {"Zandel rechts", 41},
    {"Zandel zeigt nach links:", 6},
    {"Taste 4", 2},
    {"=", 2},
    {"Zandel links", 43},
    {"Zandel zeigt nach unten:", 5},
    {"Taste 2", 2},
    {"= Zandel unten", 157},
    {"Bei Fehlversuchen wartet das Programm, bis Sie die richtige Taste getroffen haben. Nach 10 direkt "
     "aufeinanderfolgenden Zandelen endet der Versuch.",
     0},
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WindowLook::fillBackground(label, Background);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

Form3::Form3(QWidget *mainWindow)
    : m_mainWindow(mainWindow), m_command1(WindowLook::makeButton(this, "Command1", QStringLiteral("Zurück"),
                                                                  twipsRect(2640, 5880, 2535, 615))),
      m_label1(
          makeLabel(this, "Label1", rulesText(), twipsRect(720, 1440, 7215, 3855), WindowLook::arial(12))),
      m_label2(makeLabel(this, "Label2", QStringLiteral("Erklärung"), twipsRect(3240, 480, 1455, 495),
                         WindowLook::arial(15.75)))
{
    setObjectName(QStringLiteral("Form3"));
    WindowLook::setUpWindow(this, QStringLiteral("Erklärung Zandel-Programm"), 8535, 6945, Background);

    m_command1->setFocus();

    m_label1->setWordWrap(true);

    connect(m_command1, &QPushButton::clicked, this, [this] { WindowLook::back(this, m_mainWindow); });
}

QString Form3::rulesText()
{
    QString text;
    for (const Piece &piece : RulesPieces) {
        text += QString::fromUtf8(piece.text) + QString(piece.spacesAfter, QLatin1Char(' '));
    }
    return text;
}
