// The random colour maker "ランダムカラー作成": the first 16 characters of the sample, each in
// a colour of its own (random, random from a palette, or dragged there), copied as HTML or RTF.
#pragma once

#include "colour_tools/colour_rules.h"
#include "colour_tools/random_colour_text.h"
#include "core/sample.h"
#include "export/html_tag.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace typecask {

class Clipboard;
class ColourCell;
class ColourPicture;
class DragArea;
class RandomSource;
class Session;
struct ColourDrag;

class Form13 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form13)
public:
    // The window is kept between openings; Form_Load prepares each one.
    Form13(Session& session, Clipboard& clipboard, RandomSource& random, QWidget* parent = nullptr);
    ~Form13() override;

    // One opening: "Color.dat" read, the cells filled from the sample, the current colour black,
    // the HTML bar's options kept for the copy (they cannot change while the window is open).
    void Form_Load(const Sample& sample, const HtmlTagOptions& options);

    // Draws the shade strip from black through (r, g, b) to white.
    void ColorChange(int r, int g, int b);
    QByteArray MakeRTFR() const;

    CellColours cellColours() const;
    CellCaptions captions() const;

    // Every way of closing ends here; "Color.dat" is written each time.
    void done(int r) override;

private:
    void createBoxes();
    void createChannels();
    void createButtons();

    Channels channels() const;
    void setChannels(std::int32_t colour);
    void setBackground(std::int32_t colour);
    void HScroll1_Change(int index);
    void pickFromField(std::int32_t pixel, Qt::MouseButtons buttons, bool redrawStrip);

    void Picture1_DragDrop(int index, const ColourDrag& drag);
    void Picture2_DragDrop(const ColourDrag& drag);
    void Picture3_DragDrop(const ColourDrag& drag);
    void label8_DragDrop(int index, const ColourDrag& drag);
    void Option1_Click(int index);
    int selectedPalette() const;

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void unload();

    Session& m_session;
    Clipboard& m_clipboard;
    RandomSource& m_random;
    QByteArray m_key;
    Sample m_sample;
    HtmlTagOptions m_options;
    bool m_loaded = false;

    std::array<ColourCell*, 32> m_Picture1{};            // 16 standard colours, then 16 palette cells
    std::array<ColourCell*, RandomCellCount> m_Label8{}; // the character cells
    std::array<QRadioButton*, PaletteCount> m_Option1{}; // palette choice
    ColourCell* m_Picture2 = nullptr;                    // background colour
    ColourCell* m_Picture3 = nullptr;                    // current colour
    ColourPicture* m_Picture4 = nullptr;                 // colour field
    ColourPicture* m_Picture5 = nullptr;                 // shade strip
    std::array<QScrollBar*, 3> m_HScroll1{};             // red, green, blue
    std::array<QLabel*, 3> m_Label2{};                   // decimal
    std::array<QLabel*, 3> m_Label3{};                   // hexadecimal
    QLineEdit* m_Text3 = nullptr;                        // "r,g,b"
    QLineEdit* m_Text4 = nullptr;                        // "#RRGGBB"
    QCheckBox* m_Check1 = nullptr;                       // random from the palette only
    DragArea* m_Picture6 = nullptr;                      // RTF drag-out
};

} // namespace typecask
