#pragma once

#include <cstdint>

#include <QFrame>
#include <QImage>

// A white box with a sunken border that shows an image at its natural size from the top-left
// corner, clipped, and hands each key press on to the trial as a virtual key code.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    // Paints the image at once: the trial pauses right after, and the person must see the blank
    // picture between two arrows, and each arrow when the clock starts.
    void setImage(const QImage &image);

signals:
    void keyDown(std::int16_t keyCode, int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_image;
};
