#include "main_window/selection_bar.h"

#include "core/font_filter.h"
#include "main_window/strip_widgets.h"

#include "widgets/menu_items.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>

namespace typecask {

SelectionBar::SelectionBar(FontFilter& filter, QWidget* parent) : QFrame(parent), m_filter(filter)
{
    makeStrip(this, u"Picture2"_qs, QBoxLayout::TopToBottom);
    layout()->setContentsMargins(4, 4, 2, 4);
    const QString optionTips[2] = {u"ﾌｫﾝﾄ一覧にすべてのタイプのﾌｫﾝﾄを表示します"_qs,
                                   u"ﾌｫﾝﾄ一覧にTrueTypeﾌｫﾝﾄのみ表示します"_qs};
    const QString optionText[2] = {u"すべて"_qs, u"TrueType"_qs};
    for (int i = 0; i < 2; ++i) {
        m_Option1[i] = new QRadioButton(optionText[i], this);
        m_Option1[i]->setObjectName(u"Option1(%1)"_qs.arg(i));
        m_Option1[i]->setToolTip(optionTips[i]);
        layout()->addWidget(m_Option1[i]);
        connect(m_Option1[i], &QRadioButton::clicked, this, [this, i] {
            m_filter.allFontTypes = i == 0;
            Q_EMIT filterChanged();
        });
    }
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout()->addWidget(rule);
    const QString checkText[4] = {u"日本語"_qs, u"欧文"_qs, u"記号"_qs, u"その他"_qs};
    const QString checkTips[4] = {u"フォント一覧に日本語フォントを表示するか、表示しないかを選択"_qs,
                                  u"フォント一覧に欧文フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧に記号フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧にその他のフォントを表示するか、しないかを選択"_qs};
    for (int i = 0; i < 4; ++i) {
        m_Check4[i] = new QCheckBox(checkText[i], this);
        m_Check4[i]->setObjectName(u"Check4(%1)"_qs.arg(i));
        m_Check4[i]->setToolTip(checkTips[i]);
        layout()->addWidget(m_Check4[i]);
        connect(m_Check4[i], &QCheckBox::clicked, this, [this, i](bool on) {
            m_filter.categories[i] = on;
            Q_EMIT filterChanged();
        });
    }
    static_cast<QBoxLayout*>(layout())->addStretch();
    showFilter();
}

void SelectionBar::addFilterItems(QMenu* menu)
{
    const QString captions[7] = {
        u"すべてのフォント(&A)"_qs, u"TrueTypeフォント(&T)"_qs, QString(),
        u"日本語フォント(&J)"_qs,   u"欧文フォント(&E)"_qs,     u"特殊記号フォント(&S)"_qs,
        u"その他のフォント(&O)"_qs};
    for (int i = 0; i < 7; ++i) {
        if (i == 2) {
            menu->addSeparator()->setObjectName(u"hyouzifont_BAR(2)"_qs);
            continue;
        }
        // Through the boxes, so their click handlers refill the list.
        buttonItem(menu, captions[i], u"hyouzifont_BAR(%1)"_qs.arg(i),
                   i < 2 ? static_cast<QAbstractButton*>(m_Option1[i]) : m_Check4[i - 3]);
    }
}

void SelectionBar::showFilter()
{
    m_Option1[m_filter.allFontTypes ? 0 : 1]->setChecked(true);
    for (int i = 0; i < 4; ++i)
        m_Check4[i]->setChecked(m_filter.categories[i]);
}

} // namespace typecask
