// SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "ClickGate.h"
#include "Form2.h"
#include "Form3.h"
#include "KeyboardMapHold.h"
#include "PictureBox.h"
#include "PlatformError.h"
#include "Runtime.h"
#include "WindowLook.h"

using WindowLook::twipsRect;

namespace {

const QColor Background(192, 192, 255);

} // namespace

Form1::Form1(Runtime &runtime, ErrorHandler onError)
    : m_picture1(new PictureBox(this)),
      m_command1(WindowLook::makeButton(this, "Command1", QStringLiteral("Start"),
                                        twipsRect(8760, 2760, 2415, 615))),
      // Not tab stops: when Start is disabled the focus skips them and lands on the picture box.
      m_command2(WindowLook::makeButton(this, "Command2", QStringLiteral("Programm beenden"),
                                        twipsRect(8760, 4200, 2415, 615), Qt::ClickFocus)),
      m_command3(WindowLook::makeButton(this, "Command3", QStringLiteral("Erklärung"),
                                        twipsRect(8760, 5640, 2415, 615), Qt::ClickFocus)),
      m_label1(new QLabel(QStringLiteral("Reaktionstest mit den Pfeiltasten"), this)),
      m_startClicks(new ClickGate(m_command1)), m_runtime(runtime), m_trial(runtime, *this),
      m_onError(std::move(onError)), m_keyboardMap(KeyboardMapHold::create()),
      m_pauseWork(m_command1, m_picture1)
{
    setObjectName(QStringLiteral("Form1"));
    WindowLook::setUpWindow(this, QStringLiteral("Zandel-Programm"), MainWindowFigures::Width,
                            MainWindowFigures::Height, Background);
    // The window's font, which only the footer takes: the classic 8 pt of a dialog, named, because
    // a desktop's own font may be too wide for the footer's fixed size, and one left to fontconfig
    // alone may come out monospaced.
    setFont(WindowLook::arial(8));

    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(MainWindowFigures::PictureLeft, MainWindowFigures::PictureTop,
                                      MainWindowFigures::PictureSide, MainWindowFigures::PictureSide));

    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipsRect(4680, 6600, 3495, 255));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WindowLook::fillBackground(m_label1, Background);

    setTabOrder(m_picture1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    m_picture1->setFocus();

    connect(m_command1, &QPushButton::clicked, this, [this] { handle([this] { m_trial.start(); }); });
    connect(m_picture1, &PictureBox::keyDown, this,
            [this](std::int16_t keyCode) { handle([=, this] { m_trial.keyDown(keyCode); }); });
    connect(m_command2, &QPushButton::clicked, this, &Form1::quit);
    connect(m_command3, &QPushButton::clicked, this, [this] { handle([this] { showExplanation(); }); });

    m_runtime.setPicturePreparer(&m_pauseWork);
    m_runtime.setLockWaiter(&m_busyWait);
    m_trial.load();
}

Form1::~Form1()
{
    m_runtime.setPicturePreparer(nullptr);
    m_runtime.setLockWaiter(nullptr);
}

void Form1::closeEvent(QCloseEvent *event)
{
    quit();
    event->accept();
}

void Form1::quit()
{
    end(0);
}

void Form1::showExplanation()
{
    if (!m_form3) {
        m_form3 = std::make_unique<Form3>(this);
    }
    WindowLook::activate(m_form3.get());
}

void Form1::handle(const std::function<void()> &handler)
{
    // Keys and clicks queued behind Quit or an error must not run a trial on.
    if (m_ending) {
        return;
    }
    try {
        handler();
    } catch (...) {
        m_ending = true;
        m_onError(PlatformError::from(std::current_exception()));
        end(1);
    }
}

void Form1::end(int status)
{
    m_ending = true;
    QCoreApplication::exit(status);
}

Form2 &Form1::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(this);
    }
    return *m_form2;
}

void Form1::setPicture(const QImage &image)
{
    m_picture1->setImage(image);
}

void Form1::setStartEnabled(bool enabled)
{
    // Start stands disabled exactly while a trial runs.
    if (!enabled) {
        m_startClicks->buttonDisabled();
        m_keyboardMap->hold();
    } else if (!m_command1->isEnabled()) {
        m_startClicks->buttonEnabled();
        m_keyboardMap->release();
    }
    // Disabling the focused Start button passes the focus to the next tab stop, the picture box.
    m_command1->setEnabled(enabled);
    if (!enabled) {
        // Drawn and sent now, as part of disabling it: left to the event loop, the paint and its
        // wait for the display server would come after the trial's clock has started.
        m_command1->repaint();
    }
}

void Form1::clearResultList()
{
    form2().clearList();
}

void Form1::addResultLine(const QString &text)
{
    form2().addLine(text);
}

void Form1::showResultWindow()
{
    WindowLook::activate(&form2());
}
