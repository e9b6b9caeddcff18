#include "main_window/mdi_form1.h"

#include "main_window/mnemonic_menu.h"

#include "colour_tools/pick_color.h"
#include "core/colour.h"
#include "core/font_list_model.h"
#include "core/qt_platform.h"
#include "core/size_link.h"
#include "export/copy_commands.h"
#include "font_tools/form9.h"
#include "main_window/app_context.h"
#include "main_window/font_list_view.h"
#include "main_window/form1.h"
#include "main_window/preview_area.h"
#include "storage/favorites_file.h"
#include "storage/settings_file.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace typecask {

namespace {

// The window's design width; its height follows the preview size step.
constexpr int DesignWidthTwips = 11400;

std::int32_t toColour(const QColor& c)
{
    return Rgb(c.red(), c.green(), c.blue());
}

QColor fromColour(std::int32_t v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

} // namespace

MDIForm1::MDIForm1(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_favorites(new FontListModel(this))
{
    setObjectName(u"MDIForm1"_qs);
    setWindowTitle(u"Typecask v2.01"_qs);
    setAcceptDrops(true);
    createBars();
    createMenus();
    skipDisabledMnemonics(this);
}

MDIForm1::~MDIForm1() = default;

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
    MDIForm_Resize();
    ListChenge();
    m_form1->Text1->setText(m_context.state.SampleTextWestern);
    if (m_form1->Text1->text() == m_context.state.SampleText && m_context.state.SampleText.isEmpty())
        m_form1->ShowPreview(m_context.state.CurrentFontName); // an empty text fires no change
}

void MDIForm1::MDIForm_Resize()
{
    if (m_context.state.Loading)
        return;
    // The layouts give Form1 the client area left by the strips and the favourites list
    // the pane's height below its buttons; run them now rather than on the next event.
    centralWidget()->layout()->activate();
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
    QListView* list = m_form1->List1;
    list->setUpdatesEnabled(false);
    m_form1->fontModel()->setNames(m_context.sortedLists().names(filter));
    list->setUpdatesEnabled(true);
}

void MDIForm1::pickColour(bool background)
{
    PreviewArea* area = m_form1->Picture1;
    const std::int32_t picked =
        PickColor(m_context, this, background ? PickMode::BackColour : PickMode::TextColour,
                  toColour(area->foreColor()), toColour(area->backColor()));
    if (picked == NoColour)
        return;
    if (background)
        area->setBackColor(fromColour(picked));
    else
        area->setForeColor(fromColour(picked));
    m_form1->ShowPreview(m_context.state.CurrentFontName);
    // The open floating window takes the new background with its own part.
}

void MDIForm1::MakeRTF()
{
    typecask::MakeRTF(m_context, *m_form1, alignment());
}

void MDIForm1::MakeTag()
{
    typecask::MakeTag(m_context, *m_form1, m_Combo2->currentText(), m_Combo3->currentText());
}

Alignment MDIForm1::alignment() const
{
    for (int i = 0; i < 3; ++i)
        if (m_Option3[i]->isChecked())
            return static_cast<Alignment>(i);
    return Alignment::Left;
}

void MDIForm1::showFontDetails(const QString& name)
{
    OpenFontDetails(m_context, *this, this, name, m_form1->Text1->text());
}

void MDIForm1::setSampleText(const QString& text)
{
    m_form1->Text1->setText(text);
}

void MDIForm1::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* event)
{
    if (MDIForm_OLEDragDrop(*event->mimeData()))
        event->acceptProposedAction();
}

bool MDIForm1::MDIForm_OLEDragDrop(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty())
        return false;
    // Read by the HTML font check, in drop order.
    m_context.droppedPaths = paths;
    return true;
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
