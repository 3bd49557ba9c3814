// Save games: seven slots, slot 7 the autosave.
#pragma once

namespace annals {

void Save(int slot);

} // namespace annals
