#include "floating/floating_rules.h"

#include "core/app_state.h"

namespace typecask {

PopupCopyBarView popupcopybarView(const AppState& state)
{
    PopupCopyBarView view;
    view.captions = {u"背景を読み取り"_qs, state.SubWindowKind ? u"サイズ固定"_qs : u"サイズ変更"_qs,
                     u"常に手前"_qs, u"-"_qs, u"閉じる"_qs};
    view.onTopChecked = state.SubWindowOnTop;
    return view;
}

QRect backgroundReadArea(const QPoint& clientTopLeft, const QSize& pictureSize, const QRect& screen)
{
    return QRect(clientTopLeft, pictureSize).intersected(screen);
}

} // namespace typecask
