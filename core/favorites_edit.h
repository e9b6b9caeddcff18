// Adding and removing favourites from the font context menu.
#pragma once

#include "core/app_state.h"

namespace typecask {

class FontListModel;
class MessageBox;

// The list refuses new names while it holds more than this many.
constexpr int FavoritesLimit = 10000;

inline const QString TooManyFavoritesMessage =
    u"お気に入りの登録が多すぎます。お気に入りの数を減らしてから再登録してください。"_qs;

// Adds ContextFontName at its sorted place and empties it; over the limit, shows the
// message and changes nothing. Returns the new row, or -1 when refused.
int addContextFavorite(AppState& state, FontListModel& favorites, MessageBox& messages);

} // namespace typecask
