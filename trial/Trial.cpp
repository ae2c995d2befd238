// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Trial.h"

#include <cmath>

#include "NumberText.h"
#include "PlatformError.h"
#include "Runtime.h"
#include "TrialDisplay.h"

namespace {

// The slot of the arrow table that a key answers, or -1 for a key that answers none.
int slotForKey(std::int16_t keyCode)
{
    switch (keyCode) {
    case Trial::KeyDown:
    case Trial::KeyPad2:
        return 2;
    case Trial::KeyLeft:
    case Trial::KeyPad4:
        return 3;
    case Trial::KeyRight:
    case Trial::KeyPad6:
        return 1;
    case Trial::KeyUp:
    case Trial::KeyPad8:
        return 0;
    default:
        return -1;
    }
}

} // namespace

Trial::Trial(Runtime &runtime, TrialDisplay &display) : m_runtime(runtime), m_display(display) {}

void Trial::load()
{
    m_runtime.seedRandom();
    treffer = 0;
    showBlank(QStringLiteral(R"(\leer.jpg)"));
    checkScoreFile();
    const QString folder = m_runtime.applicationFolder();
    bilder[0] = folder + QStringLiteral("/Zandel_oben.jpg");
    bilder[1] = folder + QStringLiteral("/Zandel_rechts.jpg");
    bilder[2] = folder + QStringLiteral("/Zandel_unten.jpg");
    bilder[3] = folder + QStringLiteral("/Zandel_links.jpg");
    // Every pause comes before an arrow's load.
    m_runtime.expectImages({bilder[0], bilder[1], bilder[2], bilder[3]});
}

void Trial::start()
{
    m_runtime.setTrialPriority(true);
    m_display.clearResultList();
    m_runtime.pause(PauseBeforeFirstArrow);
    drawArrow();
    showArrow();
    m_display.setStartEnabled(false);
    m_running = true;
    startzeit = m_runtime.tickCount();
}

void Trial::keyDown(std::int16_t keyCode)
{
    if (!m_running) {
        return; // stray keys before Start or after a finished trial would skew the next score
    }
    const int slot = slotForKey(keyCode);
    if (slot >= 0 && bild(slot) == bild(richtung.value_or(0.0f))) {
        clicken();
    }
}

void Trial::clicken()
{
    ++treffer;
    showBlank(QStringLiteral("/leer.jpg"));
    // The next arrow is made ready inside the pause (SystemRuntime::pause); the clock runs on.
    m_runtime.pause(PauseBetweenArrows);
    drawArrow();
    showArrow();
    if (treffer == HitsPerTrial) {
        finish();
    }
}

void Trial::speichern(const QString &path)
{
    // Another copy seeding the file, or appending, would otherwise lose this record or have it cut
    // off by a failed append's roll-back. A finished score is never given up for a slow copy.
    const FileLock lock = m_runtime.lockFile(path, Runtime::LockWait::WhileHeld);
    m_runtime.appendLine(path, NumberText::fromNumber(punkte));
}

void Trial::checkScoreFile()
{
    // Two copies started at once would both seed a short file.
    const FileLock lock = m_runtime.lockFile(ScoreFileAtStart, Runtime::LockWait::Bounded);
    if (m_runtime.fileLength(ScoreFileAtStart) >= SeedThreshold) {
        return;
    }
    // The seed replaces a nearly empty file, but a first score already in it is kept after it.
    QByteArray content = m_runtime.readFile(SeedCopy);
    const QByteArray kept = m_runtime.readFile(ScoreFileAtStart);
    if (!kept.isEmpty() && !content.isEmpty() && !content.endsWith('\n')) {
        content += "\r\n";
    }
    m_runtime.replaceFile(ScoreFileAtStart, content + kept);
}

void Trial::drawArrow()
{
    richtung = std::floor(m_runtime.nextRandom() * 4.0f);
}

void Trial::showArrow()
{
    m_display.setPicture(m_runtime.loadImage(bild(richtung.value_or(0.0f))));
}

void Trial::showBlank(const QString &literal)
{
    m_display.setPicture(m_runtime.loadImage(m_runtime.applicationFolder() + literal));
}

void Trial::finish()
{
    endzeit = m_runtime.tickCount();
    m_runtime.setTrialPriority(false);
    // Modular difference: a trial across the point where the 32-bit clock wraps keeps its true length.
    gesamtzeit = static_cast<std::uint32_t>(*endzeit) - static_cast<std::uint32_t>(startzeit.value_or(0));
    sekunden = static_cast<double>(*gesamtzeit) / 1000.0;
    punkte = *gesamtzeit > TimeLimit ? 0 : NumberText::toInt32(static_cast<double>(TimeLimit - *gesamtzeit));
    punkte = NumberText::toInt32(punkte / ScoreDivisor);

    m_display.addResultLine(QStringLiteral(" "));
    m_display.addResultLine(QStringLiteral(" Erreichte Punktzahl: ") + NumberText::fromNumber(punkte));
    m_display.addResultLine(QStringLiteral(" "));
    m_display.addResultLine(QStringLiteral(" Benötigte Zeit:      ") + NumberText::fromNumber(sekunden) +
                            QStringLiteral(" Sekunden"));
    speichern(ScoreFile);
    m_display.setStartEnabled(true);
    m_running = false;
    m_display.showResultWindow();
    treffer = 0;
    showBlank(QStringLiteral("/leer.jpg"));
}

const QString &Trial::bild(double index) const
{
    const std::int32_t slot = NumberText::toInt32(index);
    if (slot < 0 || slot >= static_cast<std::int32_t>(bilder.size())) {
        throw PlatformError(PlatformError::Kind::SubscriptOutOfRange, QString::number(slot));
    }
    return bilder[static_cast<std::size_t>(slot)];
}
