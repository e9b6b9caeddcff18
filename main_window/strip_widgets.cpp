#include "main_window/strip_widgets.h"

#include <QFrame>
#include <QToolButton>

namespace typecask {

QFrame* makeStrip(QFrame* strip, const QString& name, QBoxLayout::Direction direction)
{
    strip->setObjectName(name);
    auto* layout = new QBoxLayout(direction, strip);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(1);
    return strip;
}

QToolButton* addToolButton(QWidget* strip, const QString& name, const QString& tip, const QIcon& icon,
                           bool checkable)
{
    auto* b = new QToolButton(strip);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    b->setFocusPolicy(Qt::TabFocus);
    strip->layout()->addWidget(b);
    return b;
}

QToolButton* addTextButton(QWidget* strip, const QString& name, const QString& caption, const QString& tip,
                           bool checkable)
{
    QToolButton* b = addToolButton(strip, name, tip, QIcon(), checkable);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(24);
    return b;
}

void addSeparator(QWidget* strip)
{
    auto* line = new QFrame(strip);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(8);
    strip->layout()->addWidget(line);
}

QToolButton* pending(QToolButton* button)
{
    button->setEnabled(false);
    return button;
}

} // namespace typecask
