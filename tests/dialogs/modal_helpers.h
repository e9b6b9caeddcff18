// Driving a modal window while it is shown: the inspection runs from the window's own event
// loop, and the window is closed afterwards if it is still open.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace typecask::uitest {

template <typename Window>
void withModal(const std::function<void()>& open, const std::function<void(Window&)>& inspect)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!w)
            return;
        ran = true;
        inspect(*w);
        if (w->isVisible())
            w->reject();
    });
    open();
    EXPECT_TRUE(ran) << "the window did not open modal";
}

} // namespace typecask::uitest
