// The program's top-level window: menus, the docked bars, the favourites pane and the font
// browser in the middle. Its parts are built in menus.cpp, button_strip.cpp and
// favorites_pane.cpp.
#pragma once

#include "core/window_stacking.h"
#include "export/rtf_writer.h"

#include <QMainWindow>
#include <array>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QMimeData;
class QRadioButton;
class QToolButton;

namespace typecask {

struct AppContext;
class Form1;
class FontListModel;
class FontListView;

class MDIForm1 final : public QMainWindow, public StackingHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MDIForm1)
public:
    explicit MDIForm1(AppContext& context, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The load handler: settings applied, favourites listed, window placed, Form1 loaded.
    void MDIForm_Load();
    // Shutdown: settings, then favourites, written; every other window unloaded.
    void MDIForm_Unload();

    // Refills the font list from the catalog through the current filters.
    void ListChenge();
    // Files dropped on the window (local files only; plain text is ignored).
    bool MDIForm_OLEDragDrop(const QMimeData& data);
    // Re-lays out the client area after a strip was shown or hidden.
    void MDIForm_Resize();

    // Which items the font context menu shows.
    enum class FontMenuForm { FontList, Favorites };
    // Opens face_bar at pos; ContextFontName is set by the opener.
    void openFontMenu(FontMenuForm form, const QPoint& globalPos);
    QMenu* fontMenu() const { return m_faceBar; }

    // The copy commands of the Edit menu, the bars and the font menu.
    void MakeRTF();
    void MakeTag();
    // The RTF alignment chosen with Option3(0..2).
    Alignment alignment() const;
    // The details window for a family, shown modal.
    void showFontDetails(const QString& name);

    Form1* form1() const { return m_form1; }
    FontListModel* favorites() const { return m_favorites; }
    FontListView* favoritesView() const { return m_List1; }
    AppContext& context() { return m_context; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // menus.cpp
    void createMenus();
    void createViewMenu();
    void createToolMenus();
    void createFontMenu();
    void hyouzi_BAR_Show();
    // button_strip.cpp
    void createBars();
    QWidget* createButtonStrip(QWidget* parent);
    QWidget* createHtmlBar(QWidget* parent);
    QWidget* createRtfBar(QWidget* parent);
    struct NamedTip
    {
        QString name;
        QString tip;
    };
    void addMakerButtons(QWidget* bar, const NamedTip& random, const NamedTip& gradient, const NamedTip& copy,
                         void (MDIForm1::*copySlot)());
    QWidget* createSelectionBar(QWidget* parent);
    // favorites_pane.cpp
    QWidget* createFavoritesPane(QWidget* parent);
    void List1_Click();
    bool List1_KeyDown(int key);
    bool List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void Timer1_Timer();
    void removeSelectedFavorite();
    void face_bar_Click();
    void popupcopy_bar4_Click();

    void applySettings();
    void Combo1_Click(int index);
    void pickColour(bool background);
    void setSampleText(const QString& text);
    void openFolder(const QString& path);

    // StackingHost
    void setMainWindowTopmost(bool onTop) override;
    void setCheck3(bool checked) override;
    void setSubWindowTopmost(bool onTop) override;

    AppContext& m_context;
    Form1* m_form1 = nullptr;
    FontListModel* m_favorites;
    bool m_unloaded = false;

    QWidget* m_Picture7 = nullptr; // groove under the menu bar
    QWidget* m_Picture1 = nullptr; // button strip
    QWidget* m_Picture2 = nullptr; // font selection bar
    QWidget* m_Picture3 = nullptr; // HTML bar
    QWidget* m_Picture6 = nullptr; // RTF bar
    QWidget* m_Picture8 = nullptr; // favourites pane
    QComboBox* m_Combo1 = nullptr;
    QComboBox* m_Combo2 = nullptr;
    QComboBox* m_Combo3 = nullptr;
    QToolButton* m_Check1 = nullptr;
    QToolButton* m_Check2 = nullptr;
    QToolButton* m_Check3 = nullptr;
    QToolButton* m_Check5 = nullptr;
    QToolButton* m_Check6 = nullptr;
    QToolButton* m_Check10 = nullptr;
    QToolButton* m_Command16 = nullptr;
    std::array<QRadioButton*, 2> m_Option1{};
    std::array<QCheckBox*, 4> m_Check4{};
    std::array<QRadioButton*, 3> m_Option3{};
    FontListView* m_List1 = nullptr; // the favourites list

    // View menu items that carry check marks.
    QAction* m_hyouzi_BAR0 = nullptr;
    QAction* m_hyouzi_BAR1 = nullptr;
    QAction* m_hyouzi_BAR14 = nullptr;
    QAction* m_hyouzi_BAR15 = nullptr;
    QAction* m_hyouzi_BAR16 = nullptr;
    std::array<QAction*, 7> m_hyouzifont_BAR{};

    QMenu* m_faceBar = nullptr;
    QAction* m_popupcopy_bar6 = nullptr; // 削除
    QAction* m_popupcopy_bar5 = nullptr; // お気に入りに追加
};

} // namespace typecask
