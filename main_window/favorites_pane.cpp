#include "main_window/favorites_pane.h"

#include "core/font_list_model.h"
#include "platform/qt_units.h"
#include "widgets/font_list_view.h"
#include "widgets/strip_icons.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace typecask {

FavoritesPane::FavoritesPane(FontListModel& favorites, const QString& currentFontName, QWidget* parent)
    : QFrame(parent), m_favorites(favorites), m_currentFontName(currentFontName)
{
    setObjectName(u"Picture8"_qs);
    setFixedWidth(twipsToPixels(2700)); // a side pane; the browser keeps the room
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    const auto button = [this, buttons](const QString& name, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setIconSize(QSize(16, 16));
        buttons->addWidget(b);
        return b;
    };
    QToolButton* c16 = button(u"Command16"_qs, u"お気に入りの一覧表示"_qs);
    c16->setIcon(stripIcon(StripIcon::FavoritesList));
    QToolButton* c17 = button(u"Command17"_qs, u"お気に入りの編集"_qs);
    c17->setIcon(stripIcon(StripIcon::Edit));
    buttons->addStretch();
    QToolButton* c18 = button(u"Command18"_qs, QString());
    c18->setText(u"×"_qs);
    layout->addLayout(buttons);

    List1 = new FontListView(this);
    List1->setObjectName(u"List1"_qs);
    List1->setModel(&m_favorites);
    List1->keyHandler = [this](int key) { return List1_KeyDown(key); };
    List1->pressHandler = [this](Qt::MouseButton b, const QPoint& pos) { return List1_MouseDown(b, pos); };
    layout->addWidget(List1, 1);

    connect(List1, &FontListView::selectionClicked, this,
            [this] { Q_EMIT fontChosen(List1->selectedName()); });
    connect(List1, &FontListView::trackerTick, this, &FavoritesPane::Timer1_Timer);
    connect(c16, &QToolButton::clicked, this, &FavoritesPane::sampleListRequested);
    connect(c17, &QToolButton::clicked, this, &FavoritesPane::editorRequested);
    connect(c18, &QToolButton::clicked, this, &FavoritesPane::closeRequested);
}

void FavoritesPane::Timer1_Timer()
{
    const int row = List1->selectedRow();
    if (row >= 0 && m_favorites.at(row) != m_currentFontName)
        Q_EMIT fontChosen(m_favorites.at(row));
}

bool FavoritesPane::List1_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeSelected();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without a selection there is no name to show, and the preview font stays.
        if (hasSelection())
            Q_EMIT detailsRequested(List1->selectedName());
        return true;
    default:
        return false;
    }
}

bool FavoritesPane::List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::LeftButton)
        return false;
    Q_EMIT fontMenuRequested(List1->selectedName(), globalPos);
    return true;
}

bool FavoritesPane::hasSelection() const
{
    return List1->selectedRow() >= 0;
}

void FavoritesPane::removeSelected()
{
    const int row = List1->selectedRow();
    if (row < 0)
        return;
    // Nothing is selected afterwards, so a second Delete removes nothing and no neighbour is
    // previewed.
    List1->clearSelection();
    List1->setCurrentIndex(QModelIndex());
    m_favorites.removeAt(row);
}

} // namespace typecask
