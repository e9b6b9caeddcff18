#include "colour_tools/pick_color.h"

#include "colour_tools/colour_picker_window.h"

#include <QPointer>

namespace typecask {

std::int32_t PickColor(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
                       QWidget* parent, PickMode mode, std::int32_t textColour, std::int32_t backColour)
{
    // A fresh window each time: the result cannot be a stale one from an earlier pick.
    QPointer<Form2> form = new Form2(session, clipboard, random, host, parent);
    form->GetSetting(mode == PickMode::TextColour, textColour, backColour);
    form->exec();
    if (!form) // the opener went away while the picker was open
        return -1;
    const std::int32_t colour = form->GetColor();
    delete form;
    return colour;
}

} // namespace typecask
