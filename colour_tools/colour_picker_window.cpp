#include "colour_tools/colour_picker_window.h"

#include "colour_tools/colour_number_dialog.h"
#include "colour_tools/colour_widgets.h"
#include "core/colour.h"
#include "core/services.h"
#include "core/session.h"
#include "core/text_helpers.h"
#include "platform/qt_units.h"
#include "widgets/tool_window_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace typecask {

Form2::Form2(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
             QWidget* parent)
    : QDialog(parent), m_session(session), m_clipboard(clipboard), m_random(random), m_host(host)
{
    setObjectName(u"Form2"_qs);
    setWindowTitle(u"色指定"_qs);
    setModal(true);
    leaveAlwaysOnTop(m_session.state, m_host, this);
    setFixedSize(twipsToPixels(7020), twipsToPixels(3015));

    m_Picture2 = new ColourPicture(this);
    m_Picture2->setObjectName(u"Picture2"_qs);
    m_Picture2->setImage(colourFieldImage());
    m_Picture2->setGeometry(twipsToPixels(4455), 0, ColourFieldWidth, ColourFieldHeight);
    connect(m_Picture2, &ColourPicture::mousePressed, this, &Form2::Picture2_MouseDown);
    connect(m_Picture2, &ColourPicture::mouseMoved, this, &Form2::Picture2_MouseMove);
    connect(m_Picture2, &ColourPicture::mouseReleased, this, &Form2::Picture2_MouseUp);

    m_Picture1 = new ColourPicture(this);
    m_Picture1->setObjectName(u"Picture1"_qs);
    m_Picture1->setGeometry(twipsToPixels(4200), 0, twipsToPixels(255), m_Picture2->height());
    QImage strip(m_Picture1->size(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    m_Picture1->setImage(strip);
    auto pickFromStrip = [this](std::int32_t pixel) {
        if (pixel != -1)
            SetScrollColor(pixel);
    };
    connect(m_Picture1, &ColourPicture::mousePressed, this, pickFromStrip);
    connect(m_Picture1, &ColourPicture::mouseMoved, this,
            [pickFromStrip](std::int32_t pixel, Qt::MouseButtons b) {
                if (b != Qt::NoButton)
                    pickFromStrip(pixel);
            });

    createChannels();
    createButtons();

    const PaletteFileContents file = loadPaletteFile(m_session.programFolder);
    m_characterLines = file.characterLines;
    m_session.palettes = file.palettes;
    createBoxes();
    m_HScroll1[0]->setFocus();
}

Form2::~Form2()
{
    unload();
}

void Form2::createBoxes()
{
    const QByteArray key = colourSampleKey(this);
    for (int i = 0; i < 32; ++i) {
        auto* box = new ColourBox(i, key, this);
        box->setObjectName(u"Picture3(%1)"_qs.arg(i));
        placeTwips(box, 120 + 240 * (i % 16), i < 16 ? 0 : 240, 255, 255);
        if (i < 16) {
            const Channels& c = StandardColours[i];
            box->setColour(Rgb(c[0], c[1], c[2]));
            box->setToolTip(u"基本１６色です。クリックで色選択できます。"_qs);
        } else {
            box->setToolTip(u"パレットです。ここに色をドロップして保存しておけます。"_qs);
        }
        connect(box, &ColourBox::clicked, this, &Form2::Picture3_Click);
        connect(box, &ColourBox::sampleDropped, this, &Form2::Picture3_DragDrop);
        m_Picture3[i] = box;
    }
    static const char16_t* const names[] = {u"パレット１", u"パレット２", u"パレット３", u"パレット４"};
    for (int i = 0; i < PaletteCount; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(names[i]), this);
        option->setObjectName(u"Option1(%1)"_qs.arg(i));
        option->setToolTip(u"パレットを変更できます。"_qs);
        placeTwips(option, 120 + 1980 * (i % 2), 525 + 270 * (i / 2), 1950,
                   255); // two by two: the captions need the room
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        m_Option1[i] = option;
    }
    m_Option1[0]->setChecked(true);
    Option1_Click(0);
    m_Label7 = new SampleLabel(key, this);
    m_Label7->setObjectName(u"Label7"_qs);
    m_Label7->setText(u"AaBbCcDd 1234567890"_qs);
    m_Label7->setAlignment(Qt::AlignCenter);
    QFont sampleFont(u"ＭＳ Ｐゴシック"_qs, 12);
    sampleFont.setBold(true);
    m_Label7->setFont(sampleFont);
    m_Label7->setFrameShape(QFrame::Panel);
    m_Label7->setFrameShadow(QFrame::Sunken);
    m_Label7->setToolTip(u"現在選択されている色のプレビュー"_qs);
    placeTwips(m_Label7, 120, 1995, 3900, 480);
}

void Form2::createChannels()
{
    static const char16_t* const captions[] = {u"R:", u"G:", u"B:"};
    static const char16_t* const tips[] = {u"赤．大きくなると赤の値が大きくなります．",
                                           u"緑．大きくなると緑の値が大きくなります．",
                                           u"青．大きくなると青の値が大きくなります．"};
    static const QColor captionColours[] = {Qt::red, QColor(0, 128, 0), Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const int top = 1095 + 285 * i;
        auto* caption = new QLabel(QString::fromUtf16(captions[i]), this);
        caption->setObjectName(u"Label%1"_qs.arg(8 + i));
        QPalette pal = caption->palette();
        pal.setColor(QPalette::WindowText, captionColours[i]);
        caption->setPalette(pal);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        placeTwips(caption, 120, top, 300, 255);

        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(u"HScroll1(%1)"_qs.arg(i));
        bar->setRange(0, 255);
        bar->setPageStep(20);
        bar->setSingleStep(1);
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setToolTip(QString::fromUtf16(tips[i]));
        placeTwips(bar, 420, top, 2580, 255);
        // valueChanged also fires while the thumb is dragged, as the scroll event did.
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        m_HScroll1[i] = bar;

        m_Label1[i] = new QLabel(u"0"_qs, this);
        m_Label1[i]->setObjectName(u"Label1(%1)"_qs.arg(i));
        m_Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_Label1[i]->setToolTip(u"現在選択されている色の１０進数表示"_qs);
        placeTwips(m_Label1[i], 3060, top, 420, 255);
        m_Label4[i] = new QLabel(u"00"_qs, this);
        m_Label4[i]->setObjectName(u"Label4(%1)"_qs.arg(i));
        m_Label4[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_Label4[i]->setToolTip(u"現在選択されている色の１６進数表示"_qs);
        placeTwips(m_Label4[i], 3570, top, 360, 255);
    }
}

void Form2::createButtons()
{
    auto button = [this](const char16_t* name, const char16_t* caption, const char16_t* tip, int left,
                         int top, int width) {
        auto* b = new QPushButton(QString::fromUtf16(caption), this);
        b->setObjectName(QString::fromUtf16(name));
        b->setToolTip(QString::fromUtf16(tip));
        placeTwips(b, left, top, width, 315);
        return b;
    };
    auto textBox = [this](const char16_t* name, const char16_t* text, int left) {
        auto* t = new QLineEdit(QString::fromUtf16(text), this);
        t->setObjectName(QString::fromUtf16(name));
        t->setToolTip(u"現在選択されている色の１０進数表示"_qs);
        placeTwips(t, left, 2565, 1500, 330);
        return t;
    };
    m_Text1 = textBox(u"Text1", u"0,0,0", 120);
    m_Text2 = textBox(u"Text2", u"#000000", 2070);
    m_Text2->setToolTip(u"現在選択されている色の１６進数表示"_qs);
    const char16_t* copyTip = u"左のテキストボックスの文字をコピーします";
    QPushButton* c8 = button(u"Command8", u"C", copyTip, 1650, 2573, 330);
    QPushButton* c9 = button(u"Command9", u"C", copyTip, 3600, 2573, 330);
    connect(c8, &QPushButton::clicked, this, [this] { copyText(m_Text1); });
    connect(c9, &QPushButton::clicked, this, [this] { copyText(m_Text2); });

    const char16_t* darker = u"Ｒ、Ｇ、Ｂのすべての値を小さくします．";
    const char16_t* lighter = u"Ｒ、Ｇ、Ｂのすべての値を大きくします．";
    const struct
    {
        const char16_t* name;
        const char16_t* caption;
        const char16_t* tip;
        int left;
        ColourStep step;
    } steps[] = {{u"Command5", u"<<", darker, 4200, ColourStep::Darker10},
                 {u"Command3", u"<", darker, 4680, ColourStep::Darker1},
                 {u"Command4", u">", lighter, 5160, ColourStep::Lighter1},
                 {u"Command6", u">>", lighter, 5640, ColourStep::Lighter10}};
    for (const auto& s : steps) {
        QPushButton* b = button(s.name, s.caption, s.tip, s.left, 1980, 450);
        const ColourStep step = s.step;
        connect(b, &QPushButton::clicked, this, [this, step] { setChannels(applyStep(channels(), step)); });
    }
    QPushButton* invert = button(u"Command11", u"反転", u"現在選択されている色を反転します", 6150, 1980, 840);
    connect(invert, &QPushButton::clicked, this,
            [this] { setChannels(applyStep(channels(), ColourStep::Invert)); });
    QPushButton* random = button(u"Command10", u"ランダム", u"色をランダムに作ります", 4200, 2325, 1380);
    connect(random, &QPushButton::clicked, this, &Form2::Command10_Click);
    QPushButton* numeric =
        button(u"Command7", u"数値入力", u"色を１０、１６進数で入力します．", 5610, 2325, 1380);
    connect(numeric, &QPushButton::clicked, this, &Form2::Command7_Click);
    QPushButton* ok = button(u"Command1", u"OK", u"現在の色を選択します．", 4200, 2670, 1380);
    connect(ok, &QPushButton::clicked, this, &Form2::Command1_Click);
    QPushButton* cancel = button(u"Command2", u"CANCEL", u"色選択を中止します．", 5610, 2670, 1380);
    cancel->setDefault(true); // Enter presses it unless another button has the focus; Esc rejects
    connect(cancel, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::GetSetting(bool textMode, std::int32_t foreColor, std::int32_t backColor)
{
    m_textMode = textMode;
    m_Label7->setForeColour(foreColor);
    m_Label7->setBackColour(backColor);
    SetScrollColor(textMode ? foreColor : backColor);
    redrawStripFromChannels();
}

void Form2::ColorChange(int r, int g, int b)
{
    QImage image = m_Picture1->image();
    paintShadeStrip(image, {r, g, b}, pixelsToTwips(m_Picture1->width()));
    m_Picture1->setImage(image);
}

void Form2::redrawStripFromChannels()
{
    const Channels c = channels();
    ColorChange(c[0], c[1], c[2]);
}

Channels Form2::channels() const
{
    return {m_HScroll1[0]->value(), m_HScroll1[1]->value(), m_HScroll1[2]->value()};
}

void Form2::setChannels(const Channels& c)
{
    for (int i = 0; i < 3; ++i)
        m_HScroll1[i]->setValue(c[i]);
}

void Form2::SetScrollColor(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(colour, r, g, b);
    setChannels({r, g, b});
}

void Form2::HScroll1_Change(int index)
{
    const int v = m_HScroll1[index]->value();
    m_Label1[index]->setText(QString::number(v));
    m_Label4[index]->setText(twoHexDigits(v));
    PreviewColor();
}

void Form2::PreviewColor()
{
    const int r = m_Label1[0]->text().toInt(), g = m_Label1[1]->text().toInt(),
              b = m_Label1[2]->text().toInt();
    const std::int32_t colour = Rgb(r, g, b);
    if (m_textMode) {
        m_Label7->setForeColour(colour);
        if (m_host)
            m_host->previewFloatingColour(colour);
    } else {
        m_Label7->setBackColour(colour);
    }
    m_Text1->setText(u"%1,%2,%3"_qs.arg(r).arg(g).arg(b));
    m_Text2->setText(u"#"_qs + m_Label4[0]->text() + m_Label4[1]->text() + m_Label4[2]->text());
}

void Form2::Picture2_MouseDown(std::int32_t pixel)
{
    if (pixel != -1)
        SetScrollColor(pixel);
    redrawStripFromChannels();
    m_Picture1->repaint(); // shown at once while the mouse is held
}

void Form2::Picture2_MouseMove(std::int32_t pixel, Qt::MouseButtons buttons)
{
    if (buttons == Qt::NoButton || pixel == -1)
        return;
    SetScrollColor(pixel);
    redrawStripFromChannels();
    m_Picture1->repaint();
}

void Form2::Picture2_MouseUp(std::int32_t pixel)
{
    if (pixel != -1)
        SetScrollColor(pixel);
}

void Form2::Picture3_Click(int index)
{
    SetScrollColor(m_Picture3[index]->colour());
}

void Form2::Option1_Click(int index)
{
    for (int c = 0; c < ShownPaletteCells; ++c)
        m_Picture3[16 + c]->setColour(m_session.palettes.at(index, c));
}

void Form2::Picture3_DragDrop(int index)
{
    if (index < 16)
        return;
    m_Picture3[index]->setColour(sampleColour());
    int palette = 0;
    while (palette < PaletteCount - 1 && !m_Option1[palette]->isChecked())
        ++palette;
    m_session.palettes.at(palette, index - 16) = m_Picture3[index]->colour();
}

std::int32_t Form2::sampleColour() const
{
    return m_textMode ? m_Label7->foreColour() : m_Label7->backColour();
}

void Form2::Command10_Click()
{
    m_random.reseedFromClock();
    for (QScrollBar* bar : m_HScroll1)
        bar->setValue(randomChannel(m_random.next()));
}

void Form2::Command7_Click()
{
    Form7 numeric(
        m_session.state, &m_clipboard, m_host, [this](const Channels& c) { setChannels(c); }, this);
    numeric.exec();
}

void Form2::copyText(const QLineEdit* box)
{
    m_clipboard.set({QByteArray(), box->text()});
}

void Form2::Command1_Click()
{
    m_result = sampleColour();
    accept();
}

void Form2::Command2_Click()
{
    m_result = -1;
    reject();
}

void Form2::done(int r)
{
    unload();
    QDialog::done(r);
}

void Form2::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    savePaletteFile(m_session.programFolder, {m_characterLines, m_session.palettes}); // failures are silent
}

} // namespace typecask
