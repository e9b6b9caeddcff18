#include "font_tools/font_search_window.h"

#include "core/font_list_model.h"
#include "core/session.h"
#include "core/window_stacking.h"
#include "font_tools/font_search.h"
#include "font_tools/search_panel.h"
#include "platform/qt_units.h"
#include "widgets/font_list_view.h"
#include "widgets/strip_icons.h"
#include "widgets/tool_window_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace typecask {

namespace {

// How long the search works between two looks at the event queue.
constexpr qint64 YieldMilliseconds = 15;

constexpr int NarrowWidthTwips = 3600;

} // namespace

Form10::Form10(Session& session, ToolWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_session(session), m_host(host), m_model(new FontListModel(this))
{
    setObjectName(u"Form10"_qs);
    setWindowTitle(u"検索"_qs);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* label4 = new QLabel(u"検索する文字"_qs, this);
    label4->setObjectName(u"Label4"_qs);
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(u"Text1"_qs);
    m_Text1->setToolTip(u"検索する文字列を入力してください"_qs);
    m_Command1 = new QPushButton(u"検索"_qs, this);
    m_Command1->setObjectName(u"Command1"_qs);
    m_Command1->setToolTip(u"入力された条件で検索します"_qs);

    m_List1 = new FontListView(this);
    m_List1->setObjectName(u"List1"_qs);
    m_List1->setModel(m_model);
    m_List1->setToolTip(u"検索結果の一覧です．選択したﾌｫﾝﾄはメインウインドウに表示されます"_qs);
    QFont listFont;
    listFont.setFamilies({u"ＭＳ Ｐゴシック"_qs, QApplication::font().family()});
    m_List1->setFont(listFont);
    m_List1->keyHandler = [this](int key) { return List1_KeyDown(key); };
    m_List1->pressHandler = [this](Qt::MouseButton b, const QPoint& pos) { return List1_MouseDown(b, pos); };

    m_Check4 = new QCheckBox(u"絞込検索"_qs, this);
    m_Check4->setObjectName(u"Check4"_qs);
    m_Check4->setToolTip(u"検索結果から検索します"_qs);
    m_Check4->setEnabled(false);
    m_Check5 = new QCheckBox(u"詳細検索>>"_qs, this);
    m_Check5->setObjectName(u"Check5"_qs);
    m_Check5->setToolTip(u"ﾌｫﾝﾄの特質からも検索します"_qs);

    auto* command3 = new QPushButton(u"一覧表示"_qs, this);
    command3->setObjectName(u"Command3"_qs);
    auto* command5 = new QToolButton(this);
    command5->setObjectName(u"Command5"_qs);
    command5->setToolTip(u"お気に入りの編集"_qs);
    command5->setIcon(stripIcon(StripIcon::Edit));
    command5->setIconSize(QSize(16, 16));
    auto* command4 = new QPushButton(u"閉じる"_qs, this);
    command4->setObjectName(u"Command4"_qs);

    m_Picture1 = new SearchPanel(this);
    m_Picture1->setVisible(false);
    m_Picture1->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label4, 0, 0, 1, 3);
    layout->addWidget(m_Text1, 1, 0, 1, 2);
    layout->addWidget(m_Command1, 1, 2);
    layout->addWidget(m_List1, 2, 0, 1, 3);
    layout->addWidget(m_Check4, 3, 0, 1, 3);
    layout->addWidget(m_Check5, 4, 0, 1, 3);
    layout->addWidget(command3, 5, 0);
    layout->addWidget(command5, 5, 1, Qt::AlignLeft);
    layout->addWidget(command4, 5, 2);
    layout->addWidget(m_Picture1, 0, 3, 6, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(1, command5->sizeHint().width());

    connect(m_Text1, &QLineEdit::returnPressed, this, &Form10::Command1_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(m_Check5, &QCheckBox::clicked, this, &Form10::Check5_Click);
    connect(command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(command5, &QToolButton::clicked, this, &Form10::Command5_Click);
    connect(command4, &QPushButton::clicked, this, &QWidget::close);
    connect(m_List1, &FontListView::selectionClicked, this, &Form10::List1_Click);
    connect(m_List1, &FontListView::trackerTick, this, &Form10::Timer1_Timer);
    connect(m_List1, &FontListView::doubleClicked, this, &Form10::List1_DblClick);
}

Form10::~Form10() = default;

void Form10::Form_Load()
{
    if (QWidget* main = parentWidget()) {
        // Beside the main window, on its right where the screen has room, else on its left.
        const int width = std::max(twipsToPixels(NarrowWidthTwips), sizeHint().width());
        resize(width, main->height());
        const QRect frame = main->frameGeometry();
        QRect place(frame.right() + 1, frame.top(), width, main->height());
        if (const QScreen* screen = main->screen()) {
            const QRect room = screen->availableGeometry();
            if (place.right() > room.right())
                place.moveRight(std::max(room.left() + width, frame.left()) - 1);
            place.moveLeft(
                std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - width)));
        }
        move(place.topLeft());
    }
    AppState& st = m_session.state;
    if (st.AlwaysOnTop)
        setAlwaysOnTop(st, m_host, true);
}

std::shared_ptr<const FontNameIndex> Form10::nameIndex()
{
    const FontCatalog& catalog = m_session.catalog;
    if (!m_index || m_index->count() != catalog.totalCount())
        m_index = std::make_shared<FontNameIndex>(catalog);
    return m_index;
}

void Form10::Command1_Click()
{
    if (m_searching)
        return;
    m_searching = true;
    const QPointer<Form10> self(this);
    // The window (Command1 with it) takes no input and the list is not redrawn meanwhile.
    setEnabled(false);
    m_List1->setUpdatesEnabled(false);
    QCoreApplication::processEvents();
    if (!self)
        return;

    m_Picture1->checkThreshold();
    SearchRequest request{m_Text1->text(), std::nullopt, std::nullopt};
    if (m_Check5->isChecked())
        request.detailed = m_Picture1->conditions();
    if (m_Check4->isChecked())
        request.narrowFrom = m_model->names();
    m_model->clear();

    const std::shared_ptr<const FontNameIndex> index = nameIndex();
    const AppState& st = m_session.state;
    QElapsedTimer sinceYield;
    sinceYield.start();
    int shown = -1;
    const QStringList found = searchFonts(m_session.catalog, *index, request, [&](int i, int count) {
        if (sinceYield.elapsed() < YieldMilliseconds)
            return true;
        if (const int percent = searchProgressPercent(i, count); percent != shown) {
            setWindowTitle(QString::number(percent) + u'%');
            shown = percent;
        }
        QCoreApplication::processEvents();
        sinceYield.restart();
        // Closed meanwhile, or the program is quitting (the catalog is going away).
        return self && !m_closing && !st.Loading;
    });
    if (!self)
        return;

    m_model->setNames(found);
    const bool narrowing = found.size() >= NarrowingMinimum;
    m_Check4->setEnabled(narrowing);
    if (!narrowing)
        m_Check4->setChecked(false);
    m_List1->setUpdatesEnabled(true);
    setEnabled(true);
    setWindowTitle(u"検索終了["_qs + QString::number(found.size()) + u']');
    m_searching = false;
}

void Form10::Check5_Click()
{
    // The window widens by the panel's width and narrows by it again.
    const int panelWidth = m_Picture1->sizeHint().width() + layout()->spacing();
    const int narrowWidth = m_Check5->isChecked() ? width() : width() - panelWidth;
    m_Picture1->setVisible(m_Check5->isChecked());
    m_Picture1->setEnabled(m_Check5->isChecked());
    layout()->activate();
    const QSize minimum = minimumSizeHint();
    const int wanted = m_Check5->isChecked() ? narrowWidth + panelWidth : narrowWidth;
    QRect frame = geometry();
    frame.setSize(QSize(std::max(minimum.width(), wanted), std::max(minimum.height(), height())));
    // Widened past the screen's edge, the window moves back onto it.
    if (const QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        if (frame.right() > room.right())
            frame.moveRight(std::max(room.right(), room.left() + frame.width() - 1));
    }
    setGeometry(frame);
}

void Form10::Command3_Click()
{
    m_host.openSampleList(m_model->names(), this);
}

void Form10::Command5_Click()
{
    m_host.openFavoritesEditor(m_model->names(), this);
}

void Form10::List1_Click()
{
    m_session.state.CurrentFontName = m_List1->selectedName();
    m_host.previewFont(m_session.state.CurrentFontName);
}

void Form10::Timer1_Timer()
{
    const int row = m_List1->selectedRow();
    if (row >= 0 && m_model->at(row) != m_session.state.CurrentFontName)
        List1_Click();
}

void Form10::List1_DblClick()
{
    const QString name = m_List1->selectedName();
    if (name.isEmpty())
        return;
    m_session.state.CurrentFontName = name;
    m_host.selectFontInList(name); // nothing happens there when the main list lacks it
}

bool Form10::List1_KeyDown(int key)
{
    const QString name = m_List1->selectedName();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without a selection there is no family to show.
        if (!name.isEmpty()) {
            m_session.state.CurrentFontName = name;
            m_host.showFontDetails(name, this);
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        List1_DblClick();
        return true;
    case Qt::Key_Space:
        if (!name.isEmpty())
            m_host.openFontMenu(
                FontMenuForm::FontList, name,
                m_List1->viewport()->mapToGlobal(m_List1->visualRect(m_List1->currentIndex()).center()));
        return true;
    default:
        return false;
    }
}

bool Form10::List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton)
        return false;
    // The menu acts on the selected entry, offering to add it to the favourites.
    m_host.openFontMenu(FontMenuForm::FontList, m_List1->selectedName(), globalPos);
    return true;
}

void Form10::keyPressEvent(QKeyEvent* event)
{
    // Keys the focused control leaves alone reach the window (Form_KeyDown).
    const AppState& st = m_session.state;
    switch (event->key()) {
    case Qt::Key_F1:
        Command3_Click();
        break;
    case Qt::Key_F2:
        m_host.setSampleText(st.SampleTextWestern);
        break;
    case Qt::Key_F3:
        m_host.setSampleText(st.SampleTextJapanese);
        break;
    case Qt::Key_F4:
        m_host.setSampleText(st.SampleTextSymbol);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Form10::closeEvent(QCloseEvent* event)
{
    m_closing = true; // a search under way stops at its next look at the events
    if (QWidget* main = parentWidget())
        main->activateWindow();
    QWidget::closeEvent(event);
}

} // namespace typecask
