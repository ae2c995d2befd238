// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "BusyWait.h"
#include "PauseWork.h"
#include "Trial.h"
#include "TrialDisplay.h"

class ClickGate;
class Form2;
class Form3;
class KeyboardMapHold;
class PictureBox;
class PlatformError;
class QLabel;
class QPushButton;
class Runtime;

// The main window: the picture box Picture1 with the trial, Start (Command1), Quit (Command2),
// the explanation button (Command3) and a footer line (Label1). It owns the trial for the whole run
// and is never hidden; the result and explanation windows are made on first use.
class Form1 : public QWidget, private TrialDisplay
{
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const PlatformError &)>;

    // Builds the window and runs the trial's load step, which throws PlatformError on failure.
    // onError is told of an error in a later handler, after which the program ends with status 1.
    explicit Form1(Runtime &runtime, ErrorHandler onError);
    ~Form1() override;

    Trial &trial() { return m_trial; }
    // Made on first use; null until then.
    Form2 *resultWindow() const { return m_form2.get(); }
    Form3 *explanationWindow() const { return m_form3.get(); }
    // Keeps clicks made on the greyed Start button from starting a trial once it is enabled.
    ClickGate &startClicks() const { return *m_startClicks; }
    // Set once Quit or an error has ended the program; no handler acts after that.
    bool isEnding() const { return m_ending; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void quit();
    void showExplanation();
    // Runs a handler; an error is reported and ends the program, and never reaches the event loop.
    void handle(const std::function<void()> &handler);
    void end(int status);
    Form2 &form2();

    void setPicture(const QImage &image) override;
    void setStartEnabled(bool enabled) override;
    void clearResultList() override;
    void addResultLine(const QString &text) override;
    void showResultWindow() override;

    PictureBox *m_picture1;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;
    QLabel *m_label1;
    ClickGate *m_startClicks;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
    Runtime &m_runtime;
    Trial m_trial;
    ErrorHandler m_onError;
    std::unique_ptr<KeyboardMapHold> m_keyboardMap;
    BusyWait m_busyWait;
    PauseWork m_pauseWork;
    bool m_ending = false;
};
