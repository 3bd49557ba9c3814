// Big records in large memory pages.
#pragma once

#include <cstddef>

namespace annals {

// The alignment that lets a record sit in whole large pages.
inline constexpr std::size_t kLargePage = std::size_t{1} << 21;

// Asks the system to back [at, at + bytes) with large pages where it can. The game's
// records are megabytes that every new game and every load touch from one end to the
// other; in 4 KB pages that is thousands of page faults (most of a command's start-up),
// in 2 MB pages a handful. Where the system has no such pages this does nothing.
void AdviseLargePages(void* at, std::size_t bytes);

// Sets [at, at + bytes) of a static record to zero. The whole pages inside are handed back
// to the system, which gives zero pages when they are next touched: clearing the unit
// slots no game uses then costs nothing, where a plain clear would fault in and write
// megabytes. The ends, and the whole range where the system cannot do this, are cleared
// by hand.
void ZeroRecords(void* at, std::size_t bytes);

} // namespace annals
