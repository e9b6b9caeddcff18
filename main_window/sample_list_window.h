// The font sample list window "フォント一覧": a scrolling page of rows, each drawing the
// sample text in one family of the list it was handed.
#pragma once

#include "main_window/sample_list_row.h"
#include "main_window/sample_list_rules.h"

#include <QDialog>
#include <memory>
#include <vector>

class QScrollBar;

namespace typecask {

struct AppState;
class FontCatalog;
class ToolWindowHost;
class MessageBox;

class Form18 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form18)
public:
    Form18(AppState& state, const FontCatalog& catalog, MessageBox& messages, ToolWindowHost& host,
           QWidget* parent);
    ~Form18() override;

    // Rows rebuilt for the current ListSampleSize and screen; ListRowCount recomputed.
    void Form_Load();
    // Takes the names (the trailing empty entry added), the main window's size, and draws
    // the first page.
    void StartItiran(const QStringList& names, const QSize& mainWindowSize);
    // Draws the names first..last into rows 0, 1, 2 ...
    void M_ItiHyouzi(int first, int last);

    QScrollBar* VScroll1; // the page's scroll bar
    int rowHeight() const { return m_rowHeight; }
    int rowCount() const { return static_cast<int>(m_Picture1.size()); }
    SampleRow* row(int i) const { return m_Picture1[static_cast<std::size_t>(i)]; }
    const SampleListNames& names() const { return m_names; }
    const SampleRowPainter* painter() const { return m_painter.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Form_Resize();
    void VScroll1_Change();
    void Picture1_DblClick(int row);
    void Picture1_MouseDown(int row, const QPoint& globalPos);
    SampleListLayout layout() const;

    AppState& m_state;
    const FontCatalog& m_catalog;
    MessageBox& m_messages;
    ToolWindowHost& m_host;
    QWidget* m_Picture3;                // the container filling the window
    std::vector<SampleRow*> m_Picture1; // the row areas
    std::unique_ptr<SampleRowPainter> m_painter;
    SampleListNames m_names;
    int m_rowHeight = 1;
    QSize m_laidOut; // the size the rows were last laid out for
};

} // namespace typecask
