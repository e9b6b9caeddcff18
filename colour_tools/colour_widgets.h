// The picture areas of the colour windows: colour boxes that take dropped samples, pictures whose
// pixels are picked with the mouse, and the sample that is dragged onto the boxes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "colour_tools/colour_rules.h"
#include "platform/qt_units.h"

class QMimeData;

namespace typecask {

// The MIME format of a colour sample dragged inside one colour window; the payload names the
// window, so a drag from another window's sample is not taken for this one's.
inline constexpr char ColourSampleMime[] = "application/x-typecask-colour-sample";

// What a window's sample carries, naming that window.
QByteArray colourSampleKey(const QWidget* window);
QMimeData* makeColourSampleData(const QByteArray& key);

// The colour field as an image (ColourFieldWidth x ColourFieldHeight).
QImage colourFieldImage();
// Draws the shade strip's bands for colour over image; every band runs widthTwips pixels, well
// past the strip's right edge, as wide as the strip is in twips.
void paintShadeStrip(QImage& image, const Channels& colour, int widthTwips);

// One box of a colour row: filled with its colour, clicked, and a drop target for the sample.
class ColourBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourBox)
public:
    ColourBox(int index, const QByteArray& dropKey, QWidget* parent);
    void setColour(std::int32_t colour);
    std::int32_t colour() const { return m_colour; }

Q_SIGNALS:
    void clicked(int index);
    void sampleDropped(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isOurSample(const QMimeData* data) const;

    int m_index;
    QByteArray m_dropKey;
    std::int32_t m_colour = 0xFFFFFF;
    bool m_pressed = false;
};

// A picture shown at its own size whose pixels the mouse reads; -1 outside the picture.
class ColourPicture final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourPicture)
public:
    explicit ColourPicture(QWidget* parent);
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    std::int32_t pixelAt(const QPoint& pos) const;

Q_SIGNALS:
    void mousePressed(std::int32_t pixel);
    void mouseMoved(std::int32_t pixel, Qt::MouseButtons buttons);
    void mouseReleased(std::int32_t pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

// The sample text in the current colours; a plain press starts dragging it.
class SampleLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleLabel)
public:
    SampleLabel(const QByteArray& dropKey, QWidget* parent);
    void setForeColour(std::int32_t colour);
    void setBackColour(std::int32_t colour);
    std::int32_t foreColour() const { return m_fore; }
    std::int32_t backColour() const { return m_back; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void applyColours();

    QByteArray m_dropKey;
    std::int32_t m_fore = 0;
    std::int32_t m_back = 0xFFFFFF;
};

} // namespace typecask

namespace typecask {

struct AppState;
class StackingHost;

// A colour window opened over an always-in-front main window drops that state first, so that
// it is not hidden behind the main window; without a main window to release, the colour
// window is kept in front itself.
void leaveAlwaysOnTop(AppState& state, StackingHost* stacking, QWidget* colourWindow);

} // namespace typecask
