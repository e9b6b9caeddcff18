#include "main_window/main_window.h"

#include "core/size_link.h"

#include "core/font_list_model.h"
#include "core/sample.h"
#include "core/services.h"
#include "core/session.h"
#include "export/copy_commands.h"
#include "main_window/button_strip.h"
#include "main_window/export_bars.h"
#include "main_window/favorites_pane.h"
#include "main_window/font_browser.h"
#include "main_window/mnemonic_menu.h"
#include "main_window/preview_area.h"
#include "main_window/selection_bar.h"
#include "platform/qt_units.h"
#include "storage/favorites_file.h"
#include "storage/session_settings.h"
#include "storage/stored_files.h"
#include "widgets/font_list_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace typecask {

namespace {
// The window's design width; its height follows the preview size step.
constexpr int DesignWidthTwips = 11400;
} // namespace

MDIForm1::MDIForm1(Session& session, Services& services, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_services(services), m_windows(session, services, *this, this)
{
    setObjectName(u"MDIForm1"_qs);
    setWindowTitle(u"Typecask v2.01"_qs);
    setAcceptDrops(true);
    createBars();
    wireBars();
    createMenus();
    skipDisabledMnemonics(this);
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::createBars()
{
    auto* central = new QWidget(this);
    central->setObjectName(u"Client"_qs);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_Picture7 = new Groove(central);
    outer->addWidget(m_Picture7);
    m_Picture1 = new ButtonStrip([this] { return currentSampleContent(m_session.catalog, currentSample()); },
                                 [this] {
                                     // The family the box really draws in, not a desktop alias
                                     // ("Sans Serif") that no word processor knows.
                                     return defaultSettingsContent(m_session.catalog,
                                                                   QFontInfo(m_form1->Text1->font()).family(),
                                                                   m_session.alignment);
                                 },
                                 central);
    outer->addWidget(m_Picture1);
    // The HTML and RTF bars come below the button strip when first shown (htmlBar, rtfBar).

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    m_Picture2 = new SelectionBar(m_session.filter, central);
    middle->addWidget(m_Picture2);
    m_form1 = new Form1(m_session.state, *m_services.messageBox, central);
    middle->addWidget(m_form1, 1);
    m_Picture8 = new FavoritesPane(m_session.favorites, m_session.state.CurrentFontName, central);
    middle->addWidget(m_Picture8);
    outer->addLayout(middle, 1);
    setCentralWidget(central);

    m_faceBar = new FontMenu(
        m_session.state, m_session.favorites, *m_services.clipboard, *m_services.messageBox,
        [this] { return m_Picture8->hasSelection(); }, this);
    showStrips(); // the strips follow their switches from the start
}

// Built on first show: a bar most sessions never open costs nothing at start-up.
HtmlBar* MDIForm1::htmlBar()
{
    if (!m_Picture3) {
        m_Picture3 = new HtmlBar(m_session, centralWidget());
        m_Picture3->showPreviewSize(m_session.state.PreviewSize);
        auto* outer = static_cast<QBoxLayout*>(centralWidget()->layout());
        outer->insertWidget(outer->indexOf(m_Picture1) + 1, m_Picture3);
        connect(m_Picture3, &HtmlBar::copyRequested, this, &MDIForm1::MakeTag);
        connect(m_Picture3, &HtmlBar::gradientRequested, this,
                [this] { m_windows.openGradient(CopyFormat::Html); });
        connect(m_Picture3, &HtmlBar::randomColoursRequested, this,
                [this] { m_windows.openRandomColours(CopyFormat::Html); });
    }
    return m_Picture3;
}

RtfBar* MDIForm1::rtfBar()
{
    if (!m_Picture6) {
        m_Picture6 = new RtfBar(m_session, centralWidget());
        auto* outer = static_cast<QBoxLayout*>(centralWidget()->layout());
        QWidget* above = m_Picture3 ? static_cast<QWidget*>(m_Picture3) : m_Picture1;
        outer->insertWidget(outer->indexOf(above) + 1, m_Picture6);
        connect(m_Picture6, &RtfBar::copyRequested, this, &MDIForm1::MakeRTF);
        connect(m_Picture6, &RtfBar::gradientRequested, this,
                [this] { m_windows.openGradient(CopyFormat::Rtf); });
        connect(m_Picture6, &RtfBar::randomColoursRequested, this,
                [this] { m_windows.openRandomColours(CopyFormat::Rtf); });
    }
    return m_Picture6;
}

void MDIForm1::wireBars()
{
    AppState& st = m_session.state;
    ButtonStrip* strip = m_Picture1;
    connect(strip, &ButtonStrip::previewSizeChosen, this, &MDIForm1::Combo1_Click);
    connect(strip, &ButtonStrip::colourRequested, this, &MDIForm1::pickColour);
    connect(strip, &ButtonStrip::boldToggled, this, [this, &st](bool on) {
        st.PreviewBold = on;
        m_form1->ShowPreview(st.CurrentFontName);
    });
    connect(strip, &ButtonStrip::italicToggled, this, [this, &st](bool on) {
        st.PreviewItalic = on;
        m_form1->ShowPreview(st.CurrentFontName);
    });
    connect(strip, &ButtonStrip::sampleTextRequested, this, [this, &st](SampleTextKind kind) {
        setSampleText(kind == SampleTextKind::Japanese  ? st.SampleTextJapanese
                      : kind == SampleTextKind::Western ? st.SampleTextWestern
                                                        : st.SampleTextSymbol);
    });
    connect(strip, &ButtonStrip::alwaysOnTopToggled, this,
            [this, &st](bool on) { setAlwaysOnTop(st, *this, on); });
    connect(strip, &ButtonStrip::stripToggled, this, &MDIForm1::showStrips);
    connect(strip, &ButtonStrip::sampleListRequested, this,
            [this] { m_windows.openSampleList(fontListNames()); });
    connect(strip, &ButtonStrip::searchRequested, this, [this] { m_windows.openSearch(); });
    connect(strip, &ButtonStrip::characterMapRequested, this, [this] { m_windows.openCharacterMap(); });
    connect(strip, &ButtonStrip::subWindowRequested, this, [this] { m_windows.openSubWindow(); });
    connect(m_Picture2, &SelectionBar::filterChanged, this, &MDIForm1::ListChenge);

    connect(m_form1, &Form1::previewCaptionChanged, this, &QWidget::setWindowTitle);
    connect(m_form1, &Form1::subWindowUpdateRequested, this,
            [this](const QString& name) { m_windows.showSampleInSubWindow(name); });
    connect(m_form1, &Form1::fontDetailsRequested, this,
            [this, &st] { showFontDetails(st.CurrentFontName); });
    connect(m_form1, &Form1::fontMenuRequested, this,
            [this](const QPoint& pos) { openFontMenu(FontMenuForm::FontList, pos); });

    connect(m_Picture8, &FavoritesPane::fontChosen, this, &MDIForm1::previewFont);
    connect(m_Picture8, &FavoritesPane::detailsRequested, this, [this, &st](const QString& name) {
        st.CurrentFontName = name;
        showFontDetails(name);
    });
    connect(
        m_Picture8, &FavoritesPane::fontMenuRequested, this,
        [this](const QString& name, const QPoint& pos) { openFontMenu(FontMenuForm::Favorites, name, pos); });
    connect(m_Picture8, &FavoritesPane::sampleListRequested, this,
            [this] { m_windows.openSampleList(m_session.favorites.names()); });
    connect(m_Picture8, &FavoritesPane::editorRequested, this,
            [this] { m_windows.openFavoritesEditor(fontListNames()); });
    connect(m_Picture8, &FavoritesPane::closeRequested, this, [this] {
        if (m_Picture1->Check10->isChecked())
            m_Picture1->Check10->click();
    });

    connect(m_faceBar, &FontMenu::removeFavoriteRequested, m_Picture8, &FavoritesPane::removeSelected);
    connect(m_faceBar, &FontMenu::htmlCopyRequested, this, &MDIForm1::MakeTag);
    connect(m_faceBar, &FontMenu::rtfCopyRequested, this, &MDIForm1::MakeRTF);
    // The menu also opens over the tool windows' lists: the window it was opened from owns the details.
    connect(m_faceBar, &FontMenu::detailsRequested, this,
            [this](const QString& name) { showFontDetails(name, QApplication::activeWindow()); });
}

void MDIForm1::MDIForm_Load(const SettingsLines& settings, const QStringList& favoriteLines,
                            const QStringList& htmlPaths)
{
    AppState& st = m_session.state;
    // 1-2: settings, then the favourites.
    applySettingsToSession(applySettingsLines(settings), m_session);
    m_Picture2->showFilter();
    m_Picture2->setVisible(m_session.selectionBarVisible);
    QStringList favorites = favoriteNames(favoriteLines);
    sortIgnoringCase(favorites);
    m_session.favorites.setNames(favorites);

    // 3-4: centred by the design size, then the height of the preview size step.
    const int width = twipsToPixels(DesignWidthTwips);
    const int height = twipsToPixels((st.PreviewAreaSize + 1) * 1500 + 2500);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move(r.x() + (r.width() - width) / 2, r.y() + (r.height() - height) / 2);
    }
    resize(width, height);

    // 6: choosing the stored size only sets the font size while loading.
    m_Picture1->Combo1->setCurrentIndex(st.PreviewSize - 8);
    Combo1_Click(st.PreviewSize - 8);

    // 7-8: the font browser fills the client area, its first family named as the lists
    // name it ("IPAゴシック", not "IPAGothic"); the HTML files go to the font check.
    if (const FontCatalog::Entry* e = m_session.catalog.find(st.CurrentFontName))
        st.CurrentFontName = e->font.faceName;
    m_form1->OokisaHenkou();
    if (!htmlPaths.isEmpty())
        m_windows.openHtmlFiles(htmlPaths);

    // 9-11: loaded; the font list and the first preview.
    st.Loading = false;
    MDIForm_Resize();
    ListChenge();
    m_form1->Text1->setText(st.SampleTextWestern);
    if (m_form1->Text1->text() == st.SampleText && st.SampleText.isEmpty())
        m_form1->ShowPreview(st.CurrentFontName); // an empty text fires no change
}

void MDIForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Once the start is over: the progress window goes right after the first show.
    QTimer::singleShot(0, this, [this] { m_windows.showDeferredMessages(); });
}

void MDIForm1::MDIForm_Resize()
{
    if (m_session.state.Loading)
        return;
    // The layouts give Form1 the client area left by the strips and the favourites list
    // the pane's height below its buttons; run them now rather than on the next event.
    centralWidget()->layout()->activate();
}

void MDIForm1::showStrips()
{
    if (m_Picture1->Check5->isChecked())
        htmlBar()->show();
    else if (m_Picture3)
        m_Picture3->hide();
    if (m_Picture1->Check6->isChecked())
        rtfBar()->show();
    else if (m_Picture6)
        m_Picture6->hide();
    m_Picture8->setVisible(m_Picture1->Check10->isChecked());
    MDIForm_Resize();
}

void MDIForm1::showSelectionBar(bool visible)
{
    m_session.selectionBarVisible = visible;
    m_Picture2->setVisible(visible);
    MDIForm_Resize();
}

void MDIForm1::Combo1_Click(int index)
{
    AppState& st = m_session.state;
    st.PreviewSize = static_cast<std::int16_t>(index + 8);
    if (m_Picture3)
        m_Picture3->showPreviewSize(st.PreviewSize);
    if (st.Loading)
        return;
    m_form1->ShowPreview(st.CurrentFontName);
}

void MDIForm1::ListChenge()
{
    if (m_session.state.Loading)
        return;
    QListView* list = m_form1->List1;
    list->setUpdatesEnabled(false);
    m_form1->fontModel()->setNames(m_session.filteredFontNames());
    list->setUpdatesEnabled(true);
}

void MDIForm1::previewFont(const QString& name)
{
    m_session.state.CurrentFontName = name;
    m_form1->ShowPreview(name);
}

bool MDIForm1::selectFontInList(const QString& name)
{
    const int row = static_cast<int>(m_form1->fontModel()->names().indexOf(name));
    if (row < 0)
        return false;
    m_form1->List1->selectRow(row);
    previewFont(name);
    return true;
}

QStringList MDIForm1::fontListNames() const
{
    return m_form1->fontModel()->names();
}

int MDIForm1::fontListRow() const
{
    return m_form1->List1->selectedRow();
}

void MDIForm1::selectFontListRow(int row)
{
    m_form1->List1->selectRow(row);
}

void MDIForm1::openFontMenu(FontMenuForm form, const QString& name, const QPoint& globalPos)
{
    m_session.state.ContextFontName = name;
    m_faceBar->open(form, globalPos);
}

void MDIForm1::settingsChanged()
{
    ListChenge();
    m_form1->OokisaHenkou();
    MDIForm_Resize();
}

void MDIForm1::pickColour(bool background)
{
    PreviewArea* area = m_form1->Picture1;
    const std::int32_t picked =
        m_windows.pickColour(background ? PickMode::BackColour : PickMode::TextColour,
                             fromQColor(area->foreColor()), fromQColor(area->backColor()));
    if (picked == -1)
        return;
    if (background)
        area->setBackColor(toQColor(picked));
    else
        area->setForeColor(toQColor(picked));
    m_form1->ShowPreview(m_session.state.CurrentFontName);
    if (background)
        m_windows.setSubWindowBackground(picked);
}

Sample MDIForm1::currentSample() const
{
    const AppState& s = m_session.state;
    return {s.CurrentFontName,
            m_form1->Text1->text(),
            s.PreviewSize,
            s.PreviewBold,
            s.PreviewItalic,
            fromQColor(m_form1->Picture1->foreColor()),
            fromQColor(m_form1->Picture1->backColor()),
            m_session.alignment};
}

void MDIForm1::MakeRTF()
{
    typecask::copySampleRtf(*m_services.clipboard, m_session.catalog, currentSample());
}

HtmlTagOptions MDIForm1::htmlTagOptions() const
{
    if (!m_Picture3) // the bar's boxes would show the sizes that go with the preview size
        return htmlTagOptionsFrom(m_session.html, fontTagSizeFor(m_session.state.PreviewSize),
                                  pixelSizeFor(m_session.state.PreviewSize));
    return htmlTagOptionsFrom(m_session.html, m_Picture3->Combo2->currentText(),
                              m_Picture3->Combo3->currentText());
}

void MDIForm1::MakeTag()
{
    typecask::copySampleHtml(*m_services.clipboard, currentSample(), htmlTagOptions());
}

void MDIForm1::showFontDetails(const QString& name, QWidget* owner)
{
    m_windows.showFontDetails(name, currentSample(), owner);
}

void MDIForm1::openSampleList(const QStringList& names, QWidget* owner)
{
    m_windows.openSampleList(names, owner);
}

void MDIForm1::openFavoritesEditor(const QStringList& names, QWidget* owner)
{
    m_windows.openFavoritesEditor(names, owner);
}

void MDIForm1::previewFloatingColour(std::int32_t colour)
{
    m_windows.previewFloatingColour(colour);
}

std::vector<QWidget*> MDIForm1::windowsHiddenForScreenRead() const
{
    return m_windows.windowsHiddenForScreenRead();
}

void MDIForm1::openFontMenu(FontMenuForm form, const QPoint& globalPos)
{
    m_faceBar->open(form, globalPos);
}

QMenu* MDIForm1::fontMenu() const
{
    return m_faceBar;
}

FontListModel* MDIForm1::favorites() const
{
    return &m_session.favorites;
}

FontListView* MDIForm1::favoritesView() const
{
    return m_Picture8->List1;
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
    m_windows.openHtmlFiles(paths); // in drop order
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
    const AppSettings settings = settingsFromSession(m_session);
    // The list views still show the catalog's names; the lists themselves go first.
    m_session.resetSortedLists();
    m_form1->fontModel()->clear();
    m_session.catalog.clear();
    const QString failed =
        failedSavesMessage({saveSettings(m_session.programFolder, settings),
                            saveFavorites(m_session.programFolder, m_session.favorites.names())});
    // Edits that could not be kept are not lost without a word.
    if (!failed.isEmpty())
        m_services.messageBox->warning(failed);
    m_session.state.Loading = true;
    m_windows.unloadAll();
}

void MDIForm1::setMainWindowTopmost(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    show(); // changing the flag hides the window
}

void MDIForm1::setAlwaysOnTopChecked(bool checked)
{
    m_Picture1->Check3->setChecked(checked);
}

void MDIForm1::setSubWindowTopmost(bool onTop)
{
    m_windows.setSubWindowTopmost(onTop);
}

} // namespace typecask
