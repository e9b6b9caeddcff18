// What a tool window may ask beyond itself: the main window's state and the other windows.
// Tool windows hold this interface, never the main window's widgets or the registry that opens
// them; the main window provides it.
#pragma once

#include "core/window_stacking.h"
#include "export/html_tag.h"
#include "widgets/font_menu_form.h"

#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <vector>

class QWidget;

namespace typecask {

struct Sample;

class ToolWindowHost : public StackingHost
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
    virtual void openFontMenu(FontMenuForm form, const QString& name, const QPoint& globalPos) = 0;
    // The font list refilled and the browser re-stacked after the settings changed.
    virtual void settingsChanged() = 0;
    // The HTML bar's options and size boxes as they stand.
    virtual HtmlTagOptions htmlTagOptions() const = 0;

    // Windows shown modal over owner, the window that asks (null: the main window), which
    // gets the focus back when they close.
    // The details window for name, measuring the current sample.
    virtual void showFontDetails(const QString& name, QWidget* owner) = 0;
    // The font sample list over names.
    virtual void openSampleList(const QStringList& names, QWidget* owner) = 0;
    // The favourites editor with names as its source list.
    virtual void openFavoritesEditor(const QStringList& names, QWidget* owner) = 0;
    // The open floating sample window shows its text in colour while a colour is picked.
    virtual void previewFloatingColour(std::int32_t colour) = 0;
    // The tool windows that hide with the floating window while it reads the screen.
    virtual std::vector<QWidget*> windowsHiddenForScreenRead() const = 0;
};

} // namespace typecask
