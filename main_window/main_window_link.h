// The main window as the tool windows see it: they hold this interface, never its widgets or
// the registry that opens them.
#pragma once

#include "core/window_stacking.h"
#include "export/html_tag.h"
#include "main_window/font_menu.h"

#include <QPoint>
#include <QStringList>

namespace typecask {

struct Sample;

// What the tool windows may ask of the main window, beside its always-in-front state.
class MainWindowLink : public StackingHost
{
public:
    // The sample as the preview shows it now.
    virtual Sample currentSample() const = 0;
    // The family's first entry selected in the font list and previewed (false: not listed).
    virtual bool selectFontInList(const QString& name) = 0;
    // The family previewed without touching the lists.
    virtual void previewFont(const QString& name) = 0;
    // The names of the font list, in its order.
    virtual QStringList fontListNames() const = 0;
    // The font list's selected row, or -1.
    virtual int fontListRow() const = 0;
    // The row selected in the font list as a click selects it (the family is previewed).
    virtual void selectFontListRow(int row) = 0;
    // The sample-text box's text replaced (the preview follows).
    virtual void setSampleText(const QString& text) = 0;
    // The font popup menu for name at pos.
    virtual void openFontMenu(FontMenu::Form form, const QString& name, const QPoint& globalPos) = 0;
    // The font list refilled and the browser re-stacked after the settings changed.
    virtual void settingsChanged() = 0;
    // The HTML bar's options and size boxes as they stand.
    virtual HtmlTagOptions htmlTagOptions() const = 0;
};

} // namespace typecask
