// The leaders of the rival civilizations: the first meeting and its border treaty, the
// demands and complaints of a computer's soldiers at a person's border, the attack on a
// treaty partner, and the talks a person opens from the diplomacy list. Each answer of a
// leader follows from the strength of both sides near his cities, from his treasury, from
// the sciences either side could teach and from how often the person broke his word.
#pragma once

#include "diplomacy/dialogs.h"

namespace annals {

// The Talk button of the statistics screen: the person (the current civilization) speaks
// with the leader of `civ`. A friend is asked in the friendly talk (45), everyone else in
// the wartime talk (46). Does nothing for a civilization that cannot be spoken to.
void TalkWithLeader(int civ);

// The rival whose leader speaks in the open dialog (his portrait is shown); 0 when the
// open dialog is not one of a rival leader's.
int RivalSpeaker();

// Whether the code is one of the rival leaders' dialogs (3..6, 37, 40..78).
bool IsRivalDialog(int code);

// ---------------------------------------------------------------------------
// The leader's answers. `human` is the person, `rival` the computer civilization spoken to.
// Each returns the dialog code of the answer and leaves its values in ui.dialogParams.

// How well the rival's city on (x, y) stands against the person's soldiers: (D + F) / (F + T)
// with D the weighted defence that can reach it, T the threat, F a floor.
double CityStrengthRatio(int human, int rival, int x, int y);

// The tribute the rival offers: the person asks for payment (peace 45 and 78: 54..58; war 46:
// 68..73). The amount goes to dialogParams 0.
int TributeAnswer(int human, int rival, bool wartime);
// The person proposes peace (46): 64, 65 with the price in dialogParams 0, or 66.
int PeaceAnswer(int human, int rival);
// The person asks a science for peace (46): 74..78, the science in dialogParams 0.
int ScienceForPeaceAnswer(int human, int rival);
// The person offers to exchange sciences (45): 47..52; dialogParams 0 is what the rival
// teaches, 1 what it learns.
int ScienceExchangeAnswer(int human, int rival);
// The person asks the rival to withdraw his soldiers (45): 59..62; dialogParams 0 counts
// the rival's units next to the person's cities, 1 those sent against a city standing on
// it, 2 those without a target.
int WithdrawalAnswer(int human, int rival);

// What `viewer` knows of how two other civilizations stand with each other: Unknown until
// he has met both and they have met, Peace above a relation of 20, War otherwise.
enum class Standing { Unknown, Peace, War };
Standing WorldStanding(int viewer, int a, int b);
// Whether the civilization broke a peace by attacking a treaty partner (since the game was
// started or loaded).
bool BrokeTreaty(int civ);

// Ten turns, told in years as the calendar counts them at `year`.
int TenTurnsInYears(int year);

// ---------------------------------------------------------------------------
// The dialog machine's side (called by the dialogs for the rival codes).

DialogContent RivalDialogContent(int code);
bool RivalAnswerAllowed(int answer);
DialogOutcome AnswerRivalDialog(int answer);
bool RivalAnswerHostile(int code, int answer);

} // namespace annals
