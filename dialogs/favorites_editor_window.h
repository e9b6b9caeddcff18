// The favourites editor "お気に入りの編集": the fonts of the list it was opened from on the
// left, a working copy of the favourites on the right; OK writes the copy back.
#pragma once

#include <QDialog>
#include <QFont>
#include <functional>

class QAction;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

namespace typecask {

class FontListModel;
class ToolWindowHost;
class MessageBox;
class Session;

class Form11 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form11)
public:
    Form11(Session& session, MessageBox& messages, ToolWindowHost& host, QWidget* parent);

    // The working copy from the main window's favourites, the source list emptied.
    void Form_Load();
    // Appends names to the source list.
    void LGetList(const QStringList& names);
    // The preview label in family, bold and italic off.
    void PreviewFavoriteFont(const QString& family);

    void Command1_Click();  // add
    void Command2_Click();  // delete
    void Command3_Click();  // add all
    void Command4_Click();  // delete all
    void Command5_Click();  // remove duplicates
    void Command6_Click();  // OK
    void FontCheck_Click(); // hensyuu_bar0(7)

    QListView* List1; // the source fonts
    QListView* List2; // the working copy of the favourites
    QLabel* Label1;   // count or progress
    QLabel* Label2;   // the preview
    FontListModel* source() const { return m_source; }
    FontListModel* working() const { return m_working; }
    QMenu* popup() const { return m_facedel_bar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createControls();
    bool List_KeyDown(QListView* list, int key);
    void List_MouseDown(QListView* list, const QPoint& globalPos);
    void facedel_bar_Click(void (Form11::*command)());
    void showCount();
    // Runs a long list operation with the window disabled, showing progress as it goes.
    void runDisabled(const std::function<QStringList(const std::function<void(int)>&)>& work,
                     const std::function<QString(int)>& progressText);

    Session& m_session;
    MessageBox& m_messages;
    ToolWindowHost& m_host;
    FontListModel* m_source;
    FontListModel* m_working;
    QMenu* m_facedel_bar;      // the lists' popup
    QAction* m_facedel_bar00;  // 削除
    QAction* m_facedel_bar01;  // 追加
    QFont m_previewDesignFont; // Label2's font before any preview
};

} // namespace typecask
