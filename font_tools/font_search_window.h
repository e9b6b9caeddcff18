// The font search: finds families by words in their names and, on request, by their character
// set, font type, family and proportions; the results list works like the main font list.
#pragma once

#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace typecask {

class FontListModel;
class FontListView;
class FontNameIndex;
class ToolWindowHost;
class SearchPanel;
class Session;

class Form10 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form10)
public:
    // Closing the window deletes it; the next opening starts afresh.
    Form10(Session& session, ToolWindowHost& host, QWidget* parent);
    ~Form10() override;

    // Icon and always-in-front as the window loads, placed beside the main window.
    void Form_Load();

    void Command1_Click();
    bool searching() const { return m_searching; }

    QLineEdit* Text1() const { return m_Text1; }
    FontListView* List1() const { return m_List1; }
    FontListModel* results() const { return m_model; }
    SearchPanel* Picture1() const { return m_Picture1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Check5_Click();
    void Command3_Click();
    void Command5_Click();
    void List1_Click();
    void List1_DblClick();
    bool List1_KeyDown(int key);
    bool List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void Timer1_Timer();
    std::shared_ptr<const FontNameIndex> nameIndex();

    Session& m_session;
    ToolWindowHost& m_host;
    // Built on the first search, kept for the next ones (shared with a search under way).
    std::shared_ptr<FontNameIndex> m_index;
    bool m_searching = false;
    bool m_closing = false;

    QLineEdit* m_Text1;      // the search words
    QPushButton* m_Command1; // search
    FontListView* m_List1;   // the results
    FontListModel* m_model;  // the results' names, in list order
    QCheckBox* m_Check4;     // narrowing: search the results only
    QCheckBox* m_Check5;     // detailed conditions shown and used
    SearchPanel* m_Picture1; // the detailed conditions
};

} // namespace typecask
