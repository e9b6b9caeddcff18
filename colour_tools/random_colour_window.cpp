#include "colour_tools/random_colour_window.h"

#include "colour_tools/colour_drag.h"
#include "colour_tools/colour_widgets.h"
#include "core/colour.h"
#include "core/services.h"
#include "core/session.h"
#include "core/text_helpers.h"
#include "core/vertical_text.h"
#include "platform/qt_units.h"
#include "storage/palette_file.h"
#include "widgets/drag_area.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace typecask {

namespace {

// Design size of the client area in twips.
constexpr int DesignWidth = 8130;
constexpr int DesignHeight = 4815;
// The sample-text box the background starts from is never recoloured: white.
constexpr std::int32_t SampleBoxBackground = 0xFFFFFF;

} // namespace

Form13::Form13(Session& session, Clipboard& clipboard, RandomSource& random, QWidget* parent)
    : QDialog(parent), m_session(session), m_clipboard(clipboard), m_random(random),
      m_key(colourSampleKey(this))
{
    setObjectName(u"Form13"_qs);
    setWindowTitle(u"ランダムカラー作成"_qs);
    setModal(true);
    setFixedSize(twipsToPixels(DesignWidth), twipsToPixels(DesignHeight));
    createBoxes();
    createChannels();
    createButtons();
}

Form13::~Form13()
{
    unload();
}

void Form13::createBoxes()
{
    for (int i = 0; i < 32; ++i) {
        auto* box = m_Picture1[static_cast<std::size_t>(i)] = new ColourCell(i, false, m_key, this);
        box->setObjectName(u"Picture1(%1)"_qs.arg(i));
        if (i < 16) {
            placeTwips(box, 240 + 600 * (i % 8), i < 8 ? 120 : 600, 495, 375);
            const Channels& c = StandardColours[static_cast<std::size_t>(i)];
            box->setBackColour(Rgb(c[0], c[1], c[2]));
            box->setToolTip(
                u"基本色です．マウスでつかんでして変更したい場所に落してください．ここは変更できません．"_qs);
        } else {
            placeTwips(box, 120 + 495 * (i - 16), 1800, 495, 375);
            box->setAcceptDrops(true);
            box->setToolTip(u"パレットです．ここに色を置いておくことができます．"_qs);
        }
        connect(box, &ColourCell::dropped, this, &Form13::Picture1_DragDrop);
    }
    for (int i = 0; i < RandomCellCount; ++i) {
        auto* cell = m_Label8[static_cast<std::size_t>(i)] = new ColourCell(i, true, m_key, this);
        cell->setObjectName(u"Label8(%1)"_qs.arg(i));
        placeTwips(cell, 120 + 495 * i, 1200, 495, 495);
        cell->setAcceptDrops(true);
        cell->setToolTip(
            u"現在選択されている文字です．ここに色をドロップして色を変更できます．ここから色を持っていく事もできます．"_qs);
        connect(cell, &ColourCell::dropped, this, &Form13::label8_DragDrop);
    }

    auto caption = [this](const char16_t* name, const char16_t* text, int left, int top, int width) {
        auto* l = new QLabel(QString::fromUtf16(text), this);
        l->setObjectName(QString::fromUtf16(name));
        placeTwips(l, left, top, width, 255);
        return l;
    };
    caption(u"Label1", u"背景色", 5160, 120, 1200);
    m_Picture2 = new ColourCell(0, false, m_key, this);
    m_Picture2->setObjectName(u"Picture2"_qs);
    m_Picture2->setAcceptDrops(true);
    m_Picture2->setToolTip(u"文字の背景色です．ここに色をドロップすると変更できます．"_qs);
    placeTwips(m_Picture2, 5160, 390, 1200, 585);
    connect(m_Picture2, &ColourCell::dropped, this,
            [this](int, const ColourDrag& d) { Picture2_DragDrop(d); });
    caption(u"Label7", u"現在の選択色", 6600, 120, 1410);
    m_Picture3 = new ColourCell(0, false, m_key, this);
    m_Picture3->setObjectName(u"Picture3"_qs);
    m_Picture3->setAcceptDrops(true);
    m_Picture3->setToolTip(u"現在 選択されている色です．ここから色を持っていきます．"_qs);
    placeTwips(m_Picture3, 6600, 390, 1410, 585);
    connect(m_Picture3, &ColourCell::dropped, this,
            [this](int, const ColourDrag& d) { Picture3_DragDrop(d); });

    static const char16_t* const names[] = {u"パレット１", u"パレット２", u"パレット３", u"パレット４"};
    for (int i = 0; i < PaletteCount; ++i) {
        auto* option = m_Option1[static_cast<std::size_t>(i)] =
            new QRadioButton(QString::fromUtf16(names[i]), this);
        option->setObjectName(u"Option1(%1)"_qs.arg(i));
        option->setToolTip(u"パレットの変更ができます"_qs);
        placeTwips(option, 120 + 1260 * i, 2250, 1200, 285);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    }
    m_Check1 = new QCheckBox(u"パレットの色だけ使う"_qs, this);
    m_Check1->setObjectName(u"Check1"_qs);
    m_Check1->setToolTip(u"現在表示されているパレットの色の中からランダムに色を作ります．"_qs);
    placeTwips(m_Check1, 5160, 2250, 2880, 285);

    m_Picture4 = new ColourPicture(this);
    m_Picture4->setObjectName(u"Picture4"_qs);
    m_Picture4->setToolTip(u"使いたい色をクリックして選択できます．"_qs);
    m_Picture4->setImage(colourFieldImage());
    m_Picture4->setGeometry(twipsToPixels(120), twipsToPixels(2640), ColourFieldWidth, ColourFieldHeight);
    connect(m_Picture4, &ColourPicture::mousePressed, this,
            [this](std::int32_t pixel) { pickFromField(pixel, Qt::LeftButton, true); });
    connect(m_Picture4, &ColourPicture::mouseMoved, this,
            [this](std::int32_t pixel, Qt::MouseButtons b) { pickFromField(pixel, b, true); });
    m_Picture5 = new ColourPicture(this);
    m_Picture5->setObjectName(u"Picture5"_qs);
    m_Picture5->setGeometry(m_Picture4->geometry().right() + 1 + twipsToPixels(120), m_Picture4->y(),
                            twipsToPixels(255), m_Picture4->height());
    QImage strip(m_Picture5->size(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    m_Picture5->setImage(strip);
    connect(m_Picture5, &ColourPicture::mousePressed, this,
            [this](std::int32_t pixel) { pickFromField(pixel, Qt::LeftButton, false); });
    connect(m_Picture5, &ColourPicture::mouseMoved, this,
            [this](std::int32_t pixel, Qt::MouseButtons b) { pickFromField(pixel, b, false); });
}

void Form13::createChannels()
{
    static const char16_t* const letters[] = {u"R", u"G", u"B"};
    static const QColor letterColours[] = {Qt::red, QColor(0, 128, 0), Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int top = 2640 + 345 * i;
        auto* letter = new QLabel(QString::fromUtf16(letters[i]), this);
        QPalette pal = letter->palette();
        pal.setColor(QPalette::WindowText, letterColours[i]);
        letter->setPalette(pal);
        QFont bold = letter->font();
        bold.setBold(true);
        letter->setFont(bold);
        placeTwips(letter, 3240, top, 240, 255);

        auto* bar = m_HScroll1[k] = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(u"HScroll1(%1)"_qs.arg(i));
        bar->setRange(0, 255);
        bar->setPageStep(20);
        bar->setSingleStep(1);
        placeTwips(bar, 3480, top, 1920, 255);
        // valueChanged also fires while the thumb is dragged, as the scroll event did.
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        connect(new ColourDropTarget(bar, m_key), &ColourDropTarget::dropped, this,
                &Form13::Picture3_DragDrop);

        m_Label2[k] = new QLabel(u"0"_qs, this);
        m_Label2[k]->setObjectName(u"Label2(%1)"_qs.arg(i));
        m_Label2[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_Label2[k]->setToolTip(u"現在選択されている色の１０進数表示です"_qs);
        placeTwips(m_Label2[k], 5460, top, 420, 255);
        m_Label3[k] = new QLabel(u"00"_qs, this);
        m_Label3[k]->setObjectName(u"Label3(%1)"_qs.arg(i));
        m_Label3[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_Label3[k]->setToolTip(u"現在表示されている色の16進数表示です．"_qs);
        placeTwips(m_Label3[k], 5940, top, 360, 255);
    }
    auto textBox = [this](const char16_t* name, int left) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString::fromUtf16(name));
        t->setReadOnly(true); // shows the current colour; select and copy it from here
        placeTwips(t, left, 3735, 1500, 330);
        return t;
    };
    m_Text3 = textBox(u"Text3", 3240);
    m_Text4 = textBox(u"Text4", 4800);
}

void Form13::createButtons()
{
    auto button = [this](const char16_t* name, const char16_t* caption, const char16_t* tip, int left,
                         int top, int width) {
        auto* b = new QPushButton(QString::fromUtf16(caption), this);
        b->setObjectName(QString::fromUtf16(name));
        b->setToolTip(QString::fromUtf16(tip));
        b->setAutoDefault(false);
        placeTwips(b, left, top, width, 375);
        return b;
    };
    QPushButton* random = button(u"Command4", u"ランダム", u"ランダムに色を作ります", 3240, 4155, 1380);
    m_Picture6 = new DragArea(
        DragArea::Kind::CurrentSample,
        [this] {
            return ClipboardContent{MakeRTFR(), cellText(captions())};
        },
        this);
    m_Picture6->setObjectName(u"Picture6"_qs);
    m_Picture6->setToolTip(u"ここをドラッグしてＲＴＦ形式でコピーできます。"_qs);
    placeTwips(m_Picture6, 4800, 4155, 375, 375);

    QPushButton* make =
        button(u"Command1", u"ランダム作成", u"文字の色をランダムに変更します．", 6600, 2640, 1410);
    QPushButton* clearPalette =
        button(u"Command5", u"ﾊﾟﾚｯﾄｸﾘｱ", u"現在選択されているパレットの色を初期化します", 6600, 3030, 1410);
    QPushButton* clearCells =
        button(u"Command6", u"選択色ｸﾘｱ", u"現在選択されているﾌｫﾝﾄの色を初期化します．", 6600, 3420, 1410);
    QPushButton* copy = button(u"Command2", u"コピー", u"HTML用にタグ付きでコピーします．", 6600, 3810, 1410);
    QPushButton* close = button(u"Command3", u"閉じる", u"編集を中断します．", 6600, 4200, 1410);
    connect(random, &QPushButton::clicked, this, &Form13::Command4_Click);
    connect(make, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(clearPalette, &QPushButton::clicked, this, &Form13::Command5_Click);
    connect(clearCells, &QPushButton::clicked, this, &Form13::Command6_Click);
    connect(copy, &QPushButton::clicked, this, &Form13::Command2_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject); // Esc too
}

void Form13::Form_Load(const Sample& sample, const HtmlTagOptions& options)
{
    m_sample = sample;
    m_options = options;
    m_loaded = true;
    setBackground(SampleBoxBackground);

    const PaletteFileContents file = loadPaletteFile(m_session.programFolder);
    m_session.palettes = file.palettes;
    for (int i = 0; i < RandomCellCount; ++i)
        m_Label8[static_cast<std::size_t>(i)]->setForeColour(
            cellColour(characterColourFromLine(file.characterLines.value(i))));
    if (m_Option1[0]->isChecked())
        Option1_Click(0);
    else
        m_Option1[0]->setChecked(true);

    const CellCaptions text = cellCaptions(sample.text);
    QFont font(horizontalFamilyName(sample.fontName), std::min<int>(sample.size, RandomCellMaximumPoints));
    font.setBold(sample.bold);
    font.setItalic(sample.italic);
    for (std::size_t i = 0; i < RandomCellCount; ++i) {
        m_Label8[i]->setText(text[i]);
        m_Label8[i]->setFont(font);
    }

    // Neither the current colour nor the palette-only choice is kept between openings.
    m_Check1->setChecked(false);
    setChannels(0);
    for (int i = 0; i < 3; ++i)
        HScroll1_Change(i);
    ColorChange(0, 0, 0);
    m_Picture6->setVisible(m_session.state.OutputMode == CopyFormat::Rtf);
}

void Form13::ColorChange(int r, int g, int b)
{
    QImage image = m_Picture5->image();
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(10, 1);
    p.end();
    paintShadeStrip(image, {r, g, b}, pixelsToTwips(m_Picture5->width()));
    m_Picture5->setImage(image);
}

QByteArray Form13::MakeRTFR() const
{
    return typecask::randomColourRtf(m_session.catalog, captions(), cellColours(), m_sample);
}

CellColours Form13::cellColours() const
{
    CellColours colours{};
    for (std::size_t i = 0; i < RandomCellCount; ++i)
        colours[i] = m_Label8[i]->foreColour();
    return colours;
}

CellCaptions Form13::captions() const
{
    CellCaptions text;
    for (std::size_t i = 0; i < RandomCellCount; ++i)
        text[i] = m_Label8[i]->text();
    return text;
}

Channels Form13::channels() const
{
    return {m_HScroll1[0]->value(), m_HScroll1[1]->value(), m_HScroll1[2]->value()};
}

void Form13::setChannels(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(cellColour(colour), r, g, b);
    m_HScroll1[0]->setValue(r);
    m_HScroll1[1]->setValue(g);
    m_HScroll1[2]->setValue(b);
}

void Form13::setBackground(std::int32_t colour)
{
    m_Picture2->setBackColour(colour);
    for (ColourCell* cell : m_Label8)
        cell->setBackColour(colour);
}

void Form13::HScroll1_Change(int index)
{
    const auto k = static_cast<std::size_t>(index);
    const int v = m_HScroll1[k]->value();
    m_Label2[k]->setText(QString::number(v));
    m_Label3[k]->setText(twoHexDigits(v));
    const Channels c = channels();
    m_Picture3->setBackColour(Rgb(c[0], c[1], c[2]));
    m_Text3->setText(m_Label2[0]->text() + u',' + m_Label2[1]->text() + u',' + m_Label2[2]->text());
    m_Text4->setText(u'#' + m_Label3[0]->text() + m_Label3[1]->text() + m_Label3[2]->text());
}

void Form13::pickFromField(std::int32_t pixel, Qt::MouseButtons buttons, bool redrawStrip)
{
    if (buttons == Qt::NoButton || pixel == -1)
        return;
    m_Picture3->setBackColour(pixel);
    setChannels(pixel);
    if (redrawStrip) {
        const Channels c = channels();
        ColorChange(c[0], c[1], c[2]);
        m_Picture5->repaint(); // shown at once while the mouse is held
    }
}

void Form13::Picture1_DragDrop(int index, const ColourDrag& drag)
{
    if (index < 16)
        return; // the standard colours stay as they are
    ColourCell* box = m_Picture1[static_cast<std::size_t>(index)];
    box->setBackColour(cellColour(drag.dropped()));
    m_session.palettes.at(selectedPalette(), index - 16) = box->backColour();
}

void Form13::Picture2_DragDrop(const ColourDrag& drag)
{
    // Always the source's background, whatever the source: a character cell brings the
    // background it already has.
    setBackground(cellColour(drag.back));
}

void Form13::Picture3_DragDrop(const ColourDrag& drag)
{
    m_Picture3->setBackColour(cellColour(drag.dropped()));
    setChannels(drag.dropped());
}

void Form13::label8_DragDrop(int index, const ColourDrag& drag)
{
    m_Label8[static_cast<std::size_t>(index)]->setForeColour(cellColour(drag.dropped()));
}

void Form13::Option1_Click(int index)
{
    for (int c = 0; c < ShownPaletteCells; ++c)
        m_Picture1[static_cast<std::size_t>(16 + c)]->setBackColour(m_session.palettes.at(index, c));
}

int Form13::selectedPalette() const
{
    std::array<bool, PaletteCount> selected{};
    for (std::size_t p = 0; p < PaletteCount; ++p)
        selected[p] = m_Option1[p]->isChecked();
    return typecask::selectedPalette(selected);
}

void Form13::Command1_Click()
{
    PaletteRow shown{};
    for (std::size_t c = 0; c < ShownPaletteCells; ++c)
        shown[c] = m_Picture1[16 + c]->backColour();
    const CellColours colours = randomCellColours(m_random, m_Check1->isChecked() ? &shown : nullptr);
    for (std::size_t i = 0; i < RandomCellCount; ++i)
        m_Label8[i]->setForeColour(colours[i]);
}

void Form13::Command4_Click()
{
    m_random.reseedFromClock();
    for (QScrollBar* bar : m_HScroll1)
        bar->setValue(randomChannel(m_random.next()));
}

void Form13::Command5_Click()
{
    m_session.palettes.clearPalette(selectedPalette()); // all 17 cells, the hidden one too
    for (int c = 16; c < 32; ++c)
        m_Picture1[static_cast<std::size_t>(c)]->setBackColour(PaletteWhite);
}

void Form13::Command6_Click()
{
    for (ColourCell* cell : m_Label8)
        cell->setForeColour(0);
}

void Form13::Command2_Click()
{
    if (m_session.state.OutputMode == CopyFormat::Rtf)
        m_clipboard.set({MakeRTFR(), cellText(captions())});
    else
        m_clipboard.set({QByteArray(), randomColourHtml(captions(), cellColours(), m_sample, m_options)});
}

void Form13::done(int r)
{
    unload();
    QDialog::done(r);
}

void Form13::unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    PaletteFileContents file;
    file.palettes = m_session.palettes;
    for (ColourCell* cell : m_Label8)
        file.characterLines.append(formatPaletteValue(cell->foreColour()));
    savePaletteFile(m_session.programFolder, file); // failures are silent
}

} // namespace typecask
