// Bringing the program up: the progress window, the fonts, the stored files, the main window.
#pragma once

#include <memory>

namespace typecask {

struct AppContext;
class FontSource;
class MDIForm1;

// Runs the start-up steps in order and returns the shown main window. The context's
// programFolder and commandLinePaths are set by the caller.
std::unique_ptr<MDIForm1> StartUp(AppContext& context, std::shared_ptr<FontSource> fonts);

} // namespace typecask
