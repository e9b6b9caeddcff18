// Sample text drawn straight from a family's font file: FreeType opens the face, HarfBuzz shapes
// the text, and the glyphs' coverage is blended into the image. Qt matches every family it meets
// through fontconfig before it draws (an FcFontMatch that scores every installed face, about
// 3 ms each at 10,000 faces), which a window drawing dozens of new families per key press
// cannot afford; opening the file the catalog already knows costs a tenth of a millisecond.
#pragma once

#include "core/font_catalog.h"
#include "core/fontconfig_source.h"

#include <QColor>
#include <QHash>
#include <QPointF>
#include <QStringView>

#include <list>
#include <memory>
#include <optional>

class QImage;
struct FT_LibraryRec_;

namespace typecask {

class FaceTextRenderer
{
public:
    // rendering: antialiasing and hinting (the shared renderer takes the desktop's from fontconfig).
    explicit FaceTextRenderer(qsizetype capacity = DefaultCapacity, const GlyphRendering& rendering = {});
    ~FaceTextRenderer();
    FaceTextRenderer(const FaceTextRenderer&) = delete;
    FaceTextRenderer& operator=(const FaceTextRenderer&) = delete;

    // The one renderer the windows share (GUI thread only).
    static FaceTextRenderer& shared();

    // The ascent of face at pointSize on image, in the image's logical pixels; none when the
    // face cannot be drawn this way (unreadable, or bitmap strikes only): Qt draws it then.
    std::optional<qreal> ascent(const FaceFile& face, qreal pointSize, const QImage& image);

    // Draws text in colour with its baseline starting at origin (logical pixels): characters
    // face has in it, the rest in fallback (the face itself when fallback is empty or cannot be
    // opened). Glyphs past the image's right edge are not drawn. False when face cannot be
    // drawn this way; nothing is drawn then.
    bool draw(QImage& image, const QPointF& origin, QStringView text, const FaceFile& face,
              const FaceFile& fallback, qreal pointSize, const QColor& colour);

    // Closes every face (the window that drew them has closed).
    void clear();
    qsizetype openFaces() const { return static_cast<qsizetype>(m_order.size()); }

    // Several pages of the sample list both ways.
    static constexpr qsizetype DefaultCapacity = 128;

private:
    struct Sized;
    struct Key
    {
        QByteArray path;
        int index;
        int size26d6; // pixel size in 1/64 pixels
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept
    {
        return qHashMulti(seed, key.path, key.index, key.size26d6);
    }
    struct Entry
    {
        Key key;
        std::unique_ptr<Sized> face; // null: the file could not be drawn
    };
    Sized* sized(const FaceFile& face, qreal pixelSize);

    FT_LibraryRec_* m_freetype = nullptr;
    qsizetype m_capacity;
    int m_loadFlags; // FreeType's FT_LOAD_*
    bool m_subpixel;
    std::list<Entry> m_order; // most recently used first
    QHash<Key, std::list<Entry>::iterator> m_index;
};

} // namespace typecask
