// Menu pieces the menu bar and the font context menu share.
#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QAction;
class QMenu;

namespace typecask {

// An item with its caption and object name.
QAction* item(QMenu* menu, const QString& caption, const QString& name, bool enabled = true);
// A submenu whose menu and item both carry name.
QMenu* submenu(QMenu* parent, const QString& caption, const QString& name);
QAction* checkable(QAction* action);
// A checkable item that acts through a check button of a bar (so both stay in step) and
// shows the button's state each time the menu opens.
QAction* buttonItem(QMenu* menu, const QString& caption, const QString& name, QAbstractButton* button);

// The seven font-name forms (item 1 a separator), named name(0) .. name(6); chosen gets
// the index of the item triggered.
void addFontNameForms(QMenu* menu, const QString& first, const QString& name,
                      const std::function<void(int)>& chosen);

} // namespace typecask
