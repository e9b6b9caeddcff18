// What the version window shows: the fixed texts, the count table of the installed families
// and the family its name is drawn in.
#pragma once

#include "core/program_info.h"

#include <QString>
#include <array>

namespace typecask {

class FontCatalog;

inline const QString VersionText = u"Ver ２．０１"_qs;
inline const QString MakerNotice = u"Typecask 開発チームによるフリーソフトウェアです"_qs;
// The project's own page (one address for the package, --help and this window).
inline const QString HomePageAddress = homePage();

constexpr int VersionCountCount = 15;

// Label8 .. Label22: TrueType counts of the four categories, then the other font types, then
// the four row totals, then the column totals and the grand total.
std::array<int, VersionCountCount> versionCounts(const FontCatalog& catalog);

// The Western TrueType family Label1 is drawn in for a random value r in [0, 1); empty when
// there is none. Every family of the list can come up, the last one included.
QString versionNameFamily(const FontCatalog& catalog, double r);

} // namespace typecask
