// The character map: every character 20..FF of the current family in large cells and, for a
// Japanese family, the double-byte pages; a double click adds a character to the sample text.
#pragma once

#include <QDialog>

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;

namespace typecask {

class CharacterGrid;
class Clipboard;
class ToolWindowHost;
class Session;

class Form12 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form12)
public:
    Form12(Session& session, Clipboard& clipboard, ToolWindowHost& host, QWidget* parent = nullptr);

    // Rebuilds the window for CurrentFontName, sized as the main window.
    void Form_Load(const QSize& mainWindowSize);

    CharacterGrid* List1() const { return m_List1; }
    QListWidget* List2() const { return m_List2; }
    QMenu* popup0() const { return m_popup0; }

    void popup00_Click(int index);
    void back_bar_Click() { stepFont(false); }
    void next_bar_Click() { stepFont(true); }
    void fontname_bar_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Resize();
    void List1_Click(int row);
    void List1_DblClick(int row);
    void List2_Click(int row);
    void popup0_Click();
    void stepFont(bool next);
    // The page list shown for a Japanese family, List1 beside it; then the font's name and face.
    void showFontOf(const QString& name);

    Session& m_session;
    Clipboard& m_clipboard;
    ToolWindowHost& m_host;

    QMenuBar* m_menuBar;     // ﾌｧｲﾙ, ←, →, the font's name
    QMenu* m_popup0;         // "ﾌｧｲﾙ(&F)", also the cells' context menu
    QAction* m_copy;         // popup00(0) "コピー(&C)"
    QAction* m_fontname_bar; // the current family; opens its details
    QWidget* m_client;       // the area below the menu bar
    QListWidget* m_List2;    // page selector: "" and the lead bytes
    CharacterGrid* m_List1;  // the page's cells
};

} // namespace typecask
