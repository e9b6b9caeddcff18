// typecask-cli's --help and --version texts, in the form of GNU tools.
#include "cli/commands.h"

#include "core/command_line.h"
#include "core/program_info.h"

namespace typecask::cli {

namespace {

// --help and --version with their descriptions starting at the given column, as the other options'.
QString standardOptions(int column = 17)
{
    return u"      --help"_qs.leftJustified(column) + u"display this help and exit\n"_qs +
           u"      --version"_qs.leftJustified(column) + u"output version information and exit\n"_qs;
}

const char* const SampleOptions = "      --font NAME      the sample's font family (needed)\n"
                                  "      --size N         the size in points, 1 to 16383 (default 32)\n"
                                  "      --color RRGGBB   the text colour, red first (default 000000)\n"
                                  "      --bold           bold\n"
                                  "      --italic         italic\n";

const char* const TextEnd = "      --               the next argument is TEXT, even if it begins with -\n";

// The two colour makers: the sample's style without its colour, the output form and both bars'
// options.
QString makerHelp(const QString& command)
{
    const bool gradient = command == u"gradient";
    QString help = gradient
                       ? u"Usage: typecask-cli gradient --font NAME --start RRGGBB --end RRGGBB [OPTION]...\n"
                         "                             [--] TEXT\n"
                         "Print what the gradient maker's copy puts on the clipboard: each character\n"
                         "of TEXT (at least 2) in its step from the start to the end colour.\n"
                         "\n"
                         "      --start RRGGBB   the first character's colour, red first\n"
                         "      --end RRGGBB     the last character's colour\n"
                         "      --middle RRGGBB  a middle colour for a three-colour gradient\n"_qs
                       : u"Usage: typecask-cli random-colours --font NAME --colours RRGGBB,... [OPTION]...\n"
                         "                                   [--] TEXT\n"
                         "Print what the random colour maker's copy puts on the clipboard: the first\n"
                         "16 characters of TEXT, one a cell, each in its cell's colour.\n"
                         "\n"
                         "      --colours LIST   the 16 cells' colours, RRGGBB separated by commas\n"_qs;
    return help +
           u"      --html           the HTML copy (the default)\n"
           "      --rtf            the RTF copy\n"
           "      --font NAME      the sample's font family (needed)\n"
           "      --size N         the size in points, 1 to 16383 (default 32)\n"
           "      --bold           bold\n"
           "      --italic         italic\n"
           "      --align SIDE     RTF: left, center or right (default left)\n"
           "      --no-font-tag    HTML: no FONT tags\n"
           "      --style-sheet    HTML: a style attribute on each character\n"
           "      --font-family    HTML: the font family in the style attribute\n"
           "      --font-size TEXT HTML: the FONT tag's size (default: from --size)\n"
           "      --px TEXT        HTML: the style's size in pixels (default: from --size)\n"_qs +
           QString::fromLatin1(TextEnd) + standardOptions(23);
}

QString commandHelp(const QString& command)
{
    if (command == u"fonts")
        return u"Usage: typecask-cli fonts [--categories LETTERS] [--all-types] [--vertical]\n"
               "  or:  typecask-cli fonts --details\n"
               "Print the font list as the main window shows it, one family a line.\n"
               "\n"
               "      --categories LETTERS  the categories to list: j Japanese, w Western,\n"
               "                              s symbol, o other (default jw)\n"
               "      --all-types           every font type, not only TrueType and OpenType\n"
               "      --vertical            the vertical-writing (@) families too\n"
               "      --details             every family, tab-separated: list, name, charset,\n"
               "                              type, pitch and family, height, width,\n"
               "                              average width in font units\n"
               "\n"
               "A backslash, tab, CR, LF or other control character in a name is printed as\n"
               "\\\\, \\t, \\r, \\n or \\xHH, so that each family is one line (and one field).\n"_qs +
               standardOptions(28);
    if (command == u"rtf")
        return u"Usage: typecask-cli rtf --font NAME [OPTION]... [--] TEXT\n"
               "Print the RTF document that the RTF copy puts on the clipboard.\n"
               "\n"_qs +
               QString::fromLatin1(SampleOptions) +
               u"      --align SIDE     left, center or right (default left)\n"_qs +
               QString::fromLatin1(TextEnd) + standardOptions(23);
    if (command == u"html")
        return u"Usage: typecask-cli html --font NAME [OPTION]... [--] TEXT\n"
               "Print the text that the HTML copy puts on the clipboard.\n"
               "\n"_qs +
               QString::fromLatin1(SampleOptions) +
               u"      --no-font-tag    no FONT tag\n"
               "      --style-sheet    a style attribute\n"
               "      --font-family    the font family in the style attribute\n"
               "      --font-size TEXT the FONT tag's size (default: from --size)\n"
               "      --px TEXT        the style's size in pixels (default: from --size)\n"_qs +
               QString::fromLatin1(TextEnd) + standardOptions(23);
    if (command == u"name")
        return u"Usage: typecask-cli name --form N NAME\n"
               "Print the font name NAME in the form of copy-menu item N.\n"
               "\n"
               "      --form N   0 the name, 2 FACE=\"NAME\", 3 FACE=NAME, 4 face=\"NAME\",\n"
               "                   5 face=NAME, 6 font-family:NAME;\n"_qs +
               standardOptions();
    if (command == u"check")
        return u"Usage: typecask-cli check [--css [--json] [--lang LANG]] FILE...\n"
               "Print the font names the HTML files ask for (FACE attributes and font-family\n"
               "declarations), one a line: \"installed<TAB>NAME\" lines first, then\n"
               "\"missing<TAB>NAME\" lines, each in the order first met. Exit status: 0 when no\n"
               "name is missing, 1 when one is, 2 when a FILE could not be read.\n"
               "\n"
               "With --css, read the pages as browsers do (font-family and font in style\n"
               "attributes, <style> blocks and linked relative style sheets, @font-face) and\n"
               "print each distinct family list: the family this machine draws it with, each\n"
               "name's state (installed, missing, generic, web-font), which font draws which\n"
               "characters of the text the list styles, character by character as browsers\n"
               "walk the list, and the characters no font of the list draws (the system's\n"
               "fallback or none). Exit status 1 when a list names nothing usable or leaves\n"
               "characters to the fallback or to none.\n"
               "\n"
               "      --css      the CSS check\n"
               "      --json     with --css: the report as JSON (see the README)\n"
               "      --lang LANG  with --css: the language fonts are chosen for (ja, en, ...);\n"
               "                 by default fontconfig's, from FC_LANG, LC_ALL, LC_CTYPE or LANG\n"
               "      --         every later argument is a FILE\n"_qs +
               standardOptions();
    if (command == u"render")
        return u"Usage: typecask-cli render --font NAME [OPTION]... --out FILE.png [--] TEXT\n"
               "Draw TEXT as the preview draws it into a PNG picture: in lines wrapped at the\n"
               "width, or, for an @ family, as Japanese vertical text in columns from the right,\n"
               "wrapped at the height. Points are taken at 96 pixels an inch.\n"
               "\n"
               "      --font NAME          an installed family (@ + name: vertical writing)\n"
               "      --size N             points, 1 to 1000 (default 32)\n"
               "      --bold, --italic     the preview's bold and italic\n"
               "      --color RRGGBB       the text colour (default 000000)\n"
               "      --background RRGGBB  the background (default FFFFFF)\n"
               "      --width PX, --height PX  the picture's size (default 800 by 600)\n"
               "      --out FILE.png       where the picture is written\n"
               "\n"
               "Several TEXT arguments are joined with one space.\n"_qs +
               standardOptions(27);
    if (command == u"fontlist")
        return u"Usage: typecask-cli fontlist [OPTION]... --out DIR\n"
               "Write the HTML font list pages FontList1.Html, FontList2.Html, ... into DIR\n"
               "and print their paths.\n"
               "\n"
               "      --favourites      the favourites instead of the font list\n"
               "      --per-page N|ALL  fonts on a page, 1 to 32767, or ALL (default ALL)\n"
               "      --size N          the HTML font size, 1 to 7 (default 3)\n"
               "      --italic          an italic sample too\n"
               "      --bold            a bold sample too\n"
               "      --bold-italic     a bold italic sample too\n"
               "      --text T          the sample text\n"
               "      --fg RRGGBB       the text colour (default 000000)\n"
               "      --bg RRGGBB       the background colour (default FFFFFF)\n"
               "      --out DIR         the folder to write into (needed)\n"_qs +
               standardOptions(24);
    if (command == u"search")
        return u"Usage: typecask-cli search [OPTION]... [WORDS]...\n"
               "Print the families the font search finds, in its results list's order, one a line.\n"
               "A name matches when it contains every word, ignoring case and character width;\n"
               "no words match every name. Any of --charsets, --types, --families, --ratio,\n"
               "--set and --covers turns the detailed search on; a group left out keeps all\n"
               "its boxes checked.\n"
               "\n"
               "      --narrow-from FILE  search only the names of FILE, one a line\n"
               "      --charsets LIST     character sets, from w Western, j Japanese,\n"
               "                            s symbol, o other, separated by commas\n"
               "      --types LIST        font types, from d device, t TrueType, r raster,\n"
               "                            o other, separated by commas\n"
               "      --families LIST     families, from decorative, none, modern, roman,\n"
               "                            script, swiss, separated by commas\n"
               "      --ratio >N|<N       width to height at least (>) or at most (<) N percent\n"
               "      --set NAME[:N]      families with every character of the Japanese set\n"
               "                            NAME, or at least N percent of them (the sets:\n"
               "                            'typecask-cli coverage --help')\n"
               "      --covers TEXT       families that map every visible character of TEXT\n"
               "      --                  the remaining arguments are WORDS\n"
               "\n"
               "A backslash, tab, CR, LF or other control character in a name is printed as\n"
               "\\\\, \\t, \\r, \\n or \\xHH, so that each family is one line.\n"_qs +
               standardOptions(26);
    if (command == u"coverage")
        return u"Usage: typecask-cli coverage [--set NAME]... [--json] [FAMILY]...\n"
               "Print how many characters of each Japanese set the families map: a head line,\n"
               "then one line a family (every installed family when none is named), the counts\n"
               "tab-separated in the sets' order.\n"
               "\n"
               "      --set NAME   only this set (may be repeated): joyo (常用漢字), jinmeiyo\n"
               "                     (人名用漢字), jis1 to jis4 (JIS levels 1 to 4), hojo\n"
               "                     (JIS X 0212), kana, jis-nonkanji (JIS X 0208 rows 1-8),\n"
               "                     aj1-0 to aj1-7 (Adobe-Japan1 supplements)\n"
               "      --json       one JSON object (see the README)\n"
               "      --           the remaining arguments are FAMILY names\n"_qs +
               standardOptions(19);
    if (command == u"gradient" || command == u"random-colours")
        return makerHelp(command);
    return u"Usage: typecask-cli details NAME\n"
           "Print what the font details window shows for the family NAME.\n"
           "\n"_qs +
           standardOptions();
}

} // namespace

QString cliHelp()
{
    return u"Usage: typecask-cli COMMAND [OPTION]... [ARGUMENT]\n"
           "Typecask's font lists, RTF and HTML, without a window.\n"
           "\n"
           "Commands:\n"
           "  fonts           the font list as the main window shows it\n"
           "  rtf             the RTF document of the RTF copy\n"
           "  html            the text of the HTML copy\n"
           "  name            a font name in the form of a copy-menu item\n"
           "  details         what the font details window shows\n"
           "  gradient        the text of the gradient maker's copy\n"
           "  random-colours  the text of the random colour maker's copy\n"
           "  check           the fonts HTML files ask for, installed or missing\n"
           "  fontlist        the HTML font list pages\n"
           "  search          the families the font search finds\n"
           "  coverage        how much of each Japanese character set the families have\n"
           "  render          a PNG picture of the sample as the preview draws it\n"
           "\n"
           "'typecask-cli COMMAND --help' describes the options of a command.\n"
           "\n"_qs +
           standardOptions() + u"\nHome page: <"_qs + homePage() + u">\n"_qs;
}

bool answerStandardOption(const QString& command, const QString& argument, Streams io)
{
    if (argument == u"--help")
        io.out << commandHelp(command);
    else if (argument == u"--version")
        io.out << versionText(u"typecask-cli"_qs);
    else
        return false;
    return true;
}

} // namespace typecask::cli
