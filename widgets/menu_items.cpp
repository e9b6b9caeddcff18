#include "widgets/menu_items.h"

#include <QAbstractButton>
#include <QMenu>

namespace typecask {

QAction* item(QMenu* menu, const QString& caption, const QString& name, bool enabled)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
}

QMenu* submenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* checkable(QAction* a)
{
    a->setCheckable(true);
    return a;
}

QAction* buttonItem(QMenu* menu, const QString& caption, const QString& name, QAbstractButton* button)
{
    QAction* a = checkable(item(menu, caption, name));
    QObject::connect(a, &QAction::triggered, button, &QAbstractButton::click);
    QObject::connect(menu, &QMenu::aboutToShow, a, [a, button] { a->setChecked(button->isChecked()); });
    return a;
}

void addFontNameForms(QMenu* menu, const QString& first, const QString& name,
                      const std::function<void(int)>& chosen)
{
    const QString forms[7] = {first,
                              QString(),
                              u"FACE=\"フォント名\""_qs,
                              u"FACE=フォント名"_qs,
                              u"face=\"フォント名\""_qs,
                              u"face=フォント名"_qs,
                              u"fontfamiliy;フォント名"_qs};
    for (int i = 0; i < 7; ++i) {
        if (i == 1)
            menu->addSeparator()->setObjectName(u"%1(1)"_qs.arg(name));
        else
            QObject::connect(item(menu, forms[i], u"%1(%2)"_qs.arg(name).arg(i)), &QAction::triggered, menu,
                             [chosen, i] { chosen(i); });
    }
}

} // namespace typecask
