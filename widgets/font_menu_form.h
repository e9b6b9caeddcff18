// Which items the font popup menu shows, for the windows that ask for it without holding it.
#pragma once

namespace typecask {

// "削除" in the favourites, "お気に入りに追加" elsewhere.
enum class FontMenuForm { FontList, Favorites };

} // namespace typecask
