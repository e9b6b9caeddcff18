#include "main_window/mnemonic_menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace typecask {

namespace {

class MnemonicFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (!menu || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        const int letter = QKeySequence(key->text().toUpper())[0].toCombined() & 0xffff;
        int matches = 0;
        QAction* usable = nullptr;
        int usableCount = 0;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            if ((QKeySequence::mnemonic(a->text())[0].toCombined() & 0xffff) != letter)
                continue;
            ++matches;
            if (a->isEnabled()) {
                usable = a;
                ++usableCount;
            }
        }
        // Only where Qt would stop at a highlight although just one item can be chosen.
        if (matches < 2 || usableCount != 1)
            return false;
        menu->setActiveAction(usable);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
        return true;
    }
};

} // namespace

void skipDisabledMnemonics(QWidget* root)
{
    auto* filter = new MnemonicFilter(root);
    for (QMenu* m : root->findChildren<QMenu*>())
        m->installEventFilter(filter);
}

} // namespace typecask
