// The colour picker "色指定": a colour field, a shade strip, standard colours, four stored
// palettes, channel scroll bars, step buttons and numeric input.
#pragma once

#include "colour_tools/colour_rules.h"
#include "colour_tools/pick_color.h"
#include "storage/palette_file.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace typecask {

class Clipboard;
class ColourBox;
class RandomSource;
class Session;
class ColourPicture;
class SampleLabel;

class Form2 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)
public:
    // The load: builds the window and reads "Color.dat" into the shared palettes. host may be
    // null (see PickColor).
    Form2(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
          QWidget* parent = nullptr);
    ~Form2() override;

    // Puts the caller's mode and colours in place and draws the strip.
    void GetSetting(bool textMode, std::int32_t foreColor, std::int32_t backColor);
    // The chosen colour, or -1 unless OK closed the window.
    std::int32_t GetColor() const { return m_result; }
    // Redraws the shade strip from black through (r, g, b) to white.
    void ColorChange(int r, int g, int b);

    // Every way of closing ends here; the palettes are written each time.
    void done(int r) override;

private:
    void createBoxes();
    void createChannels();
    void createButtons();

    Channels channels() const;
    void setChannels(const Channels& c);
    void SetScrollColor(std::int32_t colour);
    void PreviewColor();
    void HScroll1_Change(int index);
    void redrawStripFromChannels();

    void Picture2_MouseDown(std::int32_t pixel);
    void Picture2_MouseMove(std::int32_t pixel, Qt::MouseButtons buttons);
    void Picture2_MouseUp(std::int32_t pixel);
    void Picture3_Click(int index);
    void Picture3_DragDrop(int index);
    void Option1_Click(int index);
    void Command10_Click();
    void Command7_Click();
    void Command1_Click();
    void Command2_Click();
    void copyText(const QLineEdit* box);
    std::int32_t sampleColour() const;
    void unload();

    Session& m_session;
    Clipboard& m_clipboard;
    RandomSource& m_random;
    ToolWindowHost* m_host;
    QStringList m_characterLines; // lines 1-16 of the file, written back as read
    bool m_textMode = true;
    std::int32_t m_result = -1;
    bool m_unloaded = false;

    std::array<ColourBox*, 32> m_Picture3{};             // 16 standard colours, then 16 palette cells
    std::array<QRadioButton*, PaletteCount> m_Option1{}; // palette choice
    ColourPicture* m_Picture1 = nullptr;                 // shade strip
    ColourPicture* m_Picture2 = nullptr;                 // colour field
    std::array<QScrollBar*, 3> m_HScroll1{};             // red, green, blue
    std::array<QLabel*, 3> m_Label1{};                   // decimal
    std::array<QLabel*, 3> m_Label4{};                   // hexadecimal
    SampleLabel* m_Label7 = nullptr;                     // the sample, dragged onto palette cells
    QLineEdit* m_Text1 = nullptr;                        // "r,g,b"
    QLineEdit* m_Text2 = nullptr;                        // "#RRGGBB"
};

} // namespace typecask
