// Menu mnemonics that look past disabled items: Qt only highlights an item whose letter
// another item shares, even when the other item cannot be chosen.
#pragma once

class QWidget;

namespace typecask {

// Applies to every menu below root, including menus added later through the same root.
void skipDisabledMnemonics(QWidget* root);

} // namespace typecask
