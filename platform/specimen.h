// The sample text drawn as the preview shows it, for every place that shows or saves it (the
// preview, the floating windows, the sample list, typecask-cli render): a family in lines
// wrapped character by character, an "@" family as Japanese vertical text.
#pragma once

#include "core/preview_layout.h"
#include "core/vertical_text.h"

#include <QColor>
#include <QHash>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

namespace typecask {

struct SpecimenStyle
{
    int pointSize = 12;
    bool bold = false;
    bool italic = false;
    QColor fore{0, 0, 0};
};

struct SpecimenResult
{
    bool drawn = false;     // false: the family could not be drawn, and nothing was
    bool vertical = false;  // drawn as vertical text (the family's name begins with "@")
    PreviewLines lines;     // the lines drawn (horizontal)
    VerticalLayout columns; // the glyphs placed, in device pixels (vertical)
};

class SpecimenPainter
{
public:
    SpecimenPainter();
    ~SpecimenPainter();
    SpecimenPainter(const SpecimenPainter&) = delete;
    SpecimenPainter& operator=(const SpecimenPainter&) = delete;

    // Draws text in family inside area (the painter's logical pixels) on what is already there.
    // Horizontal lines start at the area's left edge, one line height apart, and stop below its
    // bottom; vertical columns start at its right edge, wrap at its height and stop past its left
    // edge.
    SpecimenResult draw(QPainter& painter, const QRectF& area, const QString& family, const QString& text,
                        const SpecimenStyle& style);

    // The vertical text alone, in the family without its "@".
    SpecimenResult drawVertical(QPainter& painter, const QRectF& area, const QString& family,
                                const QString& text, const SpecimenStyle& style);

private:
    SpecimenResult drawHorizontal(QPainter& painter, const QRectF& area, const QString& family,
                                  const QString& text, const SpecimenStyle& style);
    VerticalFont* verticalFont(const QString& family, double pixelSize, const SpecimenStyle& style);

    CharWidthCache m_widths;
    struct Vertical;
    std::unique_ptr<Vertical> m_vertical;
};

} // namespace typecask
