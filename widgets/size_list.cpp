#include "widgets/size_list.h"

#include <QProxyStyle>

namespace typecask {

namespace {

class ListPopupStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

void SizeList::showPopup()
{
    // Given at the first popup: a style sheet, or a style set at construction, costs parsing
    // and polishing at start-up.
    if (!m_listPopup) {
        m_listPopup = new ListPopupStyle;
        m_listPopup->setParent(this);
        setStyle(m_listPopup);
    }
    QComboBox::showPopup();
}

} // namespace typecask
