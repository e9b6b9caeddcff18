// The font selection bar (Picture2) beside the browser: which font types and which
// categories the font list shows. Its boxes show and change the session's filter.
#pragma once

#include <QFrame>
#include <array>

class QAction;
class QCheckBox;
class QMenu;
class QRadioButton;

namespace typecask {

struct FontFilter;

class SelectionBar final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectionBar)
public:
    SelectionBar(FontFilter& filter, QWidget* parent);
    // Sets the boxes from the filter (after the settings changed it).
    void showFilter();
    // The menu's filter items (hyouzifont_BAR): checked as the menu opens, and acting
    // like the boxes.
    void addFilterItems(QMenu* menu);

Q_SIGNALS:
    // The user changed the filter with one of the boxes.
    void filterChanged();

private:
    FontFilter& m_filter;
    std::array<QRadioButton*, 2> m_Option1{}; // all types, TrueType only
    std::array<QCheckBox*, 4> m_Check4{};     // Japanese, Western, symbol, other
};

} // namespace typecask
