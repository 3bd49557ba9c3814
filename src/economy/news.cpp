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

} // namespace annals
