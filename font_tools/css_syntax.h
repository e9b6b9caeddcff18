// CSS as far as the font check needs it: the families of font-family and font values as
// browsers parse them, and the declarations of style sheets and style attributes found in text
// given in pieces (comments skipped, strings and escapes kept whole).
#pragma once

#include "core/ascii.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace typecask {

// A declaration, selector or tag longer than this is dropped rather than kept in memory.
constexpr qsizetype MaxCssChunkBytes = 64 * 1024;
// serif, sans-serif, monospace and the other generic family keywords, in any letter case.
bool isGenericFamily(QStringView name);

struct CssFamily
{
    QString name;
    bool generic = false; // an unquoted generic keyword; "serif" in quotes names a font
    bool operator==(const CssFamily&) const = default;
};

// caption, icon, menu, message-box, small-caption, status-bar: a font shorthand that sets the
// system's font.
bool isSystemFontKeyword(QStringView value);

// The families of a font-family value in order; empty when the value names none (a CSS-wide
// keyword such as inherit, var(), or a value browsers drop as invalid).
std::vector<CssFamily> parseFontFamilyValue(QStringView value);
// The family part of a font shorthand value ("italic 700 12px/1.5 'A B', serif"); empty for a
// system font keyword or a value without a size.
std::vector<CssFamily> parseFontShorthand(QStringView value);

// Finds declarations in CSS text given in pieces: rules with selectors, at-rules and nested
// blocks, or (for a style attribute) declarations alone. Comments are skipped, strings and
// escapes kept whole, so that a ";" or "}" in a quoted name ends nothing.
// A declaration as a style sheet or attribute gives it.
struct CssDeclaration
{
    QByteArrayView property;  // lower case
    QByteArrayView value;     // as written, without "!important"
    QByteArrayView selectors; // the rule's selector list; empty in a style attribute
    bool important = false;
    bool inFontFace = false;
};

class CssDeclarationScanner
{
public:
    struct Handler
    {
        // A declaration of a style rule, an @font-face block or a style attribute; those of
        // rules that never apply to a page on screen (@media print, @keyframes, @page) and of
        // nested rules are left out.
        std::function<void(const CssDeclaration&)> declaration;
        // The URL of an @import, as written (url(...) or a string).
        std::function<void(QByteArrayView target)> import;
        // The end of an @font-face block.
        std::function<void()> fontFaceEnd;
    };
    CssDeclarationScanner(Handler handler, bool declarationsOnly);
    void feed(QByteArrayView css);
    // The end of the text: a last declaration without ";" still counts.
    void finish();

private:
    void append(char c);
    void append(const char* run, qsizetype size);
    void endStatement(char terminator);

    Handler m_handler;
    bool m_declarationsOnly;
    enum class State : unsigned char { Normal, Comment, String } m_state = State::Normal;
    char m_quote = 0;
    bool m_escape = false;
    bool m_slash = false; // a "/" that may open a comment
    bool m_star = false;  // a "*" in a comment that may close it
    bool m_overflow = false;
    std::string m_buf;
    enum class Block : unsigned char {
        Rule,     // a style rule: its declarations count
        FontFace, // @font-face
        Group,    // @media for screens, @supports, @layer ...: rules inside count
        Skipped   // anything else: nothing inside counts
    };
    std::vector<Block> m_blocks;     // the open blocks
    std::vector<std::string> m_rule; // the selectors of open style rules
};

} // namespace typecask
