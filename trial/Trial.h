// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QString>

class TrialDisplay;
class Runtime;

// The trial part of the main window: its state, the load step, Start, the key handler, the hit
// step clicken and the score file. It reaches clock, pauses, files and the windows only through
// Runtime and TrialDisplay, so a whole trial runs without a screen.
class Trial
{
public:
    // Where the score file is named at start-up, where each score is appended (the same file on a
    // case-blind file system), and the seed copy in the working directory.
    static inline const QString ScoreFileAtStart = QStringLiteral(R"(C:\Programme\ppunkte.txt)");
    static inline const QString ScoreFile = QStringLiteral(R"(C:\programme\ppunkte.txt)");
    static inline const QString SeedCopy = QStringLiteral(R"(.\ppunkte.txt)");

    static constexpr int PauseBeforeFirstArrow = 1000;
    static constexpr int PauseBetweenArrows = 200;
    static constexpr int HitsPerTrial = 10;
    static constexpr std::int64_t TimeLimit = 10000;
    static constexpr double ScoreDivisor = 20.0;
    // A score file shorter than this counts as empty and is seeded.
    static constexpr qint64 SeedThreshold = 10;

    // Virtual key codes: the cursor keys (also the keypad outside number mode), and the keypad's
    // 2, 4, 6 and 8 in number mode, which the rules name.
    static constexpr std::int16_t KeyLeft = 37;
    static constexpr std::int16_t KeyUp = 38;
    static constexpr std::int16_t KeyRight = 39;
    static constexpr std::int16_t KeyDown = 40;
    static constexpr std::int16_t KeyPad0 = 96; // the keypad's digits 0 to 9 run on from here
    static constexpr std::int16_t KeyPad2 = KeyPad0 + 2;
    static constexpr std::int16_t KeyPad4 = KeyPad0 + 4;
    static constexpr std::int16_t KeyPad6 = KeyPad0 + 6;
    static constexpr std::int16_t KeyPad8 = KeyPad0 + 8;

    Trial(Runtime &runtime, TrialDisplay &display);

    // Load step of the main window: seed, blank picture, score file check, arrow table.
    void load();
    // Click on Start.
    void start();
    // Key down on the picture box.
    void keyDown(std::int16_t keyCode);
    // Hit step: counts the hit, blanks the picture, pauses, shows the next arrow; the tenth hit
    // finishes the trial.
    void clicken();
    // Appends the current score as one line to the score file at path.
    void speichern(const QString &path);

    // The trial runs from Start disabling the Start button until the tenth hit; keys count only then.
    bool isRunning() const { return m_running; }

    // Empty until a trial sets them; an empty reading counts as 0.
    std::optional<std::int32_t> startzeit;
    std::optional<std::int32_t> endzeit;
    std::optional<std::int64_t> gesamtzeit;
    std::int32_t punkte = 0;

private:
    void checkScoreFile();
    void drawArrow();
    void showArrow();
    void showBlank(const QString &literal);
    void finish();
    // The arrow table entry at index, bounds-tested against the five slots.
    const QString &bild(double index) const;

    std::optional<float> richtung;
    std::int16_t treffer = 0;
    double sekunden = 0.0;
    std::array<QString, 5> bilder;

    Runtime &m_runtime;
    TrialDisplay &m_display;
    bool m_running = false;
};
