// Colours dragged about inside the random colour maker: every box and character cell is a drag
// source carrying its text and background colours, and most are drop targets.
#pragma once

#include "colour_tools/random_colour_text.h"

#include <QByteArray>
#include <QLabel>
#include <cstdint>
#include <optional>

class QMimeData;

namespace typecask {

// The MIME format of such a drag; the payload names the window, so only its own boxes take it.
inline constexpr char ColourDragMime[] = "application/x-typecask-colour-drag";

QMimeData* makeColourDragData(const QByteArray& windowKey, const ColourDrag& drag);
// The drag's colours when data is a drag of that window.
std::optional<ColourDrag> readColourDrag(const QMimeData* data, const QByteArray& windowKey);

// A box filled with its background colour, or a character cell showing its character in its
// text colour on it. A plain press starts dragging its colours; a drop of the window's colours
// is reported when the cell accepts drops.
class ColourCell final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourCell)
public:
    ColourCell(int index, bool characterCell, const QByteArray& windowKey, QWidget* parent);
    void setForeColour(std::int32_t colour);
    void setBackColour(std::int32_t colour);
    std::int32_t foreColour() const { return m_fore; }
    std::int32_t backColour() const { return m_back; }
    // What a drag from this cell carries.
    ColourDrag dragContent() const { return {m_fore, m_back, m_characterCell}; }

Q_SIGNALS:
    void dropped(int index, const ColourDrag& drag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyColours();

    int m_index;
    bool m_characterCell;
    QByteArray m_key;
    std::int32_t m_fore = 0;
    std::int32_t m_back = 0xFFFFFF;
};

// Lets a widget that is not a colour cell (the channel scroll bars) take the window's drags.
class ColourDropTarget final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourDropTarget)
public:
    ColourDropTarget(QWidget* target, const QByteArray& windowKey);

Q_SIGNALS:
    void dropped(const ColourDrag& drag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QByteArray m_key;
};

} // namespace typecask
