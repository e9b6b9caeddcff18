// The HTML bar's size boxes follow the preview size.
#pragma once

#include <QString>

namespace typecask {

// The FONT tag size (1..7) for a preview size in points.
QString fontTagSizeFor(int previewSize);
// The pixel size: Int(size × 1.5).
QString pixelSizeFor(int previewSize);

} // namespace typecask
