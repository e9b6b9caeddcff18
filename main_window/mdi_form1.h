// The program's top-level window: menus, the docked bars, the favourites pane and the font
// browser in the middle.
#pragma once

#include "core/window_stacking.h"

#include <QMainWindow>
#include <array>

class QCheckBox;
class QComboBox;
class QListView;
class QMenu;
class QRadioButton;

namespace typecask {

struct AppContext;
class Form1;
class FontListModel;

class MDIForm1 final : public QMainWindow, private StackingHost
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

    // Refills the given font list from the catalog through the current filters.
    void ListChenge();

    Form1* form1() const { return m_form1; }
    FontListModel* favorites() const { return m_favorites; }
    AppContext& context() { return m_context; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createBars();
    void applySettings();
    void Combo1_Click(int index);

    // StackingHost
    void setMainWindowTopmost(bool onTop) override;
    void setCheck3(bool checked) override;
    void setSubWindowTopmost(bool onTop) override;

    AppContext& m_context;
    Form1* m_form1 = nullptr;
    FontListModel* m_favorites;
    bool m_unloaded = false;

    QWidget* m_Picture1 = nullptr; // button strip
    QWidget* m_Picture2 = nullptr; // font selection bar
    QWidget* m_Picture3 = nullptr; // HTML bar
    QWidget* m_Picture8 = nullptr; // favourites pane
    QComboBox* m_Combo1 = nullptr;
    QComboBox* m_Combo2 = nullptr;
    QComboBox* m_Combo3 = nullptr;
    QCheckBox* m_Check3 = nullptr;
    std::array<QRadioButton*, 2> m_Option1{};
    std::array<QCheckBox*, 4> m_Check4{};
    QListView* m_List1 = nullptr; // the favourites list
};

} // namespace typecask
