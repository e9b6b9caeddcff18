// Building blocks the main window's strips share.
#pragma once

#include <QBoxLayout>
#include <QIcon>
#include <QString>

class QFrame;
class QToolButton;

namespace typecask {

// An empty strip with its box layout.
QFrame* makeStrip(QFrame* strip, const QString& name, QBoxLayout::Direction direction);
QToolButton* addToolButton(QWidget* strip, const QString& name, const QString& tip, const QIcon& icon,
                           bool checkable = false);
QToolButton* addTextButton(QWidget* strip, const QString& name, const QString& caption, const QString& tip,
                           bool checkable = false);
void addSeparator(QWidget* strip);
// A command whose window a later part of the program builds: shown, not yet usable.
QToolButton* pending(QToolButton* button);

} // namespace typecask
