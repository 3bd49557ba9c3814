// The dialogs over the map: what each one says, which answers it offers, and what an
// answer does. A dialog is open while ui.dialogCode is not 0; whoever raises it fills
// the parties and the parameters, and the answer either closes it or leads on to the
// next dialog of its chain.
#pragma once

#include <string>
#include <vector>

namespace annals {

// What the open dialog shows.
struct DialogContent {
    std::string title;
    std::string text;
    std::vector<std::string> answers; // one to four labels, in button order
};

// The title, text and answers of the open dialog (ui.dialogCode). A dialog the game
// does not know yet still has one answer, OK, that closes it.
DialogContent DialogContentOf();

// The natives' wishes: among the products other than Gold they ask for, the one with the
// lowest stock for the demand (the first on ties), and the next one after it. 0 = none.
int MostNeededProduct();
int SecondNeededProduct();
// How much the natives value a product: "excellent ", "valuable ", "good " or "".
const char* ValueWord(int product);

// An amount held in hundredths of gold, as the natives name it: 1234 reads "12.34".
std::string HundredthsText(double hundredths);

// Whether the answer can be taken. A purchase the player cannot afford is refused with a
// message, and the dialog stays open for another choice.
bool DialogAnswerAllowed(int answer);

// Whether answer 1..4 of dialog `code` declares war, keeps a war going or refuses in a way
// that means war. The dialog window never places such an answer where the player has just
// pressed the answer before it, and asks again where it cannot avoid it.
bool HostileAnswer(int code, int answer);

// What the screen has to do after an answer took effect.
struct DialogOutcome {
    double goldShown = 0; // gold the player gained, for the falling coins; 0 = none
    int key = 0;          // the key handed on when the dialog closed: 255 goes on, 32 ends the move
};

// Applies answer 1..4 of the open dialog: its effect, then the next dialog of the chain
// or the close (ui.dialogCode = 0).
DialogOutcome AnswerDialog(int answer);

} // namespace annals
