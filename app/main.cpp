// Typecask: a font viewer and font manager.
#include "core/command_line.h"
#include "core/fontconfig_source.h"
#include "main_window/app_context.h"
#include "main_window/mdi_form1.h"
#include "main_window/start_up.h"
#include "storage/program_folder.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Typecask"_qs);
    QApplication::setApplicationVersion(u"2.01"_qs);

    typecask::AppContext context;
    context.programFolder = typecask::programFolder();
    context.commandLinePaths = typecask::commandLinePaths(app.arguments().mid(1));

    auto main = typecask::StartUp(context, std::make_shared<typecask::FontconfigSource>());
    return app.exec();
}
