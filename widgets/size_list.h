// A combo box of sizes that pops up as a scrolling list of its visible-item count, even where
// the style would pop it up as a menu as tall as the screen.
#pragma once

#include <QComboBox>

class QProxyStyle;

namespace typecask {

class SizeList final : public QComboBox
{
public:
    using QComboBox::QComboBox;
    void showPopup() override;

private:
    QProxyStyle* m_listPopup = nullptr;
};

} // namespace typecask
