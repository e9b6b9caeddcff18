#include "main_window/font_browser.h"

#include "core/app_state.h"
#include "core/font_list_model.h"
#include "core/services.h"
#include "core/text_helpers.h"
#include "main_window/preview_area.h"
#include "platform/qt_units.h"
#include "platform/specimen.h"
#include "widgets/font_list_view.h"

#include <QCursor>
#include <QDropEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QValidator>

namespace typecask {

namespace {

constexpr int SampleTextLimit = 200;

// The box holds at most 200 characters; a character outside the BMP counts once and is
// never cut in half. A paste that would pass the limit keeps what fits.
class CodePointLimit final : public QValidator
{
public:
    explicit CodePointLimit(QLineEdit* box) : QValidator(box)
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_last = text; });
    }
    State validate(QString& input, int& cursor) const override
    {
        input = limitInsertion(m_last, input, SampleTextLimit, cursor);
        return Acceptable;
    }

private:
    QString m_last; // the text before the edit being checked
};

} // namespace

Form1::Form1(AppState& state, MessageBox& messages, QWidget* parent)
    : QWidget(parent), m_state(state), m_messages(messages), m_model(new FontListModel(this))
{
    setObjectName(u"Form1"_qs);
    Picture1 = new PreviewArea(this);
    Picture1->setToolTip(QString());
    Text1 = new QLineEdit(this);
    Text1->setObjectName(u"Text1"_qs);
    Text1->setValidator(new CodePointLimit(Text1));
    Text1->setAcceptDrops(true);
    Text1->installEventFilter(this);
    List1 = new FontListView(this);
    List1->setObjectName(u"List1"_qs);
    List1->setModel(m_model);
    // Columns fill top to bottom, like the multi-column list box.
    List1->setFlow(QListView::TopToBottom);
    List1->setWrapping(true);
    List1->setResizeMode(QListView::Adjust);
    List1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    List1->keyHandler = [this](int key) { return List1_KeyDown(key); };
    List1->pressHandler = [this](Qt::MouseButton b, const QPoint& pos) { return List1_MouseDown(b, pos); };

    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(List1, &FontListView::selectionClicked, this, &Form1::List1_Click);
    connect(List1, &FontListView::trackerTick, this, &Form1::Timer1_Timer);
    connect(List1, &FontListView::doubleClicked, this, &Form1::fontDetailsRequested);
    connect(Picture1, &PreviewArea::rightButtonPressed, this, [this](const QPoint& pos) {
        m_state.ContextFontName = m_state.CurrentFontName;
        Q_EMIT fontMenuRequested(pos);
    });
    connect(Picture1, &PreviewArea::mouseReleased, List1, &FontListView::stopTracker);

    // Load: the preview area's design font is the first current font.
    m_state.CurrentFontName = QFontInfo(Picture1->font()).family();
    OokisaHenkou();
}

void Form1::OokisaHenkou()
{
    const int previewHeight = twipsToPixels((m_state.PreviewAreaSize + 1) * 1000);
    Picture1->setGeometry(0, 0, width(), previewHeight);
    Text1->setGeometry(0, previewHeight, width(), Text1->sizeHint().height());
    List1->move(0, Text1->geometry().bottom() + 1);
    resizeEvent(nullptr);
}

void Form1::showEvent(QShowEvent*)
{
    // The first show brings a resize, which draws; a later one may not.
    if (m_previewPending)
        ShowPreview(m_pendingFont);
}

void Form1::resizeEvent(QResizeEvent*)
{
    Picture1->resize(width(), Picture1->height());
    Text1->resize(width(), Text1->height());
    if (height() > List1->y())
        List1->setGeometry(0, List1->y(), width(), height() - List1->y());
    m_previewWidth = Picture1->contentsRect().width();
    m_previewHeight = Picture1->contentsRect().height();
    m_columns = listColumnCount(pixelsToTwips(List1->width()));
    const int rowHeight = List1->fontMetrics().height() + 2;
    // From the frame's inside: the viewport itself is resized only once the list is shown.
    List1->setGridSize(QSize(std::max(1, List1->contentsRect().width() / m_columns), rowHeight));
    ShowPreview(m_state.CurrentFontName);
}

void Form1::Text1_Change()
{
    if (m_state.Loading)
        return;
    m_state.SampleText = Text1->text();
    ShowPreview(m_state.CurrentFontName);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && Text1_Event(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool Form1::Text1_Event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        List1->setFocus(Qt::OtherFocusReason);
        return true;
    }
    case QEvent::FocusIn:
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, Text1, &QLineEdit::selectAll);
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(event);
        if (e->mimeData()->hasUrls() || !e->mimeData()->hasText())
            e->ignore();
        else
            e->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        if (Text1_OLEDragDrop(*e->mimeData()))
            e->acceptProposedAction();
        else
            e->ignore();
        return true;
    }
    default:
        return false;
    }
}

bool Form1::Text1_OLEDragDrop(const QMimeData& data)
{
    if (data.hasUrls() || !data.hasText())
        return false;
    // A dropped text replaces the sample, within the box's limit.
    Text1->setText(leftCodePoints(data.text(), SampleTextLimit));
    return true;
}

void Form1::List1_Click()
{
    m_state.CurrentFontName = List1->selectedName();
    ShowPreview(m_state.CurrentFontName);
}

void Form1::Timer1_Timer()
{
    const int row = List1->selectedRow();
    if (row >= 0 && m_model->at(row) != m_state.CurrentFontName)
        List1_Click();
}

bool Form1::List1_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT fontDetailsRequested();
        return true;
    case Qt::Key_Space:
        m_state.ContextFontName = List1->selectedName();
        Q_EMIT fontMenuRequested(
            List1->viewport()->mapToGlobal(List1->visualRect(List1->currentIndex()).center()));
        return true;
    default:
        return false;
    }
}

bool Form1::List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton)
        return false;
    // The menu acts on the selected entry; the one under the mouse is not selected first.
    m_state.ContextFontName = List1->selectedName();
    Q_EMIT fontMenuRequested(globalPos);
    return true;
}

void Form1::ShowPreview(const QString& fontName)
{
    const AppState& s = m_state;
    if (fontName.isEmpty() || s.Loading)
        return;
    if (!isVisible()) {
        // Nobody can see it: drawn when shown. The caption still follows at once.
        m_previewPending = true;
        m_pendingFont = fontName;
        Q_EMIT previewCaptionChanged(fontName + u" -Typecask v201"_qs);
        return;
    }
    m_previewPending = false;
    ++m_previewCount;
    QImage& image = Picture1->clearImage();
    QPainter p;
    SpecimenResult drawn;
    if (p.begin(&image)) {
        drawn = m_specimen.draw(p, QRectF(0, 0, m_previewWidth, m_previewHeight), fontName, s.SampleText,
                                {s.PreviewSize, s.PreviewBold, s.PreviewItalic, Picture1->foreColor()});
        p.end();
    }
    if (!drawn.drawn) {
        Picture1->update();
        m_messages.warning(u"\""_qs + fontName + u"\"を正常に表示できませんでした"_qs);
        return;
    }
    m_lastLines = drawn.lines;
    m_lastColumns = drawn.columns;
    Picture1->update();

    if (s.SubWindowShown)
        Q_EMIT subWindowUpdateRequested(fontName);
    Q_EMIT previewCaptionChanged(fontName + u" -Typecask v201"_qs);
}

} // namespace typecask
