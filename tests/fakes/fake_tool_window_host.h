// A tool window host that records what the windows ask of it, for windows tested without the
// main window.
#pragma once

#include "core/sample.h"
#include "widgets/tool_window_host.h"

#include <functional>

namespace typecask::fakes {

class FakeToolWindowHost : public ToolWindowHost
{
public:
    Sample currentSample() const override { return sample; }
    bool selectFontInList(const QString& name) override
    {
        selected.append(name);
        return true;
    }
    void previewFont(const QString& name) override { previewed.append(name); }
    QStringList fontListNames() const override { return listNames; }
    int fontListRow() const override { return -1; }
    void selectFontListRow(int) override {}
    void setSampleText(const QString& text) override { sample.text = text; }
    void openFontMenu(FontMenuForm, const QString&, const QPoint&) override {}
    void settingsChanged() override {}
    HtmlTagOptions htmlTagOptions() const override { return {}; }
    void showFontDetails(const QString& name, QWidget*) override { details.append(name); }
    void openSampleList(const QStringList&, QWidget*) override {}
    void openFavoritesEditor(const QStringList&, QWidget*) override {}
    void previewFloatingColour(std::int32_t colour) override
    {
        if (floatingColour)
            floatingColour(colour);
    }
    std::vector<QWidget*> windowsHiddenForScreenRead() const override { return hiddenForRead; }

    void setMainWindowTopmost(bool onTop) override { mainTopmost = onTop; }
    void setAlwaysOnTopChecked(bool) override {}
    void setSubWindowTopmost(bool) override {}

    Sample sample;
    QStringList listNames;
    QStringList selected, previewed, details;
    std::function<void(std::int32_t)> floatingColour;
    std::vector<QWidget*> hiddenForRead;
    bool mainTopmost = true;
};

} // namespace typecask::fakes
