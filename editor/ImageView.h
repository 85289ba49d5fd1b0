#pragma once

#include <QImage>
#include <QWidget>

// The drawing area on screen: shows an image pixel for pixel at its top-left corner and
// reports every mouse press, move (hover included) and release, whatever the button,
// with the position in image pixels. It keeps its own shared copy of the shown image.
// A click gives it the keyboard, whose arrows and Escape it reports too.
class ImageView : public QWidget {
    Q_OBJECT
  public:
    explicit ImageView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

  signals:
    void mousePressed(QPoint position);
    void mouseMoved(QPoint position);
    void mouseReleased(QPoint position);
    // direction is one of (±1, 0), (0, ±1); large when Shift is held.
    void arrowPressed(QPoint direction, bool large);
    void escapePressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QImage m_image;
};
