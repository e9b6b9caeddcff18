#include "colour_tools/gradient_window.h"

#include "colour_tools/colour_widgets.h"
#include "core/colour.h"
#include "core/services.h"
#include "core/session.h"
#include "core/text_helpers.h"
#include "core/vertical_text.h"
#include "platform/qt_units.h"
#include "widgets/drag_area.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QValidator>

namespace typecask {

namespace {

// Design positions in twips.
constexpr int DesignWidth = 6600;
constexpr int PreviewTop = 2640;
constexpr int ScrollBarHeight = 255;
// The preview's characters are drawn this large.
constexpr int PreviewPoints = 20;

// At most 200 characters; a character outside the BMP counts once and is never cut in half.
class CharacterLimit final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return codePointCount(input) <= GradientTextLimit ? Acceptable : Invalid;
    }
};

QFont sampleFont(const Sample& sample, int points)
{
    QFont f(horizontalFamilyName(sample.fontName), points);
    f.setBold(sample.bold);
    f.setItalic(sample.italic);
    return f;
}

void setBackground(QWidget* w, std::int32_t colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

Form3::Form3(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
             QWidget* parent)
    : QDialog(parent), m_session(session), m_clipboard(clipboard), m_random(random), m_host(host)
{
    setObjectName(u"Form3"_qs);
    setWindowTitle(u"グラデーション作成"_qs);
    setModal(true);
    createControls();
}

void Form3::createControls()
{
    m_Label8 = new QLabel(this);
    m_Label8->setObjectName(u"Label8"_qs);
    m_Label8->setToolTip(u"現在選択されているﾌｫﾝﾄ"_qs);
    m_Label8->setFrameShape(QFrame::Panel);
    m_Label8->setFrameShadow(QFrame::Sunken);
    placeTwips(m_Label8, 120, 120, 6360, 300);

    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(u"Text1"_qs);
    m_Text1->setToolTip(u"グラデーションさせる文字です．３～２００文字まで入力できます．"_qs);
    m_Text1->setValidator(new CharacterLimit(m_Text1));
    placeTwips(m_Text1, 120, 480, 6360, 420);

    auto button = [this](const char16_t* name, const QString& caption, const char16_t* tip, int left, int top,
                         int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf16(name));
        b->setToolTip(QString::fromUtf16(tip));
        b->setAutoDefault(false); // Enter in the text box presses nothing
        placeTwips(b, left, top, width, 375);
        return b;
    };
    m_Command5 = button(u"Command5", QString(), u"グラデーションの始めの色", 120, 1020, 1380);
    m_Check1 = new QCheckBox(u"中間色を使う"_qs, this);
    m_Check1->setObjectName(u"Check1"_qs);
    m_Check1->setToolTip(u"３色グラデーションを作る時はチェックしてください．"_qs);
    placeTwips(m_Check1, 1680, 1050, 1680, 315);
    m_Command6 = button(u"Command6", QString(), u"グラデーションの中間の色", 3360, 1020, 1380);
    m_Command7 = button(u"Command7", QString(), u"グラデーションの終わりの色", 5100, 1020, 1380);

    m_Picture1 = new ColourPicture(this);
    m_Picture1->setObjectName(u"Picture1"_qs);
    m_Picture1->setToolTip(u"現在選択されている色のグラデーション表示"_qs);
    placeTwips(m_Picture1, 120, 1515, 6360, 420);

    m_Command1 = button(u"Command1", u"プレビュー表示"_qs,
                        u"グラデーションのプレビュウを表示します．表示中は編集できません．", 120, 2100, 1560);
    m_Command4 = button(u"Command4", u"全角に変換"_qs, u"半角スペースを全角スペースに置き換えます．", 1800,
                        2100, 1380);
    m_Command2 = button(u"Command2", u"コピー"_qs, u"グラデーションをクリップボードにコピーします．", 3300,
                        2100, 1200);
    m_Picture4 = new DragArea(
        DragArea::Kind::CurrentSample,
        [this] {
            return ClipboardContent{MakeRTFG(), m_Text1->text()};
        },
        this);
    m_Picture4->setObjectName(u"Picture4"_qs);
    m_Picture4->setToolTip(u"ここをドラッグしてＲＴＦ形式でコピーできます。"_qs);
    placeTwips(m_Picture4, 4620, 2100, 375, 375);
    m_Command3 = button(u"Command3", u"閉じる"_qs, u"グラデーション作成を終了します．", 5280, 2100, 1200);

    m_Picture2 = new QWidget(this);
    m_Picture2->setObjectName(u"Picture2"_qs);
    m_Picture3 = new QWidget(m_Picture2);
    m_Picture3->setObjectName(u"Picture3"_qs);
    m_HScroll1 = new QScrollBar(Qt::Horizontal, m_Picture2);
    m_HScroll1->setObjectName(u"HScroll1"_qs);
    m_HScroll1->setFocusPolicy(Qt::StrongFocus);
    m_HScroll1->installEventFilter(this);

    connect(m_Command5, &QPushButton::clicked, this,
            [this] { pickColour(m_Command5, m_session.gradient.start); });
    connect(m_Command6, &QPushButton::clicked, this,
            [this] { pickColour(m_Command6, m_session.gradient.middle); });
    connect(m_Command7, &QPushButton::clicked, this,
            [this] { pickColour(m_Command7, m_session.gradient.end); });
    connect(m_Check1, &QCheckBox::toggled, this, &Form3::Check1_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(m_HScroll1, &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
}

void Form3::Form_Load(const Sample& sample, const HtmlTagOptions& options)
{
    m_sample = sample;
    m_options = options;
    unloadLabels();
    m_previewShown = false;
    setBackground(m_Picture2, sample.backColour);
    setBackground(m_Picture3, sample.backColour);
    showColours();
    layOutPreview();
    m_Text1->setFont(sampleFont(sample, 12));
    m_Text1->setText(leftCodePoints(sample.text, GradientTextLimit));
    {
        const QSignalBlocker quiet(m_Check1); // the flag is the session's already
        m_Check1->setChecked(m_session.gradient.useMiddle);
    }
    ColorChange();
    m_Label8->setText(sample.fontName);
    m_Picture4->setVisible(m_session.state.OutputMode == CopyFormat::Rtf);
    SetGradientEditMode(true);
    m_Text1->setFocus();
}

void Form3::layOutPreview()
{
    // One line of the preview font, with the scroll bar below it.
    const int row = QFontMetrics(sampleFont(m_sample, PreviewPoints)).height() + 4;
    const QRect area = twipsRect(120, PreviewTop, 6360, 0);
    const int bar = twipsToPixels(ScrollBarHeight);
    m_Picture2->setGeometry(area.x(), area.y(), area.width(), row + bar);
    m_Picture3->setGeometry(0, 0, area.width(), row);
    m_HScroll1->setGeometry(0, row, area.width(), bar);
}

GradientTable Form3::makegrcolor() const
{
    return typecask::gradientTable(m_session.gradient, codePointCount(m_Text1->text()));
}

QByteArray Form3::MakeRTFG() const
{
    return typecask::gradientRtf(m_session.catalog, m_session.gradient, m_Text1->text(), m_sample);
}

void Form3::ColorChange()
{
    const QSize size = m_Picture1->size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter p(&image);
    for (const GradientBarBox& box : gradientBarBoxes(m_session.gradient, size.width()))
        p.fillRect(box.x - 1, 0, 6, size.height(), toQColor(box.colour));
    p.setPen(palette().color(QPalette::Mid)); // the picture's sunken edge
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.end();
    m_Picture1->setImage(image);
}

void Form3::SetGradientEditMode(bool enable)
{
    m_Picture3->move(0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{m_Text1, m_Picture1, m_Command5, m_Command7, m_Check1,
                                                      m_Command2, m_Command4})
        w->setEnabled(enable);
    m_Command6->setEnabled(enable && m_session.gradient.useMiddle);
    m_HScroll1->setValue(0);
    // The design's heights (the top of the preview plus 250 twips, its bottom plus 350) were
    // outer heights, caption included: the client area ends at the preview, or just below it.
    const int width = twipsToPixels(DesignWidth);
    if (enable) {
        setFixedSize(width, m_Picture2->y());
        m_Command1->setText(u"プレビュー表示"_qs);
        m_HScroll1->hide();
    } else {
        setFixedSize(width, m_Picture2->geometry().bottom() + 1 + twipsToPixels(120));
        m_Command1->setText(u"プレビュー終了"_qs);
    }
}

void Form3::showColour(QPushButton* button, std::int32_t colour)
{
    button->setText(colourToHex(colour));
    QPixmap swatch(12, 12);
    swatch.fill(toQColor(colour));
    QPainter(&swatch).drawRect(0, 0, 11, 11);
    button->setIcon(QIcon(swatch));
}

void Form3::showColours()
{
    showColour(m_Command5, m_session.gradient.start);
    showColour(m_Command6, m_session.gradient.middle);
    showColour(m_Command7, m_session.gradient.end);
}

void Form3::unloadLabels()
{
    for (QLabel* l : m_Label5)
        delete l;
    m_Label5.clear();
}

void Form3::Command1_Click()
{
    const QString text = m_Text1->text();
    if (codePointCount(text) < GradientMinimumCharacters)
        return;
    if (m_previewShown) {
        unloadLabels();
        m_previewShown = false;
        SetGradientEditMode(true);
        return;
    }
    const QFont f = sampleFont(m_sample, PreviewPoints);
    const std::vector<ColouredCharacter> characters = gradientCharacters(m_session.gradient, text);
    int left = 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        auto* label = new QLabel(characters[i].text, m_Picture3);
        label->setObjectName(u"Label5(%1)"_qs.arg(i + 1));
        label->setFont(f);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, toQColor(characters[i].colour));
        label->setPalette(pal);
        label->adjustSize();
        label->move(left, 2);
        label->show();
        left += label->width(); // right of the previous one
        m_Label5.push_back(label);
    }
    m_Picture3->resize(left + twipsToPixels(150), m_Picture3->height());
    const int excess = m_Picture3->width() - m_Picture2->width();
    m_HScroll1->setRange(0, excess > 0 ? pixelsToTwips(excess) : 0);
    m_HScroll1->setPageStep(pixelsToTwips(m_Picture2->width()));
    m_HScroll1->setSingleStep(100);
    m_HScroll1->setVisible(excess > 0);
    m_previewShown = true;
    SetGradientEditMode(false);
}

void Form3::HScroll1_Change()
{
    m_Picture3->move(-twipsToPixels(m_HScroll1->value()), 0);
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_HScroll1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            m_HScroll1->setValue(
                previewScrollStep(m_HScroll1->value(), m_HScroll1->maximum(), key == Qt::Key_Right));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form3::Command2_Click()
{
    const QString text = m_Text1->text();
    if (codePointCount(text) < GradientMinimumCharacters)
        return;
    if (m_session.state.OutputMode == CopyFormat::Rtf)
        m_clipboard.set({MakeRTFG(), text});
    else
        m_clipboard.set({QByteArray(), gradientHtml(m_session.gradient, text, m_sample, m_options)});
}

void Form3::Command4_Click()
{
    m_Text1->setText(replaceAll(m_Text1->text(), u" "_qs, u"\u3000"_qs));
}

void Form3::pickColour(QPushButton* button, std::int32_t& colour)
{
    const std::int32_t picked = PickColor(m_session, m_clipboard, m_random, m_host, this,
                                          PickMode::TextColour, colour, m_sample.backColour);
    if (picked == -1)
        return;
    colour = picked;
    showColour(button, colour);
    ColorChange();
}

void Form3::Check1_Click()
{
    m_session.gradient.useMiddle = m_Check1->isChecked();
    m_Command6->setEnabled(m_session.gradient.useMiddle);
    ColorChange();
}

} // namespace typecask
