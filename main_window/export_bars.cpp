#include "main_window/export_bars.h"

#include "core/session.h"
#include "core/size_link.h"
#include "main_window/strip_widgets.h"
#include "widgets/strip_icons.h"

#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

namespace typecask {

namespace {

struct NamedTip
{
    QString name;
    QString tip;
};

// The tail both export bars share: random colours, gradient and the copy button.
template <typename Bar>
void addMakerButtons(Bar* bar, const NamedTip& random, const NamedTip& gradient, const NamedTip& copy)
{
    QObject::connect(addToolButton(bar, random.name, random.tip, stripIcon(StripIcon::RandomColour)),
                     &QToolButton::clicked, bar, &Bar::randomColoursRequested);
    QObject::connect(addToolButton(bar, gradient.name, gradient.tip, stripIcon(StripIcon::Gradient)),
                     &QToolButton::clicked, bar, &Bar::gradientRequested);
    QObject::connect(addToolButton(bar, copy.name, copy.tip, stripIcon(StripIcon::Copy)),
                     &QToolButton::clicked, bar, &Bar::copyRequested);
    static_cast<QBoxLayout*>(bar->layout())->addStretch();
}

} // namespace

HtmlBar::HtmlBar(Session& session, QWidget* parent) : QFrame(parent)
{
    makeStrip(this, u"Picture3"_qs, QBoxLayout::LeftToRight);
    Combo3 = new QComboBox(this);
    Combo3->setObjectName(u"Combo3"_qs);
    Combo3->setEditable(true);
    Combo3->setMinimumContentsLength(3);
    Combo3->setToolTip(u"スタイルシートで指定するフォントの大きさ（ピクセル）"_qs);
    for (int i = 1; i <= 50; ++i)
        Combo3->addItem(QString::number(i));
    layout()->addWidget(Combo3);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(u"Combo2"_qs);
    Combo2->setEditable(true);
    Combo2->setMinimumContentsLength(2);
    Combo2->setToolTip(u"Fontタグの大きさ指定"_qs);
    for (int i = 1; i <= 7; ++i)
        Combo2->addItem(QString::number(i));
    layout()->addWidget(Combo2);
    addSeparator(this);
    QToolButton* c9 =
        addTextButton(this, u"Check9"_qs, u"f;"_qs, u"スタイルシートでのフォント指定をする"_qs, true);
    QToolButton* c8 = addTextButton(this, u"Check8"_qs, u"<s>"_qs, u"スタイルシートを使用する"_qs, true);
    QToolButton* c7 = addTextButton(this, u"Check7"_qs, u"<F>"_qs, u"Fontタグを使用する"_qs, true);
    HtmlOptions& html = session.html;
    c7->setChecked(html.useFontTag);
    c8->setChecked(html.useStyleSheet);
    c9->setChecked(html.fontFamilyInStyleSheet);
    connect(c7, &QToolButton::toggled, this, [&html](bool on) { html.useFontTag = on; });
    connect(c8, &QToolButton::toggled, this, [&html](bool on) { html.useStyleSheet = on; });
    connect(c9, &QToolButton::toggled, this, [&html](bool on) { html.fontFamilyInStyleSheet = on; });
    addSeparator(this);
    addMakerButtons(this, {u"Command6"_qs, u"HTML形式ランダムカラーの作成"_qs},
                    {u"Command4"_qs, u"HTML形式グラデーションの作成"_qs},
                    {u"Command3"_qs, u"HTML形式でコピー"_qs});
}

void HtmlBar::showPreviewSize(int points)
{
    Combo2->setCurrentText(fontTagSizeFor(points));
    Combo3->setCurrentText(pixelSizeFor(points));
}

RtfBar::RtfBar(Session& session, QWidget* parent) : QFrame(parent)
{
    makeStrip(this, u"Picture6"_qs, QBoxLayout::LeftToRight);
    const StripIcon align[3] = {StripIcon::AlignLeft, StripIcon::AlignCentre, StripIcon::AlignRight};
    const QString tips[3] = {u"左揃え"_qs, u"中央揃え"_qs, u"右揃え"_qs};
    for (int i = 0; i < 3; ++i) {
        auto* b = m_Option3[i] = new QRadioButton(this);
        b->setObjectName(u"Option3(%1)"_qs.arg(i));
        b->setIcon(stripIcon(align[i]));
        b->setToolTip(tips[i]);
        b->setChecked(i == static_cast<int>(session.alignment));
        layout()->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [&session, i](bool on) {
            if (on)
                session.alignment = static_cast<Alignment>(i);
        });
    }
    addSeparator(this);
    addMakerButtons(this, {u"Command9"_qs, u"RTF形式でランダムカラーの作成"_qs},
                    {u"Command8"_qs, u"RTF形式でグラデーションの作成"_qs},
                    {u"Command7"_qs, u"RTF形式でコピー"_qs});
}

} // namespace typecask
