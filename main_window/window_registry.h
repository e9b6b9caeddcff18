// The windows the main window opens: each created on first use and kept, opened modal or
// modeless through one place that applies the window's always-in-front rule, and closed in
// one fixed order at shutdown.
#pragma once

#include "colour_tools/pick_color.h"
#include "widgets/tool_window_host.h"

#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <vector>

class QDialog;
class QWidget;

namespace typecask {

class Form14;
class Form4;
class Form3;
class Form10;
class Form11;
class Form12;
class Form17;
class Form18;
class Form5;
class Form9;
class Form13;
class Session;
struct Sample;
class SubWindow;
struct Services;

class WindowRegistry final
{
public:
    // mainWindow parents and outlives every window made here.
    WindowRegistry(Session& session, Services& services, ToolWindowHost& host, QWidget* mainWindow);
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The font details window.
    Form9& form9();
    // The HTML font check window.
    Form14& form14();
    // The HTML font list maker.
    Form4& form4();
    // The gradient maker and the random colour maker.
    Form3& form3();
    Form13& form13();
    // The font sample list window.
    Form18& form18();
    // The favourites editor.
    Form11& form11();
    // The settings dialog.
    Form17& form17();
    // The version window.
    Form5& form5();
    // The font search; it deletes itself when closed.
    Form10& form10();
    // The character map.
    Form12& form12();

    // The font search beside the main window (raised if open already).
    void openSearch();
    // The character map of the current family, shown modal.
    void openCharacterMap();

    // The font sample list over names (StartItiran), shown modal.
    void openSampleList(const QStringList& names, QWidget* owner = nullptr);
    // The favourites editor with names as its source list (LGetList), shown modal.
    void openFavoritesEditor(const QStringList& names, QWidget* owner = nullptr);
    void openSettings();
    void openVersionInfo();
    // The floating sample window (Form16 or Form15) and its popup.
    SubWindow& subWindow();

    // Shows a window modal after applying its rule; returns the dialog's result.
    int showModal(QDialog& dialog, OnTopRule rule);
    // The same over owner, the window that asked (null: the main window), for the time it is shown.
    int showModalOver(QDialog& dialog, QWidget* owner, OnTopRule rule);
    // Shows a window modeless after applying its rule.
    void showModeless(QWidget& window, OnTopRule rule);

    // The details window filled for name, measuring the sample's text in its style.
    void showFontDetails(const QString& name, const Sample& sample, QWidget* owner = nullptr);
    // The gradient maker or the random colour maker in HTML or RTF mode, modal.
    void openGradient(CopyFormat format);
    void openRandomColours(CopyFormat format);
    // The colour picker; -1 when cancelled.
    std::int32_t pickColour(PickMode mode, std::int32_t textColour, std::int32_t backColour);
    // The tool windows that hide with the floating window while it reads the screen.
    std::vector<QWidget*> windowsHiddenForScreenRead() const;

    // HTML files for the font check (command line, drops), read in order while only the
    // progress window shows; then the check window is shown beside the main window.
    void openHtmlFiles(const QStringList& paths);
    // File > Open: an HTML file chosen in the open-file dialog, read the same way.
    void openHtmlFile();
    // A message held back while the program was starting, shown now.
    void showDeferredMessages();
    // Edit > the list maker, modal.
    void openFontList();

    // The open floating sample window shows its text in colour while a colour is picked.
    void previewFloatingColour(std::int32_t colour);
    // Command15: the floating sample window opened, or the open one focused.
    void openSubWindow();
    // The open floating sample window follows the preview drawn in fontName.
    void showSampleInSubWindow(const QString& fontName);
    // The open floating sample window's picture cleared to the preview's new background.
    void setSubWindowBackground(std::int32_t colour);
    // The open floating sample window kept in front or not.
    void setSubWindowTopmost(bool onTop);

    // Every window made here that still exists, in the order shutdown closes them.
    std::vector<QWidget*> unloadOrder() const;
    void unloadAll();

private:
    Session& m_session;
    Services& m_services;
    ToolWindowHost& m_host;
    QWidget* m_main;
    QPointer<Form3> m_form3;
    QPointer<Form9> m_form9;
    QPointer<Form14> m_form14;
    QPointer<Form4> m_form4;
    bool m_readingHtml = false;
    QStringList m_queuedHtmlFiles; // files that arrived while others were being read
    QString m_deferredWarning;     // what the command line's files gave while starting
    QPointer<Form10> m_form10;
    QPointer<Form12> m_form12;
    QPointer<Form13> m_form13;
    QPointer<Form18> m_form18;
    QPointer<Form11> m_form11;
    QPointer<Form17> m_form17;
    QPointer<Form5> m_form5;
    QPointer<SubWindow> m_subWindow;
};

} // namespace typecask
