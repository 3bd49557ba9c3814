#include "economy/news.h"

#include "state/state.h"

namespace annals {

int32_t NewsCode(int x, int y, int kind) {
    return x * 100000 + y * 1000 + kind;
}

void AddNews(int civ, int x, int y, int kind) {
    if (!IsHuman(civ)) return;
    CivRecord& reader = Civ(civ);
    if (reader.newsCount >= kMaxNews) return;
    reader.newsCount += 1;
    reader.news[reader.newsCount] = NewsCode(x, y, kind);
}

void AddUnitLostNews(int civ, int x, int y, int type, int enemy) {
    if (civ == game.currentCiv || enemy < 1 || enemy > kMaxCivs || type < 1 || type > kUnitTypes) return;
    AddNews(civ, x, y, kNewsUnitLost + (enemy - 1) * 36 + type);
}

} // namespace annals
