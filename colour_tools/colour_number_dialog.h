// The numeric input "数値入力": a colour typed as "r,g,b" or as six hexadecimal digits.
#pragma once

#include "colour_tools/colour_rules.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace typecask {

struct AppState;
class Clipboard;
class StackingHost;

class Form7 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form7)
public:
    using Apply = std::function<void(const Channels&)>;
    // The load: starts from the clipboard's text when it holds text or RTF (none: empty).
    Form7(AppState& state, const Clipboard* clipboard, StackingHost* stacking, Apply apply,
          QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Unreadable input leaves the window open and the picker unchanged.
    void Command1_Click();

    Apply m_apply;
    QLineEdit* m_Text1; // the typed or pasted colour
};

} // namespace typecask
