#include "core/favorites_edit.h"
#include "core/font_list_model.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(AddContextFavorite, AddsInSortedPlaceUpToTheLimit)
{
    AppState state;
    FontListModel favorites;
    fakes::FakeMessageBox messages;
    favorites.setNames({u"alpha"_qs, u"Gamma"_qs});
    state.ContextFontName = u"Beta"_qs;
    EXPECT_EQ(addContextFavorite(state, favorites, messages), 1);
    EXPECT_EQ(favorites.names(), (QStringList{u"alpha"_qs, u"Beta"_qs, u"Gamma"_qs}));
    EXPECT_TRUE(state.ContextFontName.isEmpty());

    // 10000 names still take one more; 10001 refuse with the message.
    QStringList many;
    for (int i = 0; i < FavoritesLimit; ++i)
        many.append(u"f%1"_qs.arg(i, 5, 10, QChar(u'0')));
    favorites.setNames(many);
    state.ContextFontName = u"g"_qs;
    EXPECT_EQ(addContextFavorite(state, favorites, messages), FavoritesLimit);
    state.ContextFontName = u"h"_qs;
    EXPECT_EQ(addContextFavorite(state, favorites, messages), -1);
    EXPECT_EQ(favorites.count(), FavoritesLimit + 1);
    EXPECT_EQ(state.ContextFontName, u"h");
    EXPECT_EQ(messages.messages, QStringList{TooManyFavoritesMessage});
}
