// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>

#include <QFrame>
#include <QImage>

#include "HeldKeys.h"

class DisplayPath;

// A white box with a sunken border that shows an image at its natural size from the top-left
// corner, clipped, and hands each key press on to the trial as a virtual key code.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    const QImage &image() const { return m_image; }
    // Paints the image at once: the trial pauses right after, and the person must see the blank
    // picture between two arrows, and each arrow when the clock starts.
    void setImage(const QImage &image);

    // The way to the screen, made once the window is shown; null before.
    DisplayPath *path();
    // While set, keys that reach the box end there: the pause's warm-up sends them (PauseWork).
    void setRehearsing(bool rehearsing) { m_rehearsing = rehearsing; }

signals:
    void keyDown(std::int16_t keyCode);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QImage m_image;
    HeldKeys m_heldKeys;
    bool m_rehearsing = false;
    std::unique_ptr<DisplayPath> m_path;
};
