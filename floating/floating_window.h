// What both floating sample windows are made of: the captured screen picture (Picture1) under
// the sample text (Label1), the mouse on them and the window's unload. Form15 and Form16 add
// their frames and size rules.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

class QLabel;

namespace typecask {

struct Sample;

// A picture box: its background colour with the captured image at its top-left corner.
class CapturedPicture final : public QWidget
{
    Q_OBJECT
public:
    explicit CapturedPicture(QWidget* parent);

    QColor backColor() const { return m_back; }
    void setBackColor(const QColor& colour);
    const QImage& image() const { return m_image; }
    // A null image clears the picture.
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_back{255, 255, 255};
    QImage m_image;
};

class FloatingWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FloatingWindow)
public:
    // True for the sizable Form15.
    virtual bool isSizable() const = 0;

    // The label shows the sample's text in its family, size, style and text colour.
    void showSample(const Sample& sample);
    void setTextColour(std::int32_t colour);
    // The picture's background; the captured image is kept.
    void setBackColour(std::int32_t colour);
    // Places the client area (global coordinates), as a swap hands it on.
    virtual void setClientGeometry(const QRect& geometry) { setGeometry(geometry); }

    CapturedPicture* Picture1; // the captured screen picture
    QLabel* Label1;            // the sample text, transparent over the picture

Q_SIGNALS:
    // The right button went down on the window; the shared popup opens at globalPos.
    void popupRequested(const QPoint& globalPos);
    // The window is closing (by the popup, Escape, the close box or shutdown).
    void unloaded();

protected:
    FloatingWindow(QWidget* parent, Qt::WindowFlags flags);

    // Sizes Picture1 and Label1 for the client area (Form_Resize).
    virtual void placeControls() = 0;
    // The mouse pressed on the label (or a control forwarding to it).
    void Label1_MouseDown(QMouseEvent* event);
    // Drags the window along while the fallback move runs.
    void Label1_MouseMove(QMouseEvent* event);

    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the mouse holds the window while the platform has no move of its own.
    QPoint m_dragOffset;
    bool m_dragging = false;
};

} // namespace typecask
