// Family names that break writers and line-based files: markup, CSS, RTF groups, line breaks,
// invisible and reordering characters, very long names and characters code page 932 lacks.
#pragma once

#include <QStringList>

namespace typecask::test {

inline QStringList hostileFontNames()
{
    return {
        u"Zx Amp & \"Dq\" 'Sq' <b>bold</b>"_qs,
        u"Zx;}body{color:red}/*"_qs,
        u"Zx Back\\slash {group} \\par"_qs,
        u"Zx CR\r\nLF"_qs,
        u"Zx New\nLine"_qs,
        u"Zx Tab\there"_qs,
        u"\uFEFFZx Feff"_qs,
        u"Zx \u202Eevil\u202C RLO"_qs,
        u"Zx Emoji \U0001F600 Yen \u00A5 Snow \u2603"_qs,
        u"Zx Long "_qs + QString(1198, u'x'), // 1,206 bytes
        u"Zx"_qs + QString(1102, u'\u3042'),  // 3,308 bytes of UTF-8
    };
}

} // namespace typecask::test
