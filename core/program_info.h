// What the program says about itself: its version, its desktop id and where it lives.
#pragma once

#include <QString>

namespace typecask {

// The release, as the package and --version give it ("2.01").
QString programVersion();

// The reverse-DNS id: the desktop entry's and the AppStream metainfo's name, and the
// Wayland app id.
QString applicationId();

// The project's home page.
QString homePage();

} // namespace typecask
