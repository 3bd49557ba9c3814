// The news a person reads at the start of his turn: what happened in his cities.
//
// A news item is one number: x * 100000 + y * 1000 + kind, where (x, y) is the city the
// item is about. The kinds of the economy are below; other parts of the game add their
// own kinds through the same list.
#pragma once

#include <cstdint>

namespace annals {

// Kinds of news items.
// 1..35: a unit of that type was trained; 36..73: building kind - 35 was completed;
// 74..81: wonder kind - 35 was completed somewhere (everybody hears of it).
constexpr int kNewsAreaWidened = 90; // + the new ring, 2..5
constexpr int kNewsCitizenLeft = 96; // unhappiness drove a citizen away
constexpr int kNewsStarved = 97;     // a citizen died of hunger
constexpr int kNewsGrew = 98;        // the city has a new citizen
constexpr int kNewsStoreFull = 400;  // + the product whose store is full
// A person's unit fell in another's turn: 500 + (enemy - 1) * 36 + the fallen unit's type,
// about the cell where it fell.
constexpr int kNewsUnitLost = 500;

// Tells a person that a unit of his of `type` fell at (x, y) to `enemy`, when it happened
// in somebody else's turn (in his own turn he saw it).
void AddUnitLostNews(int civ, int x, int y, int type, int enemy);

// The number of a news item about the city at (x, y).
int32_t NewsCode(int x, int y, int kind);

// Appends an item to the news of `civ`. Only people read news: a computer's items, and
// items beyond the twelfth, are dropped.
void AddNews(int civ, int x, int y, int kind);

} // namespace annals
