// The help's texts: the answers, the encyclopedia's paragraphs and the short
// descriptions of units, buildings and wonders, read at start from one file per
// language in the game folder's Help folder (en.txt, tr.txt) so that a translator
// works on plain text.
//
// A file holds keyed texts: a line "[key]" starts a text, which runs to the next key;
// its lines are joined with single spaces, and lines starting with "#" are notes for
// the translator. Numbers are never typed into a text: a placeholder in braces is
// filled from the rule tables when the text is shown, so the help always states what
// the game does:
//   {unitcost:T} {attack:T} {defence:T} {lives:T} {moves:T} {capacity:T}  unit type T
//   {buildcost:B} {workers:B}                                            building B
//   {price:P}                                                             product P
//   {sciencecost:S}                                                       science S
//   {unit:T} {building:B} {product:P} {science:S} {terrain:T} {nation:N}  names
//   {fig:NAME}   one of the game's fixed figures (HelpFigure)
#pragma once

#include <map>
#include <string>

namespace annals {

// Reads Help/en.txt and Help/tr.txt under the game folder. Returns true when both were
// read; otherwise HelpTextsError() names what is missing, and the texts that could be
// read stay usable (a missing Turkish file falls back to the English texts).
bool LoadHelpTexts(const std::string& folder);
// Reads one language's texts from a file (language 1 English, 2 Turkish).
bool LoadHelpTextFile(int language, const std::string& path);
// Empty when the texts were read, otherwise a message for the player.
const std::string& HelpTextsError();

// The text under key in the language chosen at start, its placeholders filled; empty
// when neither file has it. A text the chosen language's file lacks is the English one.
std::string HelpText(const std::string& key);
// The same for a given language, for the tests.
std::string HelpTextIn(int language, const std::string& key);
// Names in the placeholders follow the language chosen at start.
// Whether the key exists (in the given language's file).
bool HasHelpText(int language, const std::string& key);

// The raw texts of a language as read, placeholders unfilled (for the tests).
const std::map<std::string, std::string>& RawHelpTexts(int language);

// Fills the placeholders of a text; an unknown placeholder is left as it stands, so
// that a translator's slip shows on the page and the tests catch it.
std::string FillPlaceholders(const std::string& text);

// The game's fixed figures that the help quotes, by name (-1 for an unknown name).
double HelpFigure(const std::string& name);

} // namespace annals
