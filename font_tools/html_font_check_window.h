// The HTML font check window: the installed fonts the checked HTML files ask for, as a list
// that behaves like the main font list, and the missing ones as text. Modeless; its lists grow
// over every file until it is closed.
#pragma once

#include "font_tools/css_font_scan.h"
#include "font_tools/html_font_scan.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace typecask {

class FontListModel;
class FontListView;
class FontResolver;
class ToolWindowHost;
class Session;

class Form14 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form14)
public:
    Form14(Session& session, ToolWindowHost& host, QWidget* parent = nullptr);
    ~Form14() override;

    // Reads one file into the lists and shows them (a path that is not HTML changes nothing).
    HtmlReadResult open_html(const QString& path, const HtmlFontCheck::Progress& progress = {});
    // The installed names as List1 shows them.
    QStringList installedNames() const;

    FontListView* List1;   // installed fonts
    QPlainTextEdit* Text1; // fonts not installed, one a line
    QTabWidget* Tabs;      // the names as written / the CSS family lists
    QTreeWidget* CssList;  // per family list: resolved family, verdict, uncovered characters

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showResults();
    void showCssResults();
    void fitCssColumns();
    void Command1_Click();
    void List1_Click();
    void List1_DblClick();
    bool List1_KeyDown(int key);
    bool List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void Timer1_Timer();
    void openFontMenu(const QPoint& globalPos);

    Session& m_session;
    ToolWindowHost& m_host;
    HtmlFontCheck m_check;
    CssFontCheck m_css;
    std::unique_ptr<FontResolver> m_resolver; // made on first use
    FontListModel* m_model;
    QLabel* m_Label1;        // "installed fonts"
    QLabel* m_Label2;        // "fonts not installed"
    QPushButton* m_Command1; // list display
    QToolButton* m_Command3; // to the favourites editor
    QPushButton* m_Command2; // close
};

} // namespace typecask
