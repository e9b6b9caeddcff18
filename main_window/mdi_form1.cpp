#include "main_window/mdi_form1.h"

#include "core/font_list_model.h"
#include "core/qt_platform.h"
#include "core/size_link.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "storage/favorites_file.h"
#include "storage/settings_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListView>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace typecask {

namespace {
// The window's design width; its height follows the preview size step.
constexpr int DesignWidthTwips = 11400;
} // namespace

MDIForm1::MDIForm1(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_favorites(new FontListModel(this))
{
    setObjectName(u"MDIForm1"_qs);
    setWindowTitle(u"Typecask v2.01"_qs);
    setAcceptDrops(true);
    createMenus();
    createBars();
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::createMenus()
{
    QMenu* file = menuBar()->addMenu(u"ファイル(&F)"_qs);
    file->setObjectName(u"file_bar"_qs);
    QAction* open = file->addAction(u"開く(&O)"_qs);
    open->setObjectName(u"file_bar0(0)"_qs);
    open->setEnabled(false); // the HTML font check arrives with its window
    file->addSeparator();
    QAction* quit = file->addAction(u"終了(&X)"_qs);
    quit->setObjectName(u"file_bar0(2)"_qs);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void MDIForm1::createBars()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_Picture1 = new QWidget(central);
    m_Picture1->setObjectName(u"Picture1"_qs);
    auto* strip = new QHBoxLayout(m_Picture1);
    strip->setContentsMargins(4, 2, 4, 2);
    m_Combo1 = new QComboBox(m_Picture1);
    m_Combo1->setObjectName(u"Combo1"_qs);
    m_Combo1->setToolTip(u"フォントの大きさ"_qs);
    strip->addWidget(m_Combo1);
    m_Check3 = new QCheckBox(m_Picture1);
    m_Check3->setObjectName(u"Check3"_qs);
    m_Check3->setToolTip(u"ウインドウを常に手前に表示"_qs);
    strip->addWidget(m_Check3);
    strip->addStretch();
    outer->addWidget(m_Picture1);

    m_Picture3 = new QWidget(central);
    m_Picture3->setObjectName(u"Picture3"_qs);
    auto* html = new QHBoxLayout(m_Picture3);
    html->setContentsMargins(4, 2, 4, 2);
    m_Combo3 = new QComboBox(m_Picture3);
    m_Combo3->setObjectName(u"Combo3"_qs);
    m_Combo3->setEditable(true);
    m_Combo2 = new QComboBox(m_Picture3);
    m_Combo2->setObjectName(u"Combo2"_qs);
    m_Combo2->setEditable(true);
    html->addWidget(m_Combo3);
    html->addWidget(m_Combo2);
    html->addStretch();
    m_Picture3->hide();
    outer->addWidget(m_Picture3);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    m_Picture2 = new QWidget(central);
    m_Picture2->setObjectName(u"Picture2"_qs);
    auto* filters = new QVBoxLayout(m_Picture2);
    filters->setContentsMargins(4, 4, 4, 4);
    const QString optionTips[2] = {u"ﾌｫﾝﾄ一覧にすべてのタイプのﾌｫﾝﾄを表示します"_qs,
                                   u"ﾌｫﾝﾄ一覧にTrueTypeﾌｫﾝﾄのみ表示します"_qs};
    const QString optionText[2] = {u"すべて"_qs, u"TrueType"_qs};
    for (int i = 0; i < 2; ++i) {
        m_Option1[i] = new QRadioButton(optionText[i], m_Picture2);
        m_Option1[i]->setObjectName(u"Option1(%1)"_qs.arg(i));
        m_Option1[i]->setToolTip(optionTips[i]);
        filters->addWidget(m_Option1[i]);
        connect(m_Option1[i], &QRadioButton::clicked, this, &MDIForm1::ListChenge);
    }
    m_Option1[1]->setChecked(true);
    const QString checkText[4] = {u"日本語"_qs, u"欧文"_qs, u"記号"_qs, u"その他"_qs};
    const QString checkTips[4] = {u"フォント一覧に日本語フォントを表示するか、表示しないかを選択"_qs,
                                  u"フォント一覧に欧文フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧に記号フォントを表示するか、しないかを選択"_qs,
                                  u"フォント一覧にその他のフォントを表示するか、しないかを選択"_qs};
    for (int i = 0; i < 4; ++i) {
        m_Check4[i] = new QCheckBox(checkText[i], m_Picture2);
        m_Check4[i]->setObjectName(u"Check4(%1)"_qs.arg(i));
        m_Check4[i]->setToolTip(checkTips[i]);
        filters->addWidget(m_Check4[i]);
        connect(m_Check4[i], &QCheckBox::clicked, this, &MDIForm1::ListChenge);
    }
    filters->addStretch();
    middle->addWidget(m_Picture2);

    m_form1 = new Form1(m_context, central);
    middle->addWidget(m_form1, 1);
    connect(m_form1, &Form1::previewCaptionChanged, this, &QWidget::setWindowTitle);

    m_Picture8 = new QWidget(central);
    m_Picture8->setObjectName(u"Picture8"_qs);
    auto* pane = new QVBoxLayout(m_Picture8);
    pane->setContentsMargins(0, 0, 0, 0);
    m_List1 = new QListView(m_Picture8);
    m_List1->setObjectName(u"List1"_qs);
    m_List1->setModel(m_favorites);
    m_List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pane->addWidget(m_List1);
    m_Picture8->hide();
    middle->addWidget(m_Picture8);
    outer->addLayout(middle, 1);

    setCentralWidget(central);

    connect(m_Combo1, &QComboBox::activated, this, &MDIForm1::Combo1_Click);
    connect(m_Check3, &QCheckBox::clicked, this,
            [this](bool checked) { SetAlwaysOnTop(m_context.state, *this, checked); });
}

void MDIForm1::applySettings()
{
    const AppSettings s = applySettingsLines(m_context.settingsLines);
    AppState& st = m_context.state;
    if (s.allFontTypes)
        m_Option1[0]->setChecked(true);
    else
        m_Option1[1]->setChecked(true);
    for (int i = 0; i < 4; ++i)
        m_Check4[i]->setChecked(s.categories[i] == 1);
    st.PreviewSize = s.previewSize;
    st.PreviewAreaSize = s.previewAreaSize;
    st.ListSampleSize = s.listSampleSize;
    st.ListRowCount = s.listRowCount;
    st.ListVertical = s.listVertical;
    st.ShowVerticalFonts = s.showVerticalFonts;
    m_Picture2->setVisible(s.selectionBarVisible);
    st.SampleTextJapanese = s.sampleTextJapanese;
    st.SampleTextWestern = s.sampleTextWestern;
    st.SampleTextSymbol = s.sampleTextSymbol;
}

void MDIForm1::MDIForm_Load()
{
    // 1-2: settings, then the favourites; the line arrays are done with after this.
    applySettings();
    QStringList favorites = favoriteNames(m_context.favoriteLines);
    sortIgnoringCase(favorites);
    m_favorites->setNames(favorites);
    m_context.settingsLines = {};
    m_context.favoriteLines.clear();

    // 3-4: centred by the design size, then the height of the preview size step.
    const int width = twipsToPixels(DesignWidthTwips);
    const int height = twipsToPixels((m_context.state.PreviewAreaSize + 1) * 1500 + 2500);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move(r.x() + (r.width() - width) / 2, r.y() + (r.height() - height) / 2);
    }
    resize(width, height);

    // 6: the size boxes; choosing the stored size only sets the font size while loading.
    for (int i = 8; i <= 72; ++i)
        m_Combo1->addItem(QString::number(i));
    for (int i = 1; i <= 7; ++i)
        m_Combo2->addItem(QString::number(i));
    for (int i = 1; i <= 50; ++i)
        m_Combo3->addItem(QString::number(i));
    m_Combo1->setCurrentIndex(m_context.state.PreviewSize - 8);
    Combo1_Click(m_context.state.PreviewSize - 8);

    // 7: the font browser fills the client area.
    m_form1->OokisaHenkou();

    // 9-11: loaded; the font list and the first preview.
    m_context.state.Loading = false;
    ListChenge();
    m_form1->Text1->setText(m_context.state.SampleTextWestern);
    if (m_form1->Text1->text() == m_context.state.SampleText && m_context.state.SampleText.isEmpty())
        m_form1->ShowPreview(m_context.state.CurrentFontName); // an empty text fires no change
}

void MDIForm1::Combo1_Click(int index)
{
    AppState& st = m_context.state;
    st.PreviewSize = static_cast<std::int16_t>(index + 8);
    m_Combo2->setCurrentText(fontTagSizeFor(st.PreviewSize));
    m_Combo3->setCurrentText(pixelSizeFor(st.PreviewSize));
    if (st.Loading)
        return;
    m_form1->ShowPreview(st.CurrentFontName);
}

void MDIForm1::ListChenge()
{
    if (m_context.state.Loading)
        return;
    FontFilter filter;
    for (int i = 0; i < 4; ++i)
        filter.categories[i] = m_Check4[i]->isChecked();
    filter.allFontTypes = m_Option1[0]->isChecked();
    filter.showVerticalFonts = m_context.state.ShowVerticalFonts;
    m_form1->fontModel()->setNames(m_context.sortedLists().names(filter));
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    MDIForm_Unload();
    event->accept();
}

void MDIForm1::MDIForm_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    AppState& st = m_context.state;

    AppSettings s;
    s.allFontTypes = m_Option1[0]->isChecked();
    for (int i = 0; i < 4; ++i)
        s.categories[i] = m_Check4[i]->isChecked() ? 1 : 0;
    s.previewSize = st.PreviewSize;
    s.previewAreaSize = st.PreviewAreaSize;
    s.listSampleSize = st.ListSampleSize;
    s.listRowCount = st.ListRowCount;
    s.listVertical = st.ListVertical;
    s.showVerticalFonts = st.ShowVerticalFonts;
    s.selectionBarVisible = m_Picture2->isVisibleTo(this);
    s.sampleTextJapanese = st.SampleTextJapanese;
    s.sampleTextWestern = st.SampleTextWestern;
    s.sampleTextSymbol = st.SampleTextSymbol;

    // The list views still show the catalog's names; the lists themselves go first.
    m_context.resetSortedLists();
    m_form1->fontModel()->clear();
    m_context.catalog.clear();
    SaveSettings(m_context.programFolder, s);
    SaveFavorites(m_context.programFolder, m_favorites->names());
    st.Loading = true;

    // Every other window, in the order they were always released.
    static const char* const order[] = {"Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
                                        "Form18", "Form9",  "Form10", "Form11", "Form12", "Form13",
                                        "Form14", "Form15", "Form16", "Form17"};
    for (const char* name : order)
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
            w->close();
}

void MDIForm1::setMainWindowTopmost(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    show(); // changing the flag hides the window
}

void MDIForm1::setCheck3(bool checked)
{
    m_Check3->setChecked(checked);
}

void MDIForm1::setSubWindowTopmost(bool)
{
    // The floating sample windows arrive with their own window classes.
}

} // namespace typecask
