// One row area of the font sample list window (Picture1(i)) and the painter that draws a
// family's row into it. A row keeps its drawing in an image, so repaints never shape text
// again; the painter draws each family as the main preview does (widgets/family_text.h).
#pragma once

#include "core/font_catalog.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QWidget>

namespace typecask {

// What a row shows now; empty strings for a cleared row.
struct SampleRowContent
{
    QString label;
    QString family;
    QString sample;
};

class SampleRow final : public QWidget
{
    Q_OBJECT
public:
    SampleRow(int index, QWidget* parent);

    int index() const { return m_index; }
    const SampleRowContent& content() const { return m_content; }
    void setContent(SampleRowContent content) { m_content = std::move(content); }

    // The backing image cleared to the row's background, width pixels wide (the part of the
    // row that can show); painting then draws into it.
    QImage& clearImage(int width);
    QImage& image() { return m_image; }
    void releaseImage() { m_image = QImage(); }
    const QImage& image() const { return m_image; }

Q_SIGNALS:
    void doubleClicked(int index);
    void rightPressed(int index, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_index;
    QImage m_image;
    SampleRowContent m_content;
};

// Which way the rows are drawn (ListVertical).
enum class SampleListLayout { Vertical, Horizontal };

class SampleRowPainter
{
public:
    // labelFont: the face of the row labels (the sample-text box's face); sampleSize in points.
    // fonts (may be null) tells where each family's font file is.
    SampleRowPainter(const QFont& labelFont, int sampleSize, FontSource* fonts);

    // Clears a row for its layout: the background, and the label box in the horizontal one.
    void clear(SampleRow& row, SampleListLayout layout, int width) const;
    // Draws the label and the sample of one family into a cleared row; false when the row
    // could not be drawn (nothing is drawn then).
    bool draw(SampleRow& row, SampleListLayout layout, const SampleRowContent& content);

    // The label box of the horizontal layout and where its sample starts (pixels).
    int labelBoxWidth() const { return m_boxWidth; }
    int horizontalSampleLeft() const { return m_sampleLeft; }

private:
    FaceFile fallbackFile(const QString& family);

    QFont m_labelFont; // 8 points
    qreal m_labelAscent;
    qreal m_labelLineHeight;
    int m_sampleSize;
    FontSource* m_fonts;
    QHash<QString, FaceFile> m_fallbackFiles; // Japanese fallback family -> its file
    int m_boxWidth;
    int m_sampleLeft;
};

} // namespace typecask
