// The main window's docked strips: the groove under the menu bar, the button strip, the
// HTML and RTF bars and the font selection bar.
#include "main_window/mdi_form1.h"

#include "core/app_state.h"
#include "export/copy_commands.h"
#include "export/drag_area.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "main_window/strip_icons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace typecask {

namespace {

// Two lines at 1 and 2 pixels from the top: the groove under the menu bar.
class Groove final : public QWidget
{
public:
    explicit Groove(QWidget* parent) : QWidget(parent) { setFixedHeight(6); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(0, 1, width(), 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, 2, width(), 2);
    }
};

QWidget* strip(QWidget* parent, const QString& name, QBoxLayout::Direction direction)
{
    auto* w = new QFrame(parent);
    w->setObjectName(name);
    auto* layout = new QBoxLayout(direction, w);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(1);
    return w;
}

QToolButton* toolButton(QWidget* parent, const QString& name, const QString& tip, const QIcon& icon,
                        bool checkable = false)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    b->setFocusPolicy(Qt::TabFocus);
    parent->layout()->addWidget(b);
    return b;
}

QToolButton* textButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip,
                        bool checkable = false)
{
    QToolButton* b = toolButton(parent, name, tip, QIcon(), checkable);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(24);
    return b;
}

void separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(8);
    parent->layout()->addWidget(line);
}

// A command whose window a later part of the program builds: shown, not yet usable.
QToolButton* pending(QToolButton* b)
{
    b->setEnabled(false);
    return b;
}

} // namespace

void MDIForm1::createBars()
{
    auto* central = new QWidget(this);
    central->setObjectName(u"Client"_qs);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_Picture7 = new Groove(central);
    m_Picture7->setObjectName(u"Picture7"_qs);
    outer->addWidget(m_Picture7);
    m_Picture1 = createButtonStrip(central);
    outer->addWidget(m_Picture1);
    m_Picture3 = createHtmlBar(central);
    outer->addWidget(m_Picture3);
    m_Picture6 = createRtfBar(central);
    outer->addWidget(m_Picture6);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    m_Picture2 = createSelectionBar(central);
    middle->addWidget(m_Picture2);
    m_form1 = new Form1(m_context, central);
    middle->addWidget(m_form1, 1);
    m_Picture8 = createFavoritesPane(central);
    middle->addWidget(m_Picture8);
    outer->addLayout(middle, 1);
    setCentralWidget(central);

    // The strips follow their check boxes from the start.
    m_Picture3->setVisible(m_Check5->isChecked());
    m_Picture6->setVisible(m_Check6->isChecked());
    m_Picture8->setVisible(m_Check10->isChecked());

    connect(m_form1, &Form1::previewCaptionChanged, this, &QWidget::setWindowTitle);
    connect(m_form1, &Form1::fontDetailsRequested, this,
            [this] { showFontDetails(m_context.state.CurrentFontName); });
    connect(m_form1, &Form1::fontMenuRequested, this,
            [this](const QPoint& pos) { openFontMenu(FontMenuForm::FontList, pos); });
}

QWidget* MDIForm1::createButtonStrip(QWidget* parent)
{
    QWidget* bar = strip(parent, u"Picture1"_qs, QBoxLayout::LeftToRight);
    m_Combo1 = new QComboBox(bar);
    m_Combo1->setObjectName(u"Combo1"_qs);
    m_Combo1->setToolTip(u"フォントの大きさ"_qs);
    m_Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_Combo1->setMaxVisibleItems(16);
    bar->layout()->addWidget(m_Combo1);
    QToolButton* c1 =
        toolButton(bar, u"Command1"_qs, u"フォントの色を変更"_qs, stripIcon(StripIcon::TextColour));
    QToolButton* c2 = toolButton(bar, u"Command2"_qs, u"背景の色を変更"_qs, stripIcon(StripIcon::BackColour));
    m_Check1 = textButton(bar, u"Check1"_qs, u"B"_qs, u"太文字"_qs, true);
    QFont bold = m_Check1->font();
    bold.setBold(true);
    m_Check1->setFont(bold);
    m_Check2 = textButton(bar, u"Check2"_qs, u"I"_qs, u"斜体"_qs, true);
    QFont italic = m_Check2->font();
    italic.setItalic(true);
    m_Check2->setFont(italic);
    separator(bar);
    QToolButton* c10 = toolButton(bar, u"Command10"_qs, u"日本語サンプル文字に変更"_qs, glyphIcon(u"あ"_qs));
    QToolButton* c11 = toolButton(bar, u"Command11"_qs, u"欧文サンプル文字に変更"_qs, glyphIcon(u"Aa"_qs));
    QToolButton* c12 = toolButton(bar, u"Command12"_qs, u"記号サンプル文字に変更"_qs, glyphIcon(u"#&"_qs));
    separator(bar);
    pending(toolButton(bar, u"Command13"_qs, u"検索"_qs, stripIcon(StripIcon::Search)));
    pending(textButton(bar, u"Command14"_qs, u"文"_qs, u"文字一覧表示"_qs));
    pending(toolButton(bar, u"Command5"_qs, u"フォント一覧プレビュー表示"_qs,
                       stripIcon(StripIcon::FontListPreview)));
    pending(toolButton(bar, u"Command15"_qs, u"サブウインドウを表示"_qs, stripIcon(StripIcon::SubWindow)));
    separator(bar);
    m_Check3 =
        toolButton(bar, u"Check3"_qs, u"ウインドウを常に手前に表示"_qs, stripIcon(StripIcon::Pin), true);
    m_Check5 = toolButton(bar, u"Check5"_qs, u"HTML作成ﾒﾆｭｰを表示"_qs, stripIcon(StripIcon::HtmlBar), true);
    m_Check6 = toolButton(bar, u"Check6"_qs, u"RTF作成ﾒﾆｭｰを表示"_qs, stripIcon(StripIcon::RtfBar), true);
    m_Check10 = toolButton(bar, u"Check10"_qs, u"お気に入りの表示"_qs, stripIcon(StripIcon::Favorites), true);
    separator(bar);
    const auto dragArea = [bar](const QString& name, const QString& tip, DragArea::Kind kind,
                                std::function<ClipboardContent()> content) {
        auto* area = new DragArea(kind, std::move(content), bar);
        area->setObjectName(name);
        area->setToolTip(tip);
        bar->layout()->addWidget(area);
    };
    dragArea(u"Picture4"_qs, u"ここをドラッグしてＲＴＦ形式でコピーできます。"_qs,
             DragArea::Kind::CurrentSample,
             [this] { return CurrentSampleContent(m_context, *m_form1, alignment()); });
    dragArea(u"Picture5"_qs, u"標準の設定をドラッグできます。"_qs, DragArea::Kind::DefaultSample,
             [this] { return DefaultSettingsContent(m_context, *m_form1, alignment()); });
    static_cast<QBoxLayout*>(bar->layout())->addStretch();

    connect(m_Combo1, &QComboBox::activated, this, &MDIForm1::Combo1_Click);
    connect(c1, &QToolButton::clicked, this, [this] { pickColour(false); });
    connect(c2, &QToolButton::clicked, this, [this] { pickColour(true); });
    connect(m_Check1, &QToolButton::clicked, this, [this](bool on) {
        m_context.state.PreviewBold = on;
        m_form1->ShowPreview(m_context.state.CurrentFontName);
    });
    connect(m_Check2, &QToolButton::clicked, this, [this](bool on) {
        m_context.state.PreviewItalic = on;
        m_form1->ShowPreview(m_context.state.CurrentFontName);
    });
    connect(c10, &QToolButton::clicked, this, [this] { setSampleText(m_context.state.SampleTextJapanese); });
    connect(c11, &QToolButton::clicked, this, [this] { setSampleText(m_context.state.SampleTextWestern); });
    connect(c12, &QToolButton::clicked, this, [this] { setSampleText(m_context.state.SampleTextSymbol); });
    connect(m_Check3, &QToolButton::clicked, this,
            [this](bool checked) { SetAlwaysOnTop(m_context.state, *this, checked); });
    const auto follow = [this](QToolButton* check, QWidget* const* strip) {
        connect(check, &QToolButton::clicked, this, [this, strip](bool on) {
            (*strip)->setVisible(on);
            MDIForm_Resize();
        });
    };
    follow(m_Check5, &m_Picture3);
    follow(m_Check6, &m_Picture6);
    follow(m_Check10, &m_Picture8);
    return bar;
}

QWidget* MDIForm1::createHtmlBar(QWidget* parent)
{
    QWidget* bar = strip(parent, u"Picture3"_qs, QBoxLayout::LeftToRight);
    m_Combo3 = new QComboBox(bar);
    m_Combo3->setObjectName(u"Combo3"_qs);
    m_Combo3->setEditable(true);
    m_Combo3->setMinimumContentsLength(3);
    bar->layout()->addWidget(m_Combo3);
    m_Combo2 = new QComboBox(bar);
    m_Combo2->setObjectName(u"Combo2"_qs);
    m_Combo2->setEditable(true);
    m_Combo2->setMinimumContentsLength(2);
    bar->layout()->addWidget(m_Combo2);
    separator(bar);
    QToolButton* c9 =
        textButton(bar, u"Check9"_qs, u"f;"_qs, u"スタイルシートでのフォント指定をする"_qs, true);
    QToolButton* c8 = textButton(bar, u"Check8"_qs, u"<s>"_qs, u"スタイルシートを使用する"_qs, true);
    QToolButton* c7 = textButton(bar, u"Check7"_qs, u"<F>"_qs, u"Fontタグを使用する"_qs, true);
    c7->setChecked(m_context.state.UseFontTag);
    c8->setChecked(m_context.state.UseStyleSheet);
    c9->setChecked(m_context.state.FontFamilyInStyleSheet);
    connect(c7, &QToolButton::toggled, this, [this](bool on) { m_context.state.UseFontTag = on; });
    connect(c8, &QToolButton::toggled, this, [this](bool on) { m_context.state.UseStyleSheet = on; });
    connect(c9, &QToolButton::toggled, this,
            [this](bool on) { m_context.state.FontFamilyInStyleSheet = on; });
    separator(bar);
    addMakerButtons(bar, {u"Command6"_qs, u"HTML形式ランダムカラーの作成"_qs},
                    {u"Command4"_qs, u"HTML形式グラデーションの作成"_qs},
                    {u"Command3"_qs, u"HTML形式でコピー"_qs}, &MDIForm1::MakeTag);
    return bar;
}

// The tail both export bars share: random colours, gradient (both with their windows to
// come) and the copy button.
void MDIForm1::addMakerButtons(QWidget* bar, const NamedTip& random, const NamedTip& gradient,
                               const NamedTip& copy, void (MDIForm1::*copySlot)())
{
    pending(toolButton(bar, random.name, random.tip, stripIcon(StripIcon::RandomColour)));
    pending(toolButton(bar, gradient.name, gradient.tip, stripIcon(StripIcon::Gradient)));
    connect(toolButton(bar, copy.name, copy.tip, stripIcon(StripIcon::Copy)), &QToolButton::clicked, this,
            copySlot);
    static_cast<QBoxLayout*>(bar->layout())->addStretch();
}

QWidget* MDIForm1::createRtfBar(QWidget* parent)
{
    QWidget* bar = strip(parent, u"Picture6"_qs, QBoxLayout::LeftToRight);
    const StripIcon align[3] = {StripIcon::AlignLeft, StripIcon::AlignCentre, StripIcon::AlignRight};
    const QString tips[3] = {u"左揃え"_qs, u"中央揃え"_qs, u"右揃え"_qs};
    for (int i = 0; i < 3; ++i) {
        auto* b = m_Option3[i] = new QRadioButton(bar);
        b->setObjectName(u"Option3(%1)"_qs.arg(i));
        b->setIcon(stripIcon(align[i]));
        b->setToolTip(tips[i]);
        b->setChecked(i == 0);
        bar->layout()->addWidget(b);
    }
    separator(bar);
    addMakerButtons(bar, {u"Command9"_qs, u"RTF形式でランダムカラーの作成"_qs},
                    {u"Command8"_qs, u"RTF形式でグラデーションの作成"_qs},
                    {u"Command7"_qs, u"RTF形式でコピー"_qs}, &MDIForm1::MakeRTF);
    return bar;
}

QWidget* MDIForm1::createSelectionBar(QWidget* parent)
{
    QWidget* bar = strip(parent, u"Picture2"_qs, QBoxLayout::TopToBottom);
    bar->layout()->setContentsMargins(4, 4, 2, 4);
    const QString optionTips[2] = {u"ﾌｫﾝﾄ一覧にすべてのタイプのﾌｫﾝﾄを表示します"_qs,
                                   u"ﾌｫﾝﾄ一覧にTrueTypeﾌｫﾝﾄのみ表示します"_qs};
    const QString optionText[2] = {u"すべて"_qs, u"TrueType"_qs};
    for (int i = 0; i < 2; ++i) {
        m_Option1[i] = new QRadioButton(optionText[i], bar);
        m_Option1[i]->setObjectName(u"Option1(%1)"_qs.arg(i));
        m_Option1[i]->setToolTip(optionTips[i]);
        bar->layout()->addWidget(m_Option1[i]);
        connect(m_Option1[i], &QRadioButton::clicked, this, &MDIForm1::ListChenge);
    }
    m_Option1[1]->setChecked(true);
    auto* rule = new QFrame(bar);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    bar->layout()->addWidget(rule);
    const QString checkText[4] = {u"日本語"_qs, u"欧文"_qs, u"記号"_qs, u"その他"_qs};
    const QString checkTips[4] = {u"フォント一覧に日本語フォントを表示するか、表示しないかを選択"_qs,
                                  u"フォント一覧に欧文フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧に記号フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧にその他のフォントを表示するか、しないかを選択"_qs};
    for (int i = 0; i < 4; ++i) {
        m_Check4[i] = new QCheckBox(checkText[i], bar);
        m_Check4[i]->setObjectName(u"Check4(%1)"_qs.arg(i));
        m_Check4[i]->setToolTip(checkTips[i]);
        bar->layout()->addWidget(m_Check4[i]);
        connect(m_Check4[i], &QCheckBox::clicked, this, &MDIForm1::ListChenge);
    }
    static_cast<QBoxLayout*>(bar->layout())->addStretch();
    return bar;
}

} // namespace typecask
