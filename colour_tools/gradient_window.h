// The gradient maker "グラデーション作成": colours a short text from a start colour to an end
// colour (optionally through a middle one), previews it and copies it as HTML or RTF.
#pragma once

#include "colour_tools/gradient_text.h"
#include "colour_tools/pick_color.h"
#include "core/sample.h"
#include "export/html_tag.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace typecask {

class Clipboard;
class ColourPicture;
class DragArea;
class RandomSource;
class Session;

class Form3 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form3)
public:
    // The window is kept between openings; Form_Load prepares each one.
    Form3(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
          QWidget* parent = nullptr);

    // One opening: the sample's text, font and background, the HTML bar's options (they cannot
    // change while the window is open), the session's colours, the output mode, editing.
    void Form_Load(const Sample& sample, const HtmlTagOptions& options);

    // The colours of the characters of Text1.
    GradientTable makegrcolor() const;
    QByteArray MakeRTFG() const;
    // Redraws the gradient bar.
    void ColorChange();
    // Editing (true) or the preview (false).
    void SetGradientEditMode(bool enable);
    bool previewShown() const { return m_previewShown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOutPreview();
    void showColour(QPushButton* button, std::int32_t colour);
    void showColours();
    void unloadLabels();

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void pickColour(QPushButton* button, std::int32_t& colour);
    void Check1_Click();
    void HScroll1_Change();

    Session& m_session;
    Clipboard& m_clipboard;
    RandomSource& m_random;
    ToolWindowHost* m_host;
    Sample m_sample;
    HtmlTagOptions m_options;
    bool m_previewShown = false;

    QLabel* m_Label8 = nullptr;          // the font name
    QLineEdit* m_Text1 = nullptr;        // the text to colour, at most 200 characters
    QPushButton* m_Command5 = nullptr;   // start colour
    QPushButton* m_Command6 = nullptr;   // middle colour
    QPushButton* m_Command7 = nullptr;   // end colour
    QCheckBox* m_Check1 = nullptr;       // use the middle colour
    ColourPicture* m_Picture1 = nullptr; // gradient bar
    QPushButton* m_Command1 = nullptr;   // preview on and off
    QPushButton* m_Command2 = nullptr;   // copy
    QPushButton* m_Command3 = nullptr;   // close
    QPushButton* m_Command4 = nullptr;   // half-width spaces to full width
    DragArea* m_Picture4 = nullptr;      // RTF drag-out
    QWidget* m_Picture2 = nullptr;       // the preview's frame
    QWidget* m_Picture3 = nullptr;       // the row of labels, moved by the scroll bar
    QScrollBar* m_HScroll1 = nullptr;    // scrolls the row, in twips
    std::vector<QLabel*> m_Label5;       // one label a character
};

} // namespace typecask
