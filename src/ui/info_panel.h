// The information panel around the map view: the selected unit, the status line, the
// score, the labels under the pointer, the unit pop-up, the computer-turn notice and the
// first turns' guidance. DrawInfoAboutCivilization (screens.h) writes it all each frame,
// together with the open screens' texts.
#pragma once

#include <string>

namespace annals {

// Move points (thirds of a move) as the panel shows them: 6 as "2", 7 as "2.33".
std::string FormatMoves(int thirds);
// "BC 4000", "AC 1250".
std::string FormatYear(int year);
// The science being researched with the turns it still needs: "Pottery (4)"; only the
// name when the cities bring no science; "None" when nothing is researched.
std::string ResearchStatus(int civ);

// A screen, dialog or game over covers the map: the labels under the pointer are off.
bool AnyPanelScreenOpen();

} // namespace annals
