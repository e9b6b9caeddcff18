#include "main_window/form1.h"

#include "core/font_list_model.h"
#include "core/qt_platform.h"
#include "main_window/app_context.h"
#include "main_window/preview_area.h"

#include <QFontMetricsF>
#include <QPainter>

namespace typecask {

Form1::Form1(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_model(new FontListModel(this))
{
    setObjectName(u"Form1"_qs);
    Picture1 = new PreviewArea(this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(u"Text1"_qs);
    Text1->setMaxLength(200);
    List1 = new QListView(this);
    List1->setObjectName(u"List1"_qs);
    List1->setModel(m_model);
    // Columns fill top to bottom, like the multi-column list box.
    List1->setFlow(QListView::TopToBottom);
    List1->setWrapping(true);
    List1->setResizeMode(QListView::Adjust);
    List1->setUniformItemSizes(true);
    List1->setLayoutMode(QListView::Batched);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(List1, &QListView::clicked, this, &Form1::List1_Click);

    // Load: the preview area's design font is the first current font.
    m_context.state.CurrentFontName = Picture1->font().family();
    OokisaHenkou();
}

void Form1::OokisaHenkou()
{
    const int previewHeight = twipsToPixels((m_context.state.PreviewAreaSize + 1) * 1000);
    Picture1->setGeometry(0, 0, width(), previewHeight);
    Text1->setGeometry(0, previewHeight, width(), Text1->sizeHint().height());
    List1->move(0, Text1->geometry().bottom() + 1);
    resizeEvent(nullptr);
}

void Form1::resizeEvent(QResizeEvent*)
{
    Picture1->resize(width(), Picture1->height());
    Text1->resize(width(), Text1->height());
    if (height() > List1->y())
        List1->setGeometry(0, List1->y(), width(), height() - List1->y());
    const int columns = std::max(1, pixelsToTwips(List1->width()) / 3000);
    List1->setGridSize(QSize(std::max(1, List1->viewport()->width() / columns), List1->fontMetrics().height() + 2));
    ShowPreview(m_context.state.CurrentFontName);
}

void Form1::Text1_Change()
{
    if (m_context.state.Loading)
        return;
    m_context.state.SampleText = Text1->text();
    ShowPreview(m_context.state.CurrentFontName);
}

void Form1::List1_Click(const QModelIndex& index)
{
    m_context.state.CurrentFontName = m_model->at(index.row());
    ShowPreview(m_context.state.CurrentFontName);
}

void Form1::ShowPreview(const QString& fontName)
{
    const AppState& s = m_context.state;
    if (fontName.isEmpty() || s.Loading)
        return;
    QFont font(fontName);
    font.setBold(s.PreviewBold);
    font.setItalic(s.PreviewItalic);
    font.setPointSize(s.PreviewSize);
    QImage& image = Picture1->clearImage();
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Picture1->foreColor());
    const QFontMetricsF fm(font, &image);
    const qreal areaWidth = Picture1->width();
    const int areaHeight = Picture1->height();
    qreal y = 0;
    QString line;
    qreal lineWidth = 0;
    const QList<uint> codePoints = s.SampleText.toUcs4();
    for (uint cp : codePoints) {
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        const qreal w = fm.horizontalAdvance(ch);
        lineWidth += w;
        if (lineWidth > areaWidth) {
            p.drawText(QPointF(0, y + fm.ascent()), line);
            y += fm.height();
            if (y > areaHeight) {
                line.clear();
                break;
            }
            line = ch;
            lineWidth = w;
        } else {
            line += ch;
        }
    }
    if (!line.isEmpty() || y <= areaHeight)
        p.drawText(QPointF(0, y + fm.ascent()), line);
    p.end();
    Picture1->update();
    Q_EMIT previewCaptionChanged(fontName + u" -Typecask v201"_qs);
}

} // namespace typecask
