// How the preview lays out the sample text: characters measured one at a time and summed,
// a new line when the sum passes the width, no word breaking. GUI-free so that tests can
// drive it with made-up widths.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <unordered_map>

namespace typecask {

using CharWidthFn = std::function<double(char32_t)>;

struct PreviewLines
{
    QStringList lines; // drawn top to bottom, one line height apart
    bool cut = false;  // the text went on below the area and was not drawn
};

// Lines of text for an area width x height with the given line height. A line is drawn,
// then the next one starts one line height lower; once that start lies below the height
// the rest is dropped. Characters are code points, never halves of a surrogate pair.
PreviewLines layoutPreview(const QString& text, double width, double height, double lineHeight,
                           const CharWidthFn& charWidth);

// Measured widths of one font (family, size, style), kept so that drawing an already
// seen family measures nothing.
class CharWidthCache
{
public:
    struct Key
    {
        QString family;
        int size = 0;
        bool bold = false;
        bool italic = false;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // A width function for key that asks measure only for characters not yet seen.
    CharWidthFn widths(const Key& key, CharWidthFn measure);
    int fontCount() const { return static_cast<int>(m_fonts.size()); }
    void clear() { m_fonts.clear(); }

private:
    struct KeyHash
    {
        size_t operator()(const Key& key) const;
    };
    // Node-based, so a width function stays valid while other fonts are added.
    std::unordered_map<Key, QHash<char32_t, double>, KeyHash> m_fonts;
};

// Columns of the font list for its width: Int(width / 3000 twips), at least 1.
int listColumnCount(int widthTwips);

} // namespace typecask
