#include "main_window/button_strip.h"

#include "main_window/strip_widgets.h"
#include "widgets/drag_area.h"
#include "widgets/size_list.h"
#include "widgets/strip_icons.h"

#include <QComboBox>
#include <QPainter>
#include <QToolButton>

namespace typecask {

Groove::Groove(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"Picture7"_qs);
    setFixedHeight(6);
}

void Groove::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 1, width(), 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 2, width(), 2);
}

ButtonStrip::ButtonStrip(std::function<ClipboardContent()> currentSample,
                         std::function<ClipboardContent()> defaultSample, QWidget* parent)
    : QFrame(parent)
{
    makeStrip(this, u"Picture1"_qs, QBoxLayout::LeftToRight);
    Combo1 = new SizeList(this);
    Combo1->setObjectName(u"Combo1"_qs);
    Combo1->setToolTip(u"フォントの大きさ"_qs);
    // A scrolling list of about twenty sizes: styles that pop the list up as a menu would
    // show all 65 the height of the screen. The sizes never change, so the box takes the
    // widest one's width when first shown.
    Combo1->setMaxVisibleItems(20);
    for (int i = 8; i <= 72; ++i)
        Combo1->addItem(QString::number(i));
    layout()->addWidget(Combo1);
    QToolButton* c1 =
        addToolButton(this, u"Command1"_qs, u"フォントの色を変更"_qs, stripIcon(StripIcon::TextColour));
    QToolButton* c2 =
        addToolButton(this, u"Command2"_qs, u"背景の色を変更"_qs, stripIcon(StripIcon::BackColour));
    QToolButton* check1 = addTextButton(this, u"Check1"_qs, u"B"_qs, u"太文字"_qs, true);
    QFont bold = check1->font();
    bold.setBold(true);
    check1->setFont(bold);
    QToolButton* check2 = addTextButton(this, u"Check2"_qs, u"I"_qs, u"斜体"_qs, true);
    QFont italic = check2->font();
    italic.setItalic(true);
    check2->setFont(italic);
    addSeparator(this);
    QToolButton* c10 =
        addToolButton(this, u"Command10"_qs, u"日本語サンプル文字に変更"_qs, glyphIcon(u"あ"_qs));
    QToolButton* c11 =
        addToolButton(this, u"Command11"_qs, u"欧文サンプル文字に変更"_qs, glyphIcon(u"Aa"_qs));
    QToolButton* c12 =
        addToolButton(this, u"Command12"_qs, u"記号サンプル文字に変更"_qs, glyphIcon(u"#&"_qs));
    addSeparator(this);
    QToolButton* c13 = addToolButton(this, u"Command13"_qs, u"検索"_qs, stripIcon(StripIcon::Search));
    QToolButton* c14 = addTextButton(this, u"Command14"_qs, u"文"_qs, u"文字一覧表示"_qs);
    QToolButton* c5 = addToolButton(this, u"Command5"_qs, u"フォント一覧プレビュー表示"_qs,
                                    stripIcon(StripIcon::FontListPreview));
    QToolButton* c15 =
        addToolButton(this, u"Command15"_qs, u"サブウインドウを表示"_qs, stripIcon(StripIcon::SubWindow));
    addSeparator(this);
    Check3 =
        addToolButton(this, u"Check3"_qs, u"ウインドウを常に手前に表示"_qs, stripIcon(StripIcon::Pin), true);
    Check5 = addToolButton(this, u"Check5"_qs, u"HTML作成ﾒﾆｭｰを表示"_qs, stripIcon(StripIcon::HtmlBar), true);
    Check6 = addToolButton(this, u"Check6"_qs, u"RTF作成ﾒﾆｭｰを表示"_qs, stripIcon(StripIcon::RtfBar), true);
    Check10 =
        addToolButton(this, u"Check10"_qs, u"お気に入りの表示"_qs, stripIcon(StripIcon::Favorites), true);
    addSeparator(this);
    const auto dragArea = [this](const QString& name, const QString& tip, DragArea::Kind kind,
                                 std::function<ClipboardContent()> content) {
        auto* area = new DragArea(kind, std::move(content), this);
        area->setObjectName(name);
        area->setToolTip(tip);
        layout()->addWidget(area);
    };
    dragArea(u"Picture4"_qs, u"ここをドラッグしてＲＴＦ形式でコピーできます。"_qs,
             DragArea::Kind::CurrentSample, std::move(currentSample));
    dragArea(u"Picture5"_qs, u"標準の設定をドラッグできます。"_qs, DragArea::Kind::DefaultSample,
             std::move(defaultSample));
    static_cast<QBoxLayout*>(layout())->addStretch();

    connect(Combo1, &QComboBox::activated, this, &ButtonStrip::previewSizeChosen);
    connect(c1, &QToolButton::clicked, this, [this] { Q_EMIT colourRequested(false); });
    connect(c2, &QToolButton::clicked, this, [this] { Q_EMIT colourRequested(true); });
    connect(check1, &QToolButton::clicked, this, &ButtonStrip::boldToggled);
    connect(check2, &QToolButton::clicked, this, &ButtonStrip::italicToggled);
    connect(c10, &QToolButton::clicked, this,
            [this] { Q_EMIT sampleTextRequested(SampleTextKind::Japanese); });
    connect(c11, &QToolButton::clicked, this,
            [this] { Q_EMIT sampleTextRequested(SampleTextKind::Western); });
    connect(c12, &QToolButton::clicked, this, [this] { Q_EMIT sampleTextRequested(SampleTextKind::Symbol); });
    connect(c13, &QToolButton::clicked, this, &ButtonStrip::searchRequested);
    connect(c14, &QToolButton::clicked, this, &ButtonStrip::characterMapRequested);
    connect(c5, &QToolButton::clicked, this, &ButtonStrip::sampleListRequested);
    connect(c15, &QToolButton::clicked, this, &ButtonStrip::subWindowRequested);
    connect(Check3, &QToolButton::clicked, this, &ButtonStrip::alwaysOnTopToggled);
    for (QToolButton* b : {Check5, Check6, Check10})
        connect(b, &QToolButton::clicked, this, &ButtonStrip::stripToggled);
}

} // namespace typecask
