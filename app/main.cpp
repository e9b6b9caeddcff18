// Typecask: a font viewer and font manager.
#include "core/command_line.h"
#include "core/fontconfig_source.h"
#include "core/program_info.h"
#include "core/services.h"
#include "core/session.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"
#include "platform/ui_font.h"
#include "storage/program_folder.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <future>

namespace {

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The icon the windows show, drawn for each size the icon theme has.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(u":/typecask/icons/%1.png"_qs.arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    // --help and --version need no display, so they are answered before Qt connects to one.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    const auto early = typecask::parseCommandLine(rawArguments);
    if (early.action == typecask::CommandLine::Action::ShowHelp) {
        print(stdout, typecask::desktopHelpText());
        return 0;
    }
    if (early.action == typecask::CommandLine::Action::ShowVersion) {
        print(stdout, typecask::versionText(u"typecask"_qs));
        return 0;
    }

    // The Japanese family of each generic kind, matched on a second thread while Qt starts: the
    // program's own texts are set in the sans-serif one, and the first preview draws what its
    // family lacks in one of them. Each match runs every fontconfig rule over every face.
    auto japanese = std::async(std::launch::async, [] {
        QList<QPair<QString, QString>> families;
        for (const QString& generic : {u"sans-serif"_qs, u"serif"_qs, u"monospace"_qs})
            families.append({generic, typecask::matchedFamily(generic + u":lang=ja"_qs)});
        return families;
    });

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Typecask"_qs);
    QApplication::setApplicationVersion(typecask::programVersion());
    QApplication::setDesktopFileName(typecask::applicationId());
    for (const auto& [generic, family] : japanese.get()) {
        typecask::setJapaneseFallback(generic, family);
        if (generic == u"sans-serif")
            typecask::useUiFontFamily(family);
    }

    // Qt has taken out the options it knows (-platform, -style, ...); what is left is ours.
    const auto commandLine = typecask::parseCommandLine(app.arguments().mid(1));
    if (commandLine.action == typecask::CommandLine::Action::Fail) {
        print(stderr, typecask::commandLineErrorText(u"typecask"_qs, commandLine.error));
        return 2;
    }

    typecask::Session session;
    session.programFolder = typecask::programFolder();
    typecask::Services services;
    auto main = typecask::StartUp(session, services, std::make_shared<typecask::FontconfigSource>(),
                                  commandLine.paths);
    // Given once the main window is up: reading the icon files and handing every size to the
    // X server for each window is no part of the first paint.
    QApplication::setWindowIcon(programIcon());
    return app.exec();
}
