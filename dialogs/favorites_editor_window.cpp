#include "dialogs/favorites_editor_window.h"

#include "core/favorites_edit.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "core/sample.h"
#include "core/services.h"
#include "core/session.h"
#include "core/vertical_text.h"
#include "dialogs/favorites_editing.h"
#include "widgets/family_text.h"
#include "widgets/font_list_view.h"
#include "widgets/tool_window_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace typecask {

namespace {

// How often a long list operation lets events run and shows its progress.
constexpr int ProgressIntervalMs = 50;

QListView* makeList(QWidget* parent, const QString& name, const QString& tip, FontListModel* model)
{
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setModel(model);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    return list;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QList<int> selectedRows(const QListView* list)
{
    QList<int> rows;
    for (const QModelIndex& i : list->selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

Form11::Form11(Session& session, MessageBox& messages, ToolWindowHost& host, QWidget* parent)
    : QDialog(parent), m_session(session), m_messages(messages), m_host(host),
      m_source(new FontListModel(this)), m_working(new FontListModel(this))
{
    setObjectName(u"Form11"_qs);
    setWindowTitle(u"お気に入りの編集"_qs);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    createMenus();
}

void Form11::createControls()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 0, 8, 8);
    // Line1 and Line2: the etched edge under the menu bar.
    auto* line = new QFrame(this);
    line->setObjectName(u"Line1"_qs);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 0, 0, 1, 3);

    auto* label3 = new QLabel(u"現在選択されているフォント"_qs, this);
    label3->setObjectName(u"Label3"_qs);
    auto* label4 = new QLabel(u"お気に入り"_qs, this);
    label4->setObjectName(u"Label4"_qs);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(label4, 1, 2);
    List1 = makeList(this, u"List1"_qs, u"現在選択されているフォント"_qs, m_source);
    List2 = makeList(this, u"List2"_qs, u"お気に入り"_qs, m_working);
    grid->addWidget(List1, 2, 0);
    grid->addWidget(List2, 2, 2);

    auto* buttons = new QVBoxLayout;
    QPushButton* c1 = makeButton(this, u"Command1"_qs, u"追加＞"_qs, u"フォントを追加する"_qs);
    QPushButton* c3 = makeButton(this, u"Command3"_qs, u"すべて追加＞＞"_qs,
                                 u"現在選択されているフォントをすべて追加する"_qs);
    QPushButton* c2 = makeButton(this, u"Command2"_qs, u"削除"_qs, u"フォントを削除する"_qs);
    QPushButton* c4 =
        makeButton(this, u"Command4"_qs, u"すべて削除"_qs, u"現在選択されているフォントをすべて削除する"_qs);
    QPushButton* c5 = makeButton(this, u"Command5"_qs, u"重複削除"_qs,
                                 u"お気に入りに重複して選択されているフォントを削除する"_qs);
    buttons->addStretch();
    for (QPushButton* b : {c1, c3})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {c2, c4})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(c5);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 1);

    Label2 = new FamilyTextLabel(this);
    Label2->setObjectName(u"Label2"_qs);
    Label2->setFrameShape(QFrame::StyledPanel);
    Label2->setFrameShadow(QFrame::Sunken);
    Label2->setBackgroundRole(QPalette::Base);
    Label2->setAutoFillBackground(true);
    m_previewDesignFont = Label2->font();
    m_previewDesignFont.setPointSize(16);
    Label2->setFont(m_previewDesignFont);
    Label2->setMinimumHeight(QFontMetrics(m_previewDesignFont).height() * 3 / 2);
    grid->addWidget(Label2, 3, 0, 1, 3);

    auto* bottom = new QHBoxLayout;
    Label1 = new QLabel(this);
    Label1->setObjectName(u"Label1"_qs);
    bottom->addWidget(Label1, 1);
    QPushButton* ok = makeButton(this, u"Command6"_qs, u"OK"_qs, QString());
    QPushButton* cancel = makeButton(this, u"Command7"_qs, u"Cancel"_qs, QString());
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    grid->addLayout(bottom, 4, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    resize(560, 440);

    connect(c1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(c2, &QPushButton::clicked, this, &Form11::Command2_Click);
    connect(c3, &QPushButton::clicked, this, &Form11::Command3_Click);
    connect(c4, &QPushButton::clicked, this, &Form11::Command4_Click);
    connect(c5, &QPushButton::clicked, this, &Form11::Command5_Click);
    connect(ok, &QPushButton::clicked, this, &Form11::Command6_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QListView* list : {List1, List2}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        // Only the user's choice changes the preview: not the entry a list makes current by
        // itself when it gets the focus, nor one added or removed.
        connect(list, &QListView::clicked, this, [this](const QModelIndex& index) {
            PreviewFavoriteFont(index.data(FontListModel::NameRole).toString());
        });
    }
}

void Form11::createMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(u"ファイル(&F)"_qs);
    file->setObjectName(u"file_bar"_qs);
    QAction* close = file->addAction(u"閉じる(&X)"_qs);
    close->setObjectName(u"file_bar0"_qs);
    connect(close, &QAction::triggered, this, &QDialog::reject);

    QMenu* edit = bar->addMenu(u"編集(&V)"_qs);
    edit->setObjectName(u"hensyuu_bar"_qs);
    const auto item = [this, edit](int index, const QString& caption, void (Form11::*command)()) {
        QAction* a = edit->addAction(caption);
        a->setObjectName(u"hensyuu_bar0(%1)"_qs.arg(index));
        connect(a, &QAction::triggered, this, command);
    };
    item(0, u"追加(&A)"_qs, &Form11::Command1_Click);
    item(1, u"削除(&D)"_qs, &Form11::Command2_Click);
    edit->addSeparator()->setObjectName(u"hensyuu_bar0(2)"_qs);
    item(3, u"すべて追加"_qs, &Form11::Command3_Click);
    item(4, u"すべて削除"_qs, &Form11::Command4_Click);
    edit->addSeparator()->setObjectName(u"hensyuu_bar0(5)"_qs);
    item(6, u"重複削除"_qs, &Form11::Command5_Click);
    item(7, u"フォントチェック"_qs, &Form11::FontCheck_Click);

    m_facedel_bar = new QMenu(this);
    m_facedel_bar->setObjectName(u"facedel_bar"_qs);
    m_facedel_bar00 = m_facedel_bar->addAction(u"削除"_qs);
    m_facedel_bar00->setObjectName(u"facedel_bar0(0)"_qs);
    m_facedel_bar01 = m_facedel_bar->addAction(u"追加"_qs);
    m_facedel_bar01->setObjectName(u"facedel_bar0(1)"_qs);
    m_facedel_bar->addSeparator()->setObjectName(u"facedel_bar0(2)"_qs);
    QAction* details = m_facedel_bar->addAction(u"詳細"_qs);
    details->setObjectName(u"facedel_bar0(3)"_qs);
    connect(m_facedel_bar00, &QAction::triggered, this,
            [this] { facedel_bar_Click(&Form11::Command2_Click); });
    connect(m_facedel_bar01, &QAction::triggered, this,
            [this] { facedel_bar_Click(&Form11::Command1_Click); });
    connect(details, &QAction::triggered, this, [this] {
        if (!m_session.state.ContextFontName.isEmpty())
            m_host.showFontDetails(m_session.state.ContextFontName, this);
        m_session.state.ContextFontName.clear();
    });
}

void Form11::Form_Load()
{
    m_source->clear();
    m_working->setNames(m_session.favorites.names());
    Label2->setFont(m_previewDesignFont); // each opening starts afresh
    Label2->setText(m_host.currentSample().text);
    showCount();
}

void Form11::LGetList(const QStringList& names)
{
    m_source->append(names);
}

void Form11::PreviewFavoriteFont(const QString& family)
{
    QFont f = Label2->font();
    f.setFamilies({horizontalFamilyName(family)});
    f.setBold(false);
    f.setItalic(false);
    Label2->setFont(f);
}

void Form11::showCount()
{
    Label1->setText(QString::number(m_working->count()));
}

void Form11::Command1_Click()
{
    if (m_working->count() > FavoritesLimit) {
        m_messages.notice(TooManyEditedFavoritesMessage);
        return;
    }
    if (List1->currentIndex().isValid()) {
        QStringList added;
        for (const int row : selectedRows(List1))
            added.append(m_source->at(row));
        List1->selectionModel()->clearSelection();
        m_working->append(added);
    }
    showCount();
    if (m_working->count() > 0) {
        const QModelIndex last = m_working->index(m_working->count() - 1);
        List2->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
        List2->scrollTo(last);
    }
}

void Form11::Command2_Click()
{
    if (m_working->count() > 0 && List2->currentIndex().isValid()) {
        const QList<int> rows = selectedRows(List2);
        QStringList kept;
        kept.reserve(m_working->count() - rows.size());
        auto next = rows.cbegin();
        for (int i = 0; i < m_working->count(); ++i) {
            if (next != rows.cend() && *next == i)
                ++next;
            else
                kept.append(m_working->at(i));
        }
        m_working->setNames(kept);
    }
    showCount();
}

void Form11::Command3_Click()
{
    m_working->append(m_source->names());
    showCount();
}

void Form11::Command4_Click()
{
    m_working->clear();
    showCount();
}

void Form11::runDisabled(const std::function<QStringList(const std::function<void(int)>&)>& work,
                         const std::function<QString(int)>& progressText)
{
    setEnabled(false);
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    qint64 shown = -ProgressIntervalMs;
    const QStringList result = work([&](int i) {
        if (clock.elapsed() - shown < ProgressIntervalMs)
            return;
        shown = clock.elapsed();
        if (progressText)
            Label1->setText(progressText(i));
        QCoreApplication::processEvents();
    });
    m_working->setNames(result);
    showCount();
    setEnabled(true);
}

void Form11::Command5_Click()
{
    const int n = m_working->count();
    if (n < 2)
        return;
    runDisabled(
        [this](const NameProgress& progress) { return withoutDuplicateNames(m_working->names(), progress); },
        [n](int i) { return duplicatesProgressText(i, n); });
}

void Form11::FontCheck_Click()
{
    Label1->setText(u"フォントチェック"_qs);
    runDisabled(
        [this](const NameProgress& progress) {
            return installedNames(m_working->names(), m_session.catalog, progress);
        },
        {});
}

void Form11::Command6_Click()
{
    QStringList names = m_working->names();
    sortIgnoringCase(names); // the main window's list keeps its entries sorted
    m_session.favorites.setNames(std::move(names));
    accept();
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    for (QListView* list : {List1, List2}) {
        if (watched == list && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (List_KeyDown(list, key->key()))
                return true;
            const QModelIndex current = list->currentIndex();
            const int selected = list->selectionModel()->isSelected(current) ? current.row() : -1;
            if (const std::optional<int> row = navigationRow(*list, *key, selected)) {
                if (*row >= 0) {
                    const QModelIndex to = list->model()->index(*row, 0);
                    list->selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
                    list->scrollTo(to);
                    PreviewFavoriteFont(to.data(FontListModel::NameRole).toString());
                }
                return true;
            }
        } else if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            List_MouseDown(list, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Form11::List_KeyDown(QListView* list, int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (list == List1) {
            Command1_Click();
            return true;
        }
        Command2_Click();
        List2->setFocus();
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (list != List2)
            return false;
        Command2_Click();
        List2->setFocus();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without a current entry there is no family to show.
        if (list->currentIndex().isValid())
            m_host.showFontDetails(list->currentIndex().data(FontListModel::NameRole).toString(), this);
        return true;
    default:
        return false;
    }
}

void Form11::List_MouseDown(QListView* list, const QPoint& globalPos)
{
    // The menu acts on the list's current entry, not on the one under the mouse.
    m_session.state.ContextFontName = list->currentIndex().data(FontListModel::NameRole).toString();
    m_facedel_bar01->setVisible(list == List1);
    m_facedel_bar00->setVisible(list == List2);
    m_facedel_bar->popup(globalPos);
}

void Form11::facedel_bar_Click(void (Form11::*command)())
{
    (this->*command)();
    m_session.state.ContextFontName.clear();
}

} // namespace typecask
