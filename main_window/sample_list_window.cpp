#include "main_window/sample_list_window.h"

#include "core/app_state.h"
#include "core/font_catalog.h"
#include "core/sample.h"
#include "core/services.h"
#include "platform/face_text.h"
#include "widgets/family_text.h"
#include "widgets/tool_window_host.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHideEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace typecask {

namespace {

// The face of the sample-text box, which labels the rows.
QFont labelFont()
{
    return QApplication::font("QLineEdit");
}

int lineHeight(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return QFontMetrics(font).height();
}

} // namespace

Form18::Form18(AppState& state, const FontCatalog& catalog, MessageBox& messages, ToolWindowHost& host,
               QWidget* parent)
    : QDialog(parent), m_state(state), m_catalog(catalog), m_messages(messages), m_host(host)
{
    setObjectName(u"Form18"_qs);
    setWindowTitle(u"フォント一覧"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(false);
    m_Picture3 = new QWidget(this);
    m_Picture3->setObjectName(u"Picture3"_qs);
    m_Picture3->setAutoFillBackground(true);
    m_Picture3->setBackgroundRole(QPalette::Base);
    m_Picture3->installEventFilter(this);
    VScroll1 = new QScrollBar(Qt::Vertical, m_Picture3);
    VScroll1->setObjectName(u"VScroll1"_qs);
    // The window takes every key itself, before its controls.
    VScroll1->setFocusPolicy(Qt::NoFocus);
    VScroll1->setSingleStep(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form18::VScroll1_Change);
}

Form18::~Form18() = default;

SampleListLayout Form18::layout() const
{
    return m_state.ListVertical ? SampleListLayout::Vertical : SampleListLayout::Horizontal;
}

void Form18::Form_Load()
{
    const QFont font = labelFont();
    m_rowHeight = sampleListRowHeight(lineHeight(font, 10), lineHeight(font, m_state.ListSampleSize));
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = s ? s->geometry() : QRect(0, 0, 1024, 768);
    m_state.ListRowCount = sampleListRowCount(screenRect.height(), m_rowHeight);

    for (SampleRow* r : m_Picture1)
        delete r;
    m_Picture1.clear();
    for (int i = 0; i <= m_state.ListRowCount; ++i) {
        auto* r = new SampleRow(i, m_Picture3);
        r->setGeometry(0, i * m_rowHeight, screenRect.width(), m_rowHeight);
        r->show();
        r->installEventFilter(this);
        connect(r, &SampleRow::doubleClicked, this, &Form18::Picture1_DblClick);
        connect(r, &SampleRow::rightPressed, this, &Form18::Picture1_MouseDown);
        m_Picture1.push_back(r);
    }
    VScroll1->raise();
    m_painter = std::make_unique<SampleRowPainter>(font, m_state.ListSampleSize, m_catalog.source());
}

void Form18::StartItiran(const QStringList& names, const QSize& mainWindowSize)
{
    if (m_Picture1.empty())
        Form_Load();
    m_names = SampleListNames(names);
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(0);
        VScroll1->setMaximum(m_names.count());
    }
    resize(mainWindowSize);
    // The same size as last time brings no resize event; the range is for these names.
    Form_Resize();
}

void Form18::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Showing delivers the size StartItiran has already laid out; the page is drawn once.
    if (size() != m_laidOut)
        Form_Resize();
}

void Form18::Form_Resize()
{
    m_laidOut = size();
    m_Picture3->setGeometry(rect());
    const int barWidth = VScroll1->sizeHint().width();
    VScroll1->setGeometry(m_Picture3->width() - barWidth, 0, barWidth, m_Picture3->height());
    const SampleListScroll s =
        sampleListScroll(m_names.count(), m_Picture3->height(), m_rowHeight, VScroll1->value());
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setEnabled(s.enabled);
        VScroll1->setMaximum(s.maximum);
        VScroll1->setPageStep(s.largeChange);
        VScroll1->setValue(s.value);
    }
    VScroll1_Change();
}

void Form18::VScroll1_Change()
{
    const int value = VScroll1->value();
    M_ItiHyouzi(value, value + VScroll1->pageStep() + 1);
}

void Form18::M_ItiHyouzi(int first, int last)
{
    if (!m_painter)
        return;
    const QString sample = sampleListText(m_host.currentSample().text);
    const SampleListLayout how = layout();
    const int width = m_Picture3->width();
    const int cleared = std::min(m_state.ListRowCount, rowCount());
    for (int i = 0; i < cleared; ++i)
        m_painter->clear(*m_Picture1[static_cast<std::size_t>(i)], how, width);
    int r = 0;
    for (const int index : m_names.page(first, last)) {
        if (r >= cleared)
            break; // a window taller than the screen shows the rows there are
        const QString name = m_names.at(index);
        if (!m_painter->draw(*m_Picture1[static_cast<std::size_t>(r)], how,
                             {sampleListLabel(index, name), name, sample}))
            m_messages.warning(u"\""_qs + name + u"\"を正常に表示できませんでした"_qs);
        ++r;
    }
}

void Form18::Picture1_DblClick(int row)
{
    const QString name = m_names.pickedName(VScroll1->value(), row);
    if (name.isEmpty())
        return;
    m_host.selectFontInList(name); // a family the list does not show leaves it as it is
    accept();
}

void Form18::Picture1_MouseDown(int row, const QPoint& globalPos)
{
    const int index = VScroll1->value() + row;
    if (!m_names.holds(index))
        return;
    m_host.openFontMenu(FontMenuForm::FontList, m_names.at(index), globalPos);
}

void Form18::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return; // minimised: the rows come back as they were
    // Closed: the rows and the fonts they were drawn in go, so the memory a pass over thousands
    // of families took goes back; the next opening draws its page anew.
    for (SampleRow* r : m_Picture1)
        r->releaseImage();
    FaceTextRenderer::shared().clear();
    FamilyFontCache::shared().clear();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void Form18::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // Keys act only while there is something to scroll.
    if (!VScroll1->isEnabled())
        return;
    switch (event->key()) {
    case Qt::Key_Up:
        VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        VScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        VScroll1->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        VScroll1->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Escape:
        reject();
        break;
    default:
        event->ignore();
        break;
    }
}

void Form18::wheelEvent(QWheelEvent* event)
{
    // The wheel moves the one scroll bar, wherever the mouse is over the window.
    if (VScroll1->isEnabled())
        QCoreApplication::sendEvent(VScroll1, event);
    event->accept();
}

bool Form18::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && (watched == m_Picture3 || qobject_cast<SampleRow*>(watched))) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace typecask
