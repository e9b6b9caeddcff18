#include "core/favorites_edit.h"

#include "core/font_list_model.h"
#include "core/services.h"

namespace typecask {

int addContextFavorite(AppState& state, FontListModel& favorites, MessageBox& messages)
{
    if (favorites.count() > FavoritesLimit) {
        messages.warning(TooManyFavoritesMessage);
        return -1;
    }
    const int row = favorites.insertSorted(state.ContextFontName);
    state.ContextFontName.clear();
    return row;
}

} // namespace typecask
