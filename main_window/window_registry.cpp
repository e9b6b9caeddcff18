#include "main_window/window_registry.h"

#include "colour_tools/gradient_window.h"
#include "colour_tools/random_colour_window.h"
#include "core/sample.h"
#include "core/services.h"
#include "core/session.h"
#include "dialogs/favorites_editor_window.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/version_window.h"
#include "floating/fixed_floating_window.h"
#include "floating/sizable_floating_window.h"
#include "floating/sub_window.h"
#include "font_tools/character_map_window.h"
#include "font_tools/font_details_window.h"
#include "font_tools/font_list_maker_window.h"
#include "font_tools/font_search_window.h"
#include "font_tools/html_font_check_window.h"
#include "main_window/progress_window.h"
#include "main_window/sample_list_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <utility>

namespace typecask {

WindowRegistry::WindowRegistry(Session& session, Services& services, ToolWindowHost& host,
                               QWidget* mainWindow)
    : m_session(session), m_services(services), m_host(host), m_main(mainWindow)
{
}

Form9& WindowRegistry::form9()
{
    if (!m_form9)
        m_form9 = new Form9(m_main);
    return *m_form9;
}

Form14& WindowRegistry::form14()
{
    if (!m_form14)
        m_form14 = new Form14(m_session, m_host, m_main);
    return *m_form14;
}

Form4& WindowRegistry::form4()
{
    if (!m_form4)
        m_form4 = new Form4(*m_services.shell, *m_services.messageBox, m_main);
    return *m_form4;
}

void WindowRegistry::openFontList()
{
    Form4& form = form4();
    form.Form_Load(m_host.fontListNames(), m_session.favorites.names(), m_host.currentSample(),
                   m_session.programFolder);
    showModal(form, OnTopRule::LeaveAlwaysOnTop);
}

Form3& WindowRegistry::form3()
{
    if (!m_form3)
        m_form3 = new Form3(m_session, *m_services.clipboard, *m_services.random, &m_host, m_main);
    return *m_form3;
}

Form13& WindowRegistry::form13()
{
    if (!m_form13)
        m_form13 = new Form13(m_session, *m_services.clipboard, *m_services.random, m_main);
    return *m_form13;
}

Form18& WindowRegistry::form18()
{
    if (!m_form18)
        m_form18 = new Form18(m_session.state, m_session.catalog, *m_services.messageBox, m_host, m_main);
    return *m_form18;
}

Form11& WindowRegistry::form11()
{
    if (!m_form11)
        m_form11 = new Form11(m_session, *m_services.messageBox, m_host, m_main);
    return *m_form11;
}

Form17& WindowRegistry::form17()
{
    if (!m_form17)
        m_form17 = new Form17(m_session, m_host, m_main);
    return *m_form17;
}

Form5& WindowRegistry::form5()
{
    if (!m_form5)
        m_form5 = new Form5(m_session.catalog, *m_services.random, *m_services.shell, m_main);
    return *m_form5;
}

void WindowRegistry::openSampleList(const QStringList& names, QWidget* owner)
{
    Form18& form = form18();
    form.Form_Load();
    form.StartItiran(names, m_main->size());
    showModalOver(form, owner, OnTopRule::Keep);
}

void WindowRegistry::openFavoritesEditor(const QStringList& names, QWidget* owner)
{
    Form11& form = form11();
    form.Form_Load();
    form.LGetList(names);
    showModalOver(form, owner, OnTopRule::Keep);
}

void WindowRegistry::openSettings()
{
    Form17& form = form17();
    form.Form_Load();
    showModal(form, OnTopRule::Keep);
}

void WindowRegistry::openVersionInfo()
{
    Form5& form = form5();
    form.Form_Load();
    showModal(form, OnTopRule::LeaveAlwaysOnTop);
}

Form10& WindowRegistry::form10()
{
    if (!m_form10)
        m_form10 = new Form10(m_session, m_host, m_main);
    return *m_form10;
}

Form12& WindowRegistry::form12()
{
    if (!m_form12)
        m_form12 = new Form12(m_session, *m_services.clipboard, m_host, m_main);
    return *m_form12;
}

void WindowRegistry::openSearch()
{
    const bool loading = !m_form10;
    Form10& form = form10();
    if (loading)
        form.Form_Load();
    showModeless(form, OnTopRule::Keep);
}

void WindowRegistry::openCharacterMap()
{
    Form12& form = form12();
    form.Form_Load(m_main->size());
    showModal(form, OnTopRule::LeaveAlwaysOnTop);
}

SubWindow& WindowRegistry::subWindow()
{
    if (!m_subWindow)
        m_subWindow =
            new SubWindow(m_session.state, *m_services.screen, *m_services.messageBox, m_host, m_main);
    return *m_subWindow;
}

int WindowRegistry::showModal(QDialog& dialog, OnTopRule rule)
{
    if (applyOnTopRule(m_session.state, &m_host, rule))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return dialog.exec();
}

void WindowRegistry::showModeless(QWidget& window, OnTopRule rule)
{
    if (applyOnTopRule(m_session.state, &m_host, rule))
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.show();
    window.raise();
    window.activateWindow();
}

void WindowRegistry::showFontDetails(const QString& name, const Sample& sample, QWidget* owner)
{
    Form9& form = form9();
    form.fill(fontDetailsView(
        m_session.catalog, name,
        SampleMeasure{sample.text, sample.size, sample.bold, sample.italic, measureFontDetailsText}));
    showModalOver(form, owner, OnTopRule::LeaveAlwaysOnTop);
}

int WindowRegistry::showModalOver(QDialog& dialog, QWidget* owner, OnTopRule rule)
{
    // Owned by the window that asked, the window manager hands the focus back to it, not to
    // the main window, when the dialog closes. Back home afterwards: the asking window may be
    // one that deletes itself, and would take the kept window with it.
    owner = owner ? owner->window() : m_main;
    // Only a shown window other than the dialog can own it (an active window asked for by a
    // menu may be the dialog itself, left active by its last showing).
    if (owner == &dialog || dialog.isAncestorOf(owner) || !owner->isVisible())
        owner = m_main;
    const bool borrowed = owner != dialog.parentWidget();
    if (borrowed)
        dialog.setParent(owner, dialog.windowFlags());
    const int result = showModal(dialog, rule);
    if (borrowed)
        dialog.setParent(m_main, dialog.windowFlags());
    return result;
}

void WindowRegistry::openGradient(CopyFormat format)
{
    m_session.state.OutputMode = format;
    const Sample sample = m_host.currentSample();
    setGradientStartOnce(m_session.gradient, format, sample.textColour);
    Form3& form = form3();
    form.Form_Load(sample, m_host.htmlTagOptions());
    showModal(form, OnTopRule::LeaveAlwaysOnTop);
}

void WindowRegistry::openRandomColours(CopyFormat format)
{
    m_session.state.OutputMode = format;
    Form13& form = form13();
    form.Form_Load(m_host.currentSample(), m_host.htmlTagOptions());
    showModal(form, OnTopRule::LeaveAlwaysOnTop);
}

std::vector<QWidget*> WindowRegistry::windowsHiddenForScreenRead() const
{
    // The font search and the HTML check hide with the floating window while it reads the
    // screen, so their lists are not in the picture.
    return {m_form10.data(), m_form14.data()};
}

std::int32_t WindowRegistry::pickColour(PickMode mode, std::int32_t textColour, std::int32_t backColour)
{
    // The picker is made fresh for every pick (see PickColor) and applies its own rule.
    return PickColor(m_session, *m_services.clipboard, *m_services.random, &m_host, m_main, mode, textColour,
                     backColour);
}

void WindowRegistry::openHtmlFile()
{
    const QString path = m_services.fileDialog->openHtmlFile(m_session.programFolder);
    if (!path.isEmpty())
        openHtmlFiles({path});
}

void WindowRegistry::openHtmlFiles(const QStringList& paths)
{
    if (m_readingHtml) {
        m_queuedHtmlFiles += paths; // read by the loop below, in order
        return;
    }
    m_readingHtml = true;
    Form14& check = form14();
    const bool checkWasShown = check.isVisible();
    auto progress = std::make_unique<Form6>();
    progress->show();
    // Only the progress window shows while the files are read: the main window, the check
    // window and the tool windows the main window keeps open are hidden, then shown again.
    std::vector<QPointer<QWidget>> hidden;
    for (QWidget* w : unloadOrder())
        if (w != &check && w->isVisible() && !w->isModal()) {
            hidden.emplace_back(w);
            w->hide();
        }
    const bool mainWasShown = m_main->isVisible();
    check.hide();
    m_main->hide();
    progress->setStatus(u"Now Reading...."_qs);
    QCoreApplication::processEvents();

    QStringList failures;
    QElapsedTimer shown;
    shown.start();
    m_queuedHtmlFiles = paths;
    while (!m_queuedHtmlFiles.isEmpty()) {
        const QString path = m_queuedHtmlFiles.takeFirst();
        const HtmlReadResult r = check.open_html(path, [&](qint64 line) {
            // Every hundredth line, as often as a screen can show it: a repaint per hundred
            // lines would take longer than reading a large file.
            if (line == 0 || shown.elapsed() >= 40) {
                progress->setStatus(u"NowReading..."_qs + QString::number(line));
                QCoreApplication::processEvents();
                shown.restart();
            }
        });
        if (r.status == HtmlReadResult::Status::Failed)
            failures.append(u"「"_qs + path + u"」を読み込めませんでした（"_qs + r.error + u"）"_qs);
    }
    progress.reset();
    for (const QPointer<QWidget>& w : hidden)
        if (w)
            w->show();
    if (mainWasShown)
        m_main->show();
    // The check window loads (and leaves the always-in-front state) when it was not open.
    showModeless(check, checkWasShown ? OnTopRule::Keep : OnTopRule::LeaveAlwaysOnTop);
    m_readingHtml = false;
    if (failures.isEmpty())
        return;
    const QString text = failures.join(u'\n');
    // Files from the command line are read while the program starts: their message waits
    // until the main window shows (showDeferredMessages) and the progress window has gone.
    if (m_main->isVisible())
        m_services.messageBox->warning(text);
    else
        m_deferredWarning = text;
}

void WindowRegistry::showDeferredMessages()
{
    if (m_deferredWarning.isEmpty())
        return;
    m_services.messageBox->warning(std::exchange(m_deferredWarning, QString()));
}

void WindowRegistry::previewFloatingColour(std::int32_t colour)
{
    if (m_subWindow)
        m_subWindow->setTextColour(colour);
}

void WindowRegistry::openSubWindow()
{
    subWindow().open();
}

void WindowRegistry::showSampleInSubWindow(const QString& fontName)
{
    if (!m_subWindow)
        return;
    Sample sample = m_host.currentSample();
    sample.fontName = fontName;
    m_subWindow->showSample(sample);
}

void WindowRegistry::setSubWindowBackground(std::int32_t colour)
{
    if (m_subWindow)
        m_subWindow->setBackground(colour);
}

void WindowRegistry::setSubWindowTopmost(bool onTop)
{
    if (m_subWindow)
        m_subWindow->setTopmost(onTop);
}

std::vector<QWidget*> WindowRegistry::unloadOrder() const
{
    // The order the windows have always been released in: Form2 ... Form17, Form18 after
    // Form7. Only the windows made so far are listed.
    std::vector<QWidget*> order;
    Form15* form15 = m_subWindow ? m_subWindow->form15() : nullptr;
    Form16* form16 = m_subWindow ? m_subWindow->form16() : nullptr;
    for (QWidget* w : {static_cast<QWidget*>(m_form3.data()), static_cast<QWidget*>(m_form4.data()),
                       static_cast<QWidget*>(m_form5.data()), static_cast<QWidget*>(m_form18.data()),
                       static_cast<QWidget*>(m_form9.data()), static_cast<QWidget*>(m_form10.data()),
                       static_cast<QWidget*>(m_form11.data()), static_cast<QWidget*>(m_form12.data()),
                       static_cast<QWidget*>(m_form13.data()), static_cast<QWidget*>(m_form14.data()),
                       static_cast<QWidget*>(form15), static_cast<QWidget*>(form16),
                       static_cast<QWidget*>(m_form17.data())})
        if (w)
            order.push_back(w);
    return order;
}

void WindowRegistry::unloadAll()
{
    for (QWidget* w : unloadOrder())
        w->close();
}

} // namespace typecask
