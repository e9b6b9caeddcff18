#include "main_window/sample_list_row.h"

#include "core/fontconfig_source.h"
#include "core/vertical_text.h"
#include "platform/face_text.h"
#include "platform/qt_units.h"
#include "platform/specimen.h"
#include "widgets/family_text.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace typecask {

namespace {
// The horizontal layout's label box: 2500 twips wide, its colour, and the sample at 2600 twips.
constexpr int LabelBoxTwips = 2500;
constexpr int HorizontalSampleTwips = 2600;
const QColor LabelBoxColour(200, 200, 250);
constexpr int LabelPointSize = 8;
// Text keeps clear of the row's left edge, and a hairline in the gap under each row tells
// the rows apart.
constexpr int TextMargin = 4;
} // namespace

SampleRow::SampleRow(int index, QWidget* parent) : QWidget(parent), m_index(index)
{
    setObjectName(u"Picture1(%1)"_qs.arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
}

QImage& SampleRow::clearImage(int width)
{
    const qreal ratio = devicePixelRatioF();
    const QSize px = (QSize(std::clamp(width, 1, this->width()), height()) * ratio).expandedTo(QSize(1, 1));
    if (m_image.size() != px) {
        m_image = QImage(px, QImage::Format_ARGB32_Premultiplied);
        // Points become the same pixels as on the widget itself.
        m_image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(palette().color(QPalette::Base));
    m_content = {};
    update();
    return m_image;
}

void SampleRow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const qreal ratio = m_image.devicePixelRatio();
    const QRect imageRect(QPoint(0, 0),
                          m_image.isNull() ? QSize() : (QSizeF(m_image.size()) / ratio).toSize());
    const QRect drawn = event->rect() & imageRect;
    if (!drawn.isEmpty())
        p.drawImage(drawn, m_image, QRectF(QPointF(drawn.topLeft()) * ratio, QSizeF(drawn.size()) * ratio));
    // Whatever the image does not cover (a window widened since the last drawing).
    const QRegion rest = QRegion(event->rect()) - imageRect;
    for (const QRect& r : rest)
        p.fillRect(r, palette().color(QPalette::Base));
}

void SampleRow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT rightPressed(m_index, event->globalPosition().toPoint());
}

void SampleRow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(m_index);
}

SampleRowPainter::SampleRowPainter(const QFont& labelFont, int sampleSize, FontSource* fonts)
    : m_labelFont(labelFont), m_sampleSize(sampleSize), m_fonts(fonts),
      m_boxWidth(twipsToPixels(LabelBoxTwips)), m_sampleLeft(twipsToPixels(HorizontalSampleTwips))
{
    m_labelFont.setPointSize(LabelPointSize);
    m_labelFont.setBold(false);
    m_labelFont.setItalic(false);
    const QFontMetricsF fm(m_labelFont);
    m_labelAscent = fm.ascent();
    m_labelLineHeight = fm.height();
}

FaceFile SampleRowPainter::fallbackFile(const QString& family)
{
    if (family.isEmpty() || !m_fonts)
        return {};
    auto it = m_fallbackFiles.constFind(family);
    if (it == m_fallbackFiles.constEnd())
        it = m_fallbackFiles.insert(family, m_fonts->faceFile(family).value_or(FaceFile{}));
    return it.value();
}

void SampleRowPainter::clear(SampleRow& row, SampleListLayout layout, int width) const
{
    QImage& image = row.clearImage(width);
    QPainter p(&image);
    if (layout == SampleListLayout::Horizontal)
        p.fillRect(QRect(0, 0, m_boxWidth, row.height()), LabelBoxColour);
    p.setPen(row.palette().color(QPalette::Midlight));
    p.drawLine(0, row.height() - 1, width, row.height() - 1);
}

bool SampleRowPainter::draw(SampleRow& row, SampleListLayout layout, const SampleRowContent& content)
{
    QImage& image = row.image();
    QPainter p;
    if (image.isNull() || !p.begin(&image))
        return false;
    p.setPen(row.palette().color(QPalette::Text));
    p.setFont(m_labelFont);
    const bool horizontal = layout == SampleListLayout::Horizontal;
    if (horizontal) {
        // A long name stays inside its box instead of running under the sample.
        p.save();
        p.setClipRect(QRect(0, 0, m_boxWidth, row.height()));
        p.drawText(QPointF(TextMargin, m_labelAscent), content.label);
        p.restore();
    } else {
        p.drawText(QPointF(TextMargin, m_labelAscent), content.label);
    }
    if (isVerticalFamilyName(content.family)) {
        // An "@" family: its vertical text as the preview draws it, in one column turned to run
        // along the row (a row is one character high), as Japanese desktops list vertical fonts.
        static SpecimenPainter vertical;
        const qreal top = horizontal ? 0 : m_labelLineHeight;
        const qreal left = horizontal ? m_sampleLeft : TextMargin;
        const qreal length = image.width() / image.devicePixelRatio() - left;
        const qreal height = row.height() - top;
        p.translate(left, top + height);
        p.rotate(-90);
        const bool drawn = vertical
                               .draw(p, QRectF(0, 0, height, length), content.family, content.sample,
                                     {m_sampleSize, false, false, p.pen().color()})
                               .drawn;
        p.end();
        row.setContent(content);
        row.update();
        return drawn;
    }
    const QColor ink = row.palette().color(QPalette::Text);
    const auto sampleAt = [&](qreal ascent) {
        return horizontal ? QPointF(m_sampleLeft, ascent) : QPointF(TextMargin, m_labelLineHeight + ascent);
    };
    // Straight from the font file where the catalog knows it; Qt's drawing otherwise.
    const std::optional<FaceFile> file = m_fonts ? m_fonts->faceFile(content.family) : std::nullopt;
    FaceTextRenderer& renderer = FaceTextRenderer::shared();
    const std::optional<qreal> ascent = file ? renderer.ascent(*file, m_sampleSize, image) : std::nullopt;
    if (ascent) {
        p.end(); // the renderer writes the pixels itself
        renderer.draw(image, sampleAt(*ascent), content.sample, *file,
                      fallbackFile(japaneseFallbackFor(content.family)), m_sampleSize, ink);
    } else {
        const auto fonts = FamilyFontCache::shared().fonts(content.family, m_sampleSize);
        drawFamilyText(p, sampleAt(fonts->ownMetrics().ascent()), content.sample, *fonts);
        p.end();
    }
    row.setContent(content);
    row.update();
    return true;
}

} // namespace typecask
