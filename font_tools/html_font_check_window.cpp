#include "font_tools/html_font_check_window.h"

#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "core/session.h"
#include "font_tools/css_font_resolve.h"
#include "platform/qt_units.h"
#include "widgets/font_list_view.h"
#include "widgets/strip_icons.h"
#include "widgets/tool_window_host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace typecask {

namespace {

const QString Caption = QStringLiteral("見つかったフォント");

// The design face of the lists, or the nearest one here.
QFont listFont()
{
    QFont f = QApplication::font();
    f.setFamilies({u"ＭＳ Ｐゴシック"_qs, u"IPAPGothic"_qs, QApplication::font().family()});
    return f;
}

} // namespace

Form14::Form14(Session& session, ToolWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_host(host), m_check(session.catalog),
      m_model(new FontListModel(this))
{
    setObjectName(u"Form14"_qs);
    setWindowTitle(Caption);

    m_Label1 = new QLabel(u"ｲﾝｽﾄｰﾙされているﾌｫﾝﾄ"_qs, this);
    m_Label1->setObjectName(u"Label1"_qs);
    List1 = new FontListView(this);
    List1->setObjectName(u"List1"_qs);
    List1->setToolTip(u"見つかったﾌｫﾝﾄの一覧です．"_qs);
    List1->setFont(listFont());
    List1->setModel(m_model);
    List1->keyHandler = [this](int key) { return List1_KeyDown(key); };
    List1->pressHandler = [this](Qt::MouseButton b, const QPoint& pos) { return List1_MouseDown(b, pos); };
    m_Label1->setBuddy(List1);

    m_Label2 = new QLabel(u"ｲﾝｽﾄｰﾙされていないﾌｫﾝﾄ"_qs, this);
    m_Label2->setObjectName(u"Label2"_qs);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(u"Text1"_qs);
    Text1->setToolTip(u"見つからなかったﾌｫﾝﾄの一覧です"_qs);
    Text1->setFont(listFont());
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_Command1 = new QPushButton(u"一覧表示"_qs, this);
    m_Command1->setObjectName(u"Command1"_qs);
    m_Command1->setToolTip(u"見つかったﾌｫﾝﾄを一覧表示します"_qs);
    m_Command3 = new QToolButton(this);
    m_Command3->setObjectName(u"Command3"_qs);
    m_Command3->setIcon(stripIcon(StripIcon::Edit));
    m_Command3->setIconSize(QSize(16, 16));
    m_Command3->setToolTip(u"お気に入りの編集"_qs);
    m_Command2 = new QPushButton(u"閉じる"_qs, this);
    m_Command2->setObjectName(u"Command2"_qs);

    // The two lists on the first tab as they always were; the CSS view on the second.
    Tabs = new QTabWidget(this);
    Tabs->setObjectName(u"Tabs"_qs);
    auto* names = new QWidget;
    auto* grid = new QGridLayout(names);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->addWidget(m_Label1, 0, 0);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(m_Label2, 0, 1);
    grid->addWidget(Text1, 1, 1);
    grid->setRowStretch(1, 1);
    Tabs->addTab(names, u"ﾌｫﾝﾄ名"_qs);

    CssList = new QTreeWidget;
    CssList->setObjectName(u"CssList"_qs);
    CssList->setToolTip(u"ｽﾀｲﾙｼｰﾄのﾌｫﾝﾄ指定ごとに、このﾏｼﾝで表示に使うﾌｫﾝﾄと表示できない文字です"_qs);
    CssList->setFont(listFont());
    CssList->setHeaderLabels({u"ﾌｫﾝﾄ指定"_qs, u"表示に使うﾌｫﾝﾄ"_qs, u"状態"_qs, u"表示できない文字"_qs});
    CssList->setRootIsDecorated(true);
    CssList->header()->setSectionResizeMode(QHeaderView::Interactive);
    Tabs->addTab(CssList, u"CSS"_qs);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Tabs, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_Command1);
    buttons->addWidget(m_Command3);
    buttons->addStretch();
    buttons->addWidget(m_Command2);
    layout->addLayout(buttons, 1, 0);
    layout->setRowStretch(0, 1);
    resize(twipsToPixels(7200), twipsToPixels(5400));

    connect(m_Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    connect(m_Command3, &QToolButton::clicked, this,
            [this] { m_host.openFavoritesEditor(installedNames(), this); });
    connect(m_Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(List1, &FontListView::selectionClicked, this, &Form14::List1_Click);
    connect(List1, &FontListView::trackerTick, this, &Form14::Timer1_Timer);
    connect(List1, &FontListView::doubleClicked, this, &Form14::List1_DblClick);

    // F1 to F4 act wherever the focus is in the window.
    const auto key = [this](int k, auto action) {
        auto* s = new QShortcut(QKeySequence(k), this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    AppState& st = m_session.state;
    key(Qt::Key_F1, [this] { Command1_Click(); });
    key(Qt::Key_F2, [this, &st] { m_host.setSampleText(st.SampleTextWestern); });
    key(Qt::Key_F3, [this, &st] { m_host.setSampleText(st.SampleTextJapanese); });
    key(Qt::Key_F4, [this, &st] { m_host.setSampleText(st.SampleTextSymbol); });
}

Form14::~Form14() = default;

HtmlReadResult Form14::open_html(const QString& path, const HtmlFontCheck::Progress& progress)
{
    QCoreApplication::processEvents();
    const HtmlReadResult r = m_check.readFile(path, progress);
    // A file that failed part-way keeps the names read before the failure.
    if (r.status != HtmlReadResult::Status::Ignored) {
        showResults();
        if (r.status == HtmlReadResult::Status::Read)
            m_css.scanFile(path, progress);
        showCssResults();
    }
    return r;
}

void Form14::showCssResults()
{
    if (!m_resolver)
        m_resolver = std::make_unique<FontconfigResolver>();
    CssList->clear();
    for (const CssCheckRow& row :
         cssCheckRows(resolveFamilyLists(m_css.lists(), m_css.webFonts(), *m_resolver), m_css.webFonts())) {
        auto* item = new QTreeWidgetItem(CssList, row.columns);
        for (int c = 0; c < row.columns.size(); ++c)
            item->setToolTip(c, row.columns[c]); // the whole text of a cut column
        if (row.fails)
            item->setForeground(2, QColor(Qt::red));
        // Characters the list's fonts lack are shown in the fonts that have them.
        QFont uncovered = CssList->font();
        uncovered.setFamilies(row.uncoveredFamilies + CssList->font().families());
        item->setFont(3, uncovered);
        for (const QStringList& child : row.children) {
            auto* c = new QTreeWidgetItem(item, child);
            if (!child.value(1).isEmpty()) {
                QFont drawn = CssList->font();
                drawn.setFamilies(QStringList{child.value(1)} + CssList->font().families());
                c->setFont(3, drawn);
            }
        }
    }
    CssList->expandAll();
    fitCssColumns();
}

void Form14::fitCssColumns()
{
    // The verdict and the characters stay in view as the window is resized: the list as
    // written and the font take what they need up to their share, the characters the rest.
    // (A tab not yet shown has no width of its own: the window's width stands in.)
    const int room = std::max(CssList->viewport()->width(), width() - 24);
    const int widths[] = {room * 2 / 5, room / 4, room / 6};
    int used = 0;
    for (int c = 0; c < 3; ++c) {
        CssList->resizeColumnToContents(c);
        CssList->setColumnWidth(c, std::min(CssList->columnWidth(c), widths[c]));
        used += CssList->columnWidth(c);
    }
    CssList->setColumnWidth(3, std::max(room - used, CssList->fontMetrics().averageCharWidth() * 10));
}

void Form14::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitCssColumns();
}

void Form14::showResults()
{
    QString text;
    for (const QString& name : m_check.missing())
        text += name + u'\n';
    Text1->setPlainText(text);
    QStringList names = m_check.found();
    sortIgnoringCase(names); // a sorted list box
    m_model->setNames(std::move(names));
    setWindowTitle(Caption + u'[' + QString::number(m_model->count()) + u']');
}

QStringList Form14::installedNames() const
{
    return m_model->names();
}

void Form14::closeEvent(QCloseEvent* event)
{
    // Closing unloads the window: the next file starts from empty lists.
    m_check.clear();
    m_css.clear();
    m_model->clear();
    Text1->clear();
    CssList->clear();
    setWindowTitle(Caption);
    event->accept();
}

void Form14::Command1_Click()
{
    m_host.openSampleList(installedNames(), this);
}

void Form14::List1_Click()
{
    m_session.state.CurrentFontName = List1->selectedName();
    m_host.previewFont(m_session.state.CurrentFontName);
}

void Form14::Timer1_Timer()
{
    const QString name = List1->selectedName();
    if (!name.isEmpty() && name != m_session.state.CurrentFontName)
        List1_Click();
}

void Form14::List1_DblClick()
{
    const QString name = List1->selectedName();
    if (name.isEmpty())
        return;
    m_session.state.CurrentFontName = name;
    m_host.selectFontInList(name);
}

bool Form14::List1_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (List1->selectedRow() >= 0)
            m_host.showFontDetails(List1->selectedName(), this);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        List1_DblClick();
        return true;
    case Qt::Key_Space:
        openFontMenu(List1->viewport()->mapToGlobal(List1->visualRect(List1->currentIndex()).center()));
        return true;
    default:
        return false;
    }
}

bool Form14::List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton)
        return false;
    openFontMenu(globalPos);
    return true;
}

void Form14::openFontMenu(const QPoint& globalPos)
{
    // The menu of the font list: "add to favourites" shown, "delete" hidden.
    m_host.openFontMenu(FontMenuForm::FontList, List1->selectedName(), globalPos);
}

} // namespace typecask
