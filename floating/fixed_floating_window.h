// The borderless floating sample window of fixed size: the sample over a captured piece of
// the screen. Escape closes it.
#pragma once

#include "floating/floating_window.h"

namespace typecask {

class Form16 final : public FloatingWindow
{
    Q_OBJECT
public:
    explicit Form16(QWidget* parent);

    bool isSizable() const override { return false; }
    // The size stays fixed for the user; a swap from Form15 brings its own.
    void setClientGeometry(const QRect& geometry) override;

protected:
    void placeControls() override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace typecask
