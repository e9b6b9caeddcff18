#include "export/string_table.h"

#include <array>

namespace typecask {

namespace {

// Entries 18 to 20 are CSS that browsers apply (bold with italic, italic, bold).
const std::array<const char16_t*, StringTableSize> Entries = {
    u"<FONT",
    u" FACE=",
    u"\"",
    u" COLOR=",
    u" SIZE=",
    u">",
    u"</FONT>",
    u"<I>",
    u"</I>",
    u"<B>",
    u"</B>",
    u"<span",
    u" style=",
    u"color:#",
    u";font-size:",
    u"px",
    u";font-family:",
    u";font-weight:bold;font-style:italic",
    u";font-style:italic",
    u";font-weight:bold",
    u"</span>",
    u"#",
    uR"rtf({\rtf1\ansi\ansicpg932\deff0\deftab720{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman\fcharset2 Symbol;})rtf",
    // The characters that may not begin (\fchars) or end (\lchars) a line, as code page 932 bytes.
    uR"rtf(\deflang1041\horzdoc{\*\fchars !%),.:\'3b?]\}\'a1\'a3\'a4\'a5\'a7\'a8\'a9\'aa\'ab\'ac\'ad\'ae\'af\'b0\'de\'df\'81\'41\'81\'42\'81\'43\'81\'44\'81\'45\'81\'46\'81\'47\'81\'48\'81\'49\'81\'4a\'81\'4b\'81\'52\'81\'53\'81\'54\'81\'55\'81\'58\'81\'5b\'81\'66\'81\'68\'81\'6a\'81\'6c\'81\'6e\'81\'70\'81\'72\'81\'74\'81\'76\'81\'78\'81\'7a\'81\'8b\'81\'8c\'81\'8d\'81\'8e\'81\'91\'81\'93\'81\'f1\'82\'9f\'82\'a1\'82\'a3\'82\'a5\'82\'a7\'82\'c1\'82\'e1\'82\'e3\'82\'e5\'82\'ec\'83\'40\'83\'42\'83\'44\'83\'46\'83\'48\'83\'62\'83\'83\'83\'85\'83\'87\'83\'8e\'83\'95\'83\'96}{\*\lchars $([\{\'a2\'81\'65\'81\'67\'81\'69\'81\'6b\'81\'6d\'81\'6f\'81\'71\'81\'73\'81\'75\'81\'77\'81\'79\'81\'8f\'81\'90\'81\'92})rtf",
};

} // namespace

QString stringTableEntry(int id)
{
    if (id < 1 || id > StringTableSize)
        return {};
    return QString::fromUtf16(Entries[static_cast<std::size_t>(id - 1)]);
}

} // namespace typecask
