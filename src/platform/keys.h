// The virtual-key codes the game's key handler works with (the codes of the keyboard
// layout the game was designed on). The platform turns its own key events into these
// through one table; the keypad is read by position so that Num Lock does not matter.
#pragma once

namespace annals {

enum VirtualKey : int {
    kVkBack = 8,
    kVkTab = 9,
    kVkReturn = 13,
    kVkShift = 16,
    kVkControl = 17,
    kVkMenu = 18,
    kVkPause = 19,
    kVkEscape = 27,
    kVkSpace = 32,
    kVkPrior = 33, // Page Up
    kVkNext = 34,  // Page Down
    kVkEnd = 35,
    kVkHome = 36,
    kVkLeft = 37,
    kVkUp = 38,
    kVkRight = 39,
    kVkDown = 40,
    kVkInsert = 45,
    kVkDelete = 46,
    kVk0 = 48,       // '0'..'9' are 48..57
    kVkA = 65,       // 'A'..'Z' are 65..90
    kVkNumpad0 = 96, // keypad 0..9 are 96..105
    kVkMultiply = 106,
    kVkAdd = 107,
    kVkSubtract = 109,
    kVkDecimal = 110,
    kVkDivide = 111,
    kVkF1 = 112, // F1..F12 are 112..123
    kVkOemSemicolon = 186,
    kVkOemPlus = 187,
    kVkOemComma = 188,
    kVkOemMinus = 189,
    kVkOemPeriod = 190,
    kVkOemSlash = 191,
    kVkOemTilde = 192,
    kVkOemOpenBracket = 219,
    kVkOemBackslash = 220,
    kVkOemCloseBracket = 221,
    kVkOemQuote = 222, // on a Turkish keyboard, the key of the dotted i
    // Not a real key: the frame routine and the dialogs send it to let the turn go on.
    kVkPseudoStep = 255,
};

constexpr int VkLetter(char upper) {
    return kVkA + (upper - 'A');
}
constexpr int VkNumpad(int digit) {
    return kVkNumpad0 + digit;
}

} // namespace annals
