// The font browser: the preview area, the sample-text box and the font list, filling the
// main window's client area.
#pragma once

#include "core/preview_layout.h"
#include "platform/specimen.h"

#include <QLineEdit>
#include <QWidget>

class QMimeData;

namespace typecask {

struct AppState;
class FontListModel;
class MessageBox;
class FontListView;
class PreviewArea;

class Form1 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)
public:
    Form1(AppState& state, MessageBox& messages, QWidget* parent = nullptr);

    // Re-stacks preview, text box and list for the current preview area size.
    void OokisaHenkou();
    void ShowPreview(const QString& fontName);
    // A drop on the sample-text box: a text replaces the sample, files are refused.
    bool Text1_OLEDragDrop(const QMimeData& data);

    PreviewArea* Picture1; // the preview
    QLineEdit* Text1;      // the sample text, at most 200 characters
    FontListView* List1;   // the font list
    FontListModel* fontModel() const { return m_model; }

    double PreviewWidth() const { return m_previewWidth; }
    int PreviewHeight() const { return m_previewHeight; }
    int columnCount() const { return m_columns; }
    // What the last preview drew, and how many previews were drawn (for the tests).
    const PreviewLines& lastLines() const { return m_lastLines; }
    // The glyphs of the last vertical preview (an "@" family), in device pixels.
    const VerticalLayout& lastColumns() const { return m_lastColumns; }
    int previewCount() const { return m_previewCount; }

Q_SIGNALS:
    // The main window's caption follows the previewed family.
    void previewCaptionChanged(const QString& caption);
    // ContextFontName is set; the main window opens the font menu in its list form.
    void fontMenuRequested(const QPoint& globalPos);
    // The font details window for CurrentFontName (built by its own window).
    void fontDetailsRequested();
    // The open floating sample window follows the preview (step 9).
    void subWindowUpdateRequested(const QString& fontName);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Text1_Change();
    void List1_Click();
    bool List1_KeyDown(int key);
    bool List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void Timer1_Timer();
    bool Text1_Event(QEvent* event);

    AppState& m_state;
    MessageBox& m_messages;
    FontListModel* m_model;
    SpecimenPainter m_specimen;
    PreviewLines m_lastLines;
    VerticalLayout m_lastColumns;
    double m_previewWidth = 0;
    int m_previewHeight = 0;
    int m_columns = 1;
    int m_previewCount = 0;
    bool m_previewPending = false; // asked for while hidden
    QString m_pendingFont;
};

} // namespace typecask
