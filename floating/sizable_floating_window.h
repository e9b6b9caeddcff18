// The sizable floating sample window (a tool window): the sample over a captured piece of the
// screen, with a picture that reaches a little beyond the client area.
#pragma once

#include "floating/floating_window.h"

namespace typecask {

class Form15 final : public FloatingWindow
{
    Q_OBJECT
public:
    explicit Form15(QWidget* parent);

    bool isSizable() const override { return true; }

protected:
    void placeControls() override;
};

} // namespace typecask
