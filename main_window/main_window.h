// The program's top-level window: menus, the docked bars, the favourites pane and the font
// browser in the middle. The bars and the pane are their own widgets; this class lays them
// out, builds the menus (menus.cpp) and wires them to the session and the windows.
#pragma once

#include "core/window_stacking.h"
#include "main_window/window_registry.h"
#include "storage/settings_file.h"
#include "widgets/font_menu.h"

#include <QMainWindow>
#include <array>

class QAction;
class QMenu;
class QMimeData;

namespace typecask {

class ButtonStrip;
class FavoritesPane;
class FontListModel;
class FontListView;
class Form1;
class HtmlBar;
class RtfBar;
class SelectionBar;
class Session;
struct Sample;
struct Services;

class MDIForm1 final : public QMainWindow, public ToolWindowHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MDIForm1)
public:
    MDIForm1(Session& session, Services& services, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The load: settings applied, favourites listed, window placed, HTML files handed on,
    // the font list filled and the first preview drawn.
    void MDIForm_Load(const SettingsLines& settings, const QStringList& favoriteLines,
                      const QStringList& htmlPaths);
    // Shutdown: settings, then favourites, written; every other window unloaded.
    void MDIForm_Unload();

    // Refills the font list from the catalog through the session's filter.
    void ListChenge();
    // Files dropped on the window (local files only; plain text is ignored).
    bool MDIForm_OLEDragDrop(const QMimeData& data);
    // Re-lays out the client area after a strip was shown or hidden.
    void MDIForm_Resize();

    // Opens face_bar at pos; ContextFontName is set by the opener.
    void openFontMenu(FontMenuForm form, const QPoint& globalPos);
    QMenu* fontMenu() const;

    // ToolWindowHost
    Sample currentSample() const override;
    bool selectFontInList(const QString& name) override;
    void previewFont(const QString& name) override;
    QStringList fontListNames() const override;
    int fontListRow() const override;
    void selectFontListRow(int row) override;
    void setSampleText(const QString& text) override;
    void openFontMenu(FontMenuForm form, const QString& name, const QPoint& globalPos) override;
    void settingsChanged() override;
    HtmlTagOptions htmlTagOptions() const override;
    void showFontDetails(const QString& name, QWidget* owner = nullptr) override;
    void openSampleList(const QStringList& names, QWidget* owner) override;
    void openFavoritesEditor(const QStringList& names, QWidget* owner) override;
    void previewFloatingColour(std::int32_t colour) override;
    std::vector<QWidget*> windowsHiddenForScreenRead() const override;

    // The copy commands of the Edit menu, the bars and the font menu.
    void MakeRTF();
    void MakeTag();

    Form1* form1() const { return m_form1; }
    FontListModel* favorites() const;
    FontListView* favoritesView() const;
    WindowRegistry& windows() { return m_windows; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // menus.cpp
    void createMenus();
    void createViewMenu();
    void createToolMenus();
    void openFolder(const QString& path);

    void createBars();
    void wireBars();
    void Combo1_Click(int index);
    void pickColour(bool background);
    void showSelectionBar(bool visible);
    void showStrips();
    HtmlBar* htmlBar();
    RtfBar* rtfBar();

    // StackingHost
    void setMainWindowTopmost(bool onTop) override;
    void setAlwaysOnTopChecked(bool checked) override;
    void setSubWindowTopmost(bool onTop) override;

    Session& m_session;
    Services& m_services;
    WindowRegistry m_windows;
    bool m_unloaded = false;

    Form1* m_form1 = nullptr;            // the font browser
    ButtonStrip* m_Picture1 = nullptr;   // button strip
    SelectionBar* m_Picture2 = nullptr;  // font selection bar
    HtmlBar* m_Picture3 = nullptr;       // HTML bar
    RtfBar* m_Picture6 = nullptr;        // RTF bar
    QWidget* m_Picture7 = nullptr;       // groove under the menu bar
    FavoritesPane* m_Picture8 = nullptr; // favourites pane
    FontMenu* m_faceBar = nullptr;       // the font popup menu
};

} // namespace typecask
