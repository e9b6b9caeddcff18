#include "font_tools/character_map_window.h"

#include "core/sample.h"
#include "core/services.h"
#include "core/session.h"
#include "font_tools/character_grid.h"
#include "widgets/tool_window_host.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

namespace typecask {

namespace {

constexpr int CellPointSize = 20;
// The sample-text box of the main window holds at most this many characters.
constexpr int SampleTextLimit = 200;

QFont pageListFont()
{
    // The design face where it exists, the desktop's own otherwise.
    QFont f;
    f.setFamilies({u"ＭＳ Ｐゴシック"_qs, QApplication::font().family()});
    return f;
}

QString menuCaption(QString text)
{
    return text.replace(u'&', u"&&"_qs); // a family name is no mnemonic
}

} // namespace

Form12::Form12(Session& session, Clipboard& clipboard, ToolWindowHost& host, QWidget* parent)
    : QDialog(parent), m_session(session), m_clipboard(clipboard), m_host(host)
{
    setObjectName(u"Form12"_qs);
    setWindowTitle(u"文字一覧"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_menuBar = new QMenuBar(this);
    m_popup0 = m_menuBar->addMenu(u"ﾌｧｲﾙ(&F)"_qs);
    m_popup0->setObjectName(u"popup0"_qs);
    m_copy = m_popup0->addAction(u"コピー(&C)"_qs);
    m_copy->setObjectName(u"popup00(0)"_qs);
    m_popup0->addSeparator()->setObjectName(u"popup00(1)"_qs);
    QAction* close = m_popup0->addAction(u"閉じる(&X)"_qs);
    close->setObjectName(u"popup00(2)"_qs);
    QAction* back = m_menuBar->addAction(u"←(&B)"_qs);
    back->setObjectName(u"back_bar"_qs);
    QAction* next = m_menuBar->addAction(u"→(&N)"_qs);
    next->setObjectName(u"next_bar"_qs);
    m_fontname_bar = m_menuBar->addAction(u"[]"_qs);
    m_fontname_bar->setObjectName(u"fontname_bar"_qs);

    m_client = new QWidget(this);
    m_client->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);

    m_List2 = new QListWidget(m_client);
    m_List2->setObjectName(u"List2"_qs);
    m_List2->setFont(pageListFont());
    m_List2->addItems(characterPageList());
    m_List2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Room for two digits beside the scroll bar.
    m_List2->setFixedWidth(m_List2->fontMetrics().horizontalAdvance(u"FF"_qs) + 16 +
                           m_List2->verticalScrollBar()->sizeHint().width() + 2 * m_List2->frameWidth());

    m_List1 = new CharacterGrid(m_client);
    m_List1->setObjectName(u"List1"_qs);
    m_List1->setToolTip(
        u"文字一覧．ダブルクリックするとメインフォームのTEXTBOXに文字を入力する事ができます．"_qs);

    connect(m_popup0, &QMenu::aboutToShow, this, &Form12::popup0_Click);
    connect(m_copy, &QAction::triggered, this, [this] { popup00_Click(0); });
    connect(close, &QAction::triggered, this, [this] { popup00_Click(2); });
    connect(back, &QAction::triggered, this, &Form12::back_bar_Click);
    connect(next, &QAction::triggered, this, &Form12::next_bar_Click);
    connect(m_fontname_bar, &QAction::triggered, this, &Form12::fontname_bar_Click);
    connect(m_List1, &CharacterGrid::cellSelected, this, &Form12::List1_Click);
    connect(m_List1, &CharacterGrid::cellDoubleClicked, this, &Form12::List1_DblClick);
    connect(m_List1, &CharacterGrid::contextMenuRequested, m_popup0,
            [this](const QPoint& pos) { m_popup0->popup(pos); });
    connect(m_List2, &QListWidget::currentRowChanged, this, &Form12::List2_Click);
}

void Form12::Form_Load(const QSize& mainWindowSize)
{
    setWindowTitle(u"文字一覧"_qs);
    showFontOf(m_session.state.CurrentFontName);
    resize(mainWindowSize);
    Form_Resize();
}

void Form12::showFontOf(const QString& name)
{
    const FontCatalog::Entry* entry = m_session.catalog.find(name);
    m_List2->setVisible(entry && showsCharacterPages(entry->font.charset));
    {
        const QSignalBlocker quiet(m_List2); // no page switch: the single-byte page follows
        m_List2->setCurrentRow(-1);
        m_List2->clearSelection();
        m_List2->scrollToTop();
    }
    Form_Resize();
    m_fontname_bar->setText(menuCaption(name));
    m_List1->clearPage();
    m_List1->setCharacterFont(name, CellPointSize);
    m_List1->setPage(0);
}

void Form12::Form_Resize()
{
    const QSize inner = m_client->size();
    if (!m_List2->isHidden()) {
        m_List2->setGeometry(0, 0, m_List2->width(), inner.height());
        const int width =
            inner.width() > m_List2->width() ? inner.width() - m_List2->width() : m_List1->width();
        m_List1->setGeometry(m_List2->width(), 0, width, inner.height());
    } else {
        m_List1->setGeometry(0, 0, inner.width(), inner.height());
    }
}

bool Form12::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        Form_Resize();
    return QDialog::eventFilter(watched, event);
}

void Form12::List1_Click(int row)
{
    setWindowTitle(characterMapCaption(m_List1->selectedCharacter(), row));
}

void Form12::List1_DblClick(int)
{
    const QString ch = m_List1->selectedCharacter();
    m_host.setSampleText(appendedSampleText(m_host.currentSample().text, ch, SampleTextLimit));
}

void Form12::List2_Click(int row)
{
    m_List1->setUpdatesEnabled(false);
    m_List1->clearPage();
    m_List1->setPage(characterPageBase(row));
    m_List1->setUpdatesEnabled(true);
}

void Form12::popup0_Click()
{
    m_copy->setEnabled(m_List1->selectedRow() >= 0);
}

void Form12::popup00_Click(int index)
{
    if (index == 2) {
        reject();
        return;
    }
    if (index != 0 || m_List1->selectedRow() < 0)
        return;
    Sample sample = m_host.currentSample();
    sample.fontName = m_session.state.CurrentFontName;
    m_clipboard.set(characterCopy(m_session.catalog, sample, m_List1->selectedCharacter()));
}

void Form12::stepFont(bool next)
{
    const int row =
        steppedFontRow(m_host.fontListRow(), static_cast<int>(m_host.fontListNames().size()), next);
    if (row < 0)
        return;
    m_host.selectFontListRow(row); // the list's own click previews it and sets CurrentFontName
    showFontOf(m_session.state.CurrentFontName);
}

void Form12::fontname_bar_Click()
{
    m_host.showFontDetails(m_session.state.CurrentFontName, this);
}

} // namespace typecask
