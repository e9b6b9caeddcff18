// Bringing the program up: the progress window, the fonts, the stored files, the main window.
#pragma once

#include <QStringList>
#include <memory>

namespace typecask {

class FontSource;
class MDIForm1;
class Session;
struct Services;

// Runs the start-up steps in order and returns the shown main window. The session's
// programFolder is set by the caller; services missing from the set get their Qt
// implementations. htmlPaths are the command line's HTML files for the font check.
std::unique_ptr<MDIForm1> StartUp(Session& session, Services& services, std::shared_ptr<FontSource> fonts,
                                  const QStringList& htmlPaths = {});

} // namespace typecask
