// The preview picture: the sample text drawn into a backing image, so repaints never
// measure or shape text again.
#pragma once

#include <QImage>
#include <QWidget>

namespace typecask {

class PreviewArea final : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewArea(QWidget* parent = nullptr);

    QColor foreColor() const { return m_fore; }
    QColor backColor() const { return m_back; }
    void setForeColor(const QColor& c) { m_fore = c; }
    void setBackColor(const QColor& c) { m_back = c; }

    // Clears to the background colour; painting then draws into the image.
    QImage& clearImage();
    const QImage& image() const { return m_image; }

Q_SIGNALS:
    void rightButtonPressed(const QPoint& globalPos);
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QColor m_fore{0, 0, 0};
    QColor m_back{255, 255, 255};
};

} // namespace typecask
