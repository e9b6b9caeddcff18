// Menu pieces shared by the menu bar and the font context menu.
#pragma once

#include <QString>
#include <functional>

class QMenu;

namespace typecask {

// The seven font-name forms (item 1 a separator), named name(0) .. name(6); chosen gets
// the index of the item triggered.
void addFontNameForms(QMenu* menu, const QString& first, const QString& name,
                      const std::function<void(int)>& chosen);

} // namespace typecask
