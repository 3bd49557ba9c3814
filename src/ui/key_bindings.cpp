#include "ui/key_bindings.h"

#include "platform/keys.h"
#include "state/rules.h"

#include <cctype>
#include <sstream>

namespace annals {

namespace {

struct ActionInfo {
    const char* name;
    TextPair label;
    int key; // of the game's own table
    int defaults[kKeysPerAction];
};

const ActionInfo kActions[kKeyActions] = {
    {"move-north", {"Move north", "Kuzeye git"}, VkNumpad(8), {VkNumpad(8), kVkUp, 0}},
    {"move-south", {"Move south", "Güneye git"}, VkNumpad(2), {VkNumpad(2), kVkDown, 0}},
    {"move-west", {"Move west", "Batıya git"}, VkNumpad(4), {VkNumpad(4), kVkLeft, 0}},
    {"move-east", {"Move east", "Doğuya git"}, VkNumpad(6), {VkNumpad(6), kVkRight, 0}},
    {"move-northwest", {"Move north-west", "Kuzeybatıya git"}, VkNumpad(7), {VkNumpad(7), kVkHome, 0}},
    {"move-northeast", {"Move north-east", "Kuzeydoğuya git"}, VkNumpad(9), {VkNumpad(9), kVkPrior, 0}},
    {"move-southwest", {"Move south-west", "Güneybatıya git"}, VkNumpad(1), {VkNumpad(1), kVkEnd, 0}},
    {"move-southeast", {"Move south-east", "Güneydoğuya git"}, VkNumpad(3), {VkNumpad(3), kVkNext, 0}},
    {"pass", {"Pass; end the turn", "Pas geç; turu bitir"}, kVkSpace, {kVkSpace, 0, 0}},
    {"build-city", {"Build a city", "Şehir kur"}, 'B', {'B', 0, 0}},
    {"build-road", {"Build a road", "Yol yap"}, 'R', {'R', 0, 0}},
    {"clear-or-plant", {"Clear forest, plant corn", "Orman kes, tarla ek"}, 'C', {'C', 'I', kVkOemQuote}},
    {"build-mine", {"Build a mine", "Maden aç"}, 'M', {'M', 0, 0}},
    {"examine-hill", {"Examine a hill", "Tepeyi incele"}, 'E', {'E', 0, 0}},
    {"board-ship", {"Board a ship", "Gemiye bin"}, 'S', {'S', 0, 0}},
    {"fortify", {"Fortify", "Tahkim et"}, 'F', {'F', 0, 0}},
    {"help", {"Help", "Yardım"}, kVkF1, {kVkF1, 0, 0}},
    {"menu", {"Close a screen; menu", "Ekranı kapat; menü"}, kVkEscape, {kVkEscape, 0, 0}},
};

KeyTable MakeDefaults() {
    KeyTable table{};
    for (int a = 0; a < kKeyActions; ++a)
        for (int k = 0; k < kKeysPerAction; ++k) table.keys[a][k] = kActions[a].defaults[k];
    return table;
}

KeyTable active = MakeDefaults();

// The keys that have a name: every key the window reports except the modifiers.
struct NamedKey {
    int key;
    const char* name; // in the settings file
    TextPair label;   // on the options page; empty: the name
};

const NamedKey kNamedKeys[] = {
    {kVkBack, "Backspace", {"", ""}},
    {kVkTab, "Tab", {"", ""}},
    {kVkReturn, "Enter", {"", ""}},
    {kVkPause, "Pause", {"", ""}},
    {kVkEscape, "Escape", {"Esc", "Esc"}},
    {kVkSpace, "Space", {"Space", "Boşluk"}},
    {kVkPrior, "PageUp", {"Page Up", "Page Up"}},
    {kVkNext, "PageDown", {"Page Down", "Page Down"}},
    {kVkEnd, "End", {"", ""}},
    {kVkHome, "Home", {"", ""}},
    {kVkLeft, "Left", {"Left", "Sol"}},
    {kVkUp, "Up", {"Up", "Yukarı"}},
    {kVkRight, "Right", {"Right", "Sağ"}},
    {kVkDown, "Down", {"Down", "Aşağı"}},
    {kVkInsert, "Insert", {"", ""}},
    {kVkDelete, "Delete", {"", ""}},
    {kVkMultiply, "KP*", {"Num *", "Num *"}},
    {kVkAdd, "KP+", {"Num +", "Num +"}},
    {kVkSubtract, "KP-", {"Num -", "Num -"}},
    {kVkDecimal, "KP.", {"Num .", "Num ."}},
    {kVkDivide, "KP/", {"Num /", "Num /"}},
    {kVkOemSemicolon, "Semicolon", {";", ";"}},
    {kVkOemPlus, "Equals", {"=", "="}},
    {kVkOemComma, "Comma", {",", ","}},
    {kVkOemMinus, "Minus", {"-", "-"}},
    {kVkOemPeriod, "Period", {".", "."}},
    {kVkOemSlash, "Slash", {"/", "/"}},
    {kVkOemTilde, "Backquote", {"`", "`"}},
    {kVkOemOpenBracket, "LeftBracket", {"[", "["}},
    {kVkOemBackslash, "Backslash", {"\\", "\\"}},
    {kVkOemCloseBracket, "RightBracket", {"]", "]"}},
    // On a Turkish keyboard this key carries the dotted i.
    {kVkOemQuote, "Quote", {"'", "i (TR)"}},
};

std::string Lower(const std::string& text) {
    std::string out;
    for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

const KeyTable& DefaultKeyTable() {
    static const KeyTable defaults = MakeDefaults();
    return defaults;
}

KeyTable& ActiveKeyTable() {
    return active;
}

const char* KeyActionName(int action) {
    return action >= 0 && action < kKeyActions ? kActions[action].name : "";
}

const char* KeyActionLabel(int action) {
    return action >= 0 && action < kKeyActions ? Tr(kActions[action].label) : "";
}

int ActionKey(int action) {
    return action >= 0 && action < kKeyActions ? kActions[action].key : 0;
}

int ActionOfKey(const KeyTable& table, int key, int* place) {
    if (key == 0) return -1;
    for (int a = 0; a < kKeyActions; ++a)
        for (int k = 0; k < kKeysPerAction; ++k)
            if (table.keys[a][k] == key) {
                if (place) *place = k;
                return a;
            }
    return -1;
}

int BoundKey(int pressed) {
    if (pressed == kVkPseudoStep) return pressed;
    return ActionKey(ActionOfKey(active, pressed));
}

std::string KeyName(int key) {
    if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key));
    if (key >= kVk0 && key <= kVk0 + 9) return std::string(1, static_cast<char>('0' + key - kVk0));
    if (key >= kVkNumpad0 && key <= kVkNumpad0 + 9) return "KP" + std::to_string(key - kVkNumpad0);
    if (key >= kVkF1 && key <= kVkF1 + 11) return "F" + std::to_string(key - kVkF1 + 1);
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key) return named.name;
    return {};
}

int KeyFromName(const std::string& name) {
    if (name.empty()) return 0;
    const std::string lower = Lower(name);
    // Every name is its own: a lookup through all of them finds the one it is.
    for (int key = 1; key < kVkPseudoStep; ++key) {
        const std::string known = KeyName(key);
        if (!known.empty() && Lower(known) == lower) return key;
    }
    return 0;
}

std::string KeyLabel(int key) {
    if (key >= kVkNumpad0 && key <= kVkNumpad0 + 9) return "Num " + std::to_string(key - kVkNumpad0);
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key && named.label.english[0] != '\0') return Tr(named.label);
    return KeyName(key);
}

std::string KeyListText(const int (&keys)[kKeysPerAction]) {
    std::string text;
    for (int key : keys) {
        if (key == 0) continue;
        if (!text.empty()) text += ',';
        text += KeyName(key);
    }
    return text.empty() ? "none" : text;
}

bool ParseKeyList(const std::string& text, int (&keys)[kKeysPerAction], std::string& error) {
    int read[kKeysPerAction] = {0, 0, 0};
    if (Lower(text) != "none") {
        std::stringstream in(text);
        int count = 0;
        for (std::string name; std::getline(in, name, ',');) {
            const int key = KeyFromName(name);
            if (key == 0) {
                error = "\"" + name + "\" is not the name of a key";
                return false;
            }
            if (count == kKeysPerAction) {
                error = "an order takes at most three keys";
                return false;
            }
            for (int i = 0; i < count; ++i)
                if (read[i] == key) {
                    error = KeyName(key) + " is named twice";
                    return false;
                }
            read[count++] = key;
        }
        if (count == 0) {
            error = "no key is named (write none for no key)";
            return false;
        }
    }
    for (int i = 0; i < kKeysPerAction; ++i) keys[i] = read[i];
    return true;
}

std::string KeyClash(const KeyTable& table) {
    for (int a = 0; a < kKeyActions; ++a)
        for (int k = 0; k < kKeysPerAction; ++k) {
            const int key = table.keys[a][k];
            if (key == 0) continue;
            for (int b = a + 1; b < kKeyActions; ++b)
                for (int j = 0; j < kKeysPerAction; ++j)
                    if (table.keys[b][j] == key)
                        return KeyName(key) + " is the key of both " + KeyActionName(a) + " and " +
                               KeyActionName(b);
        }
    return {};
}

} // namespace annals
