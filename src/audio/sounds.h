// The game's sound effects: 32 named recordings in the Sounds folder, each played once
// from its start (PlaySound in state/host.h; several may sound at once). Only a
// person's actions make sounds, unless said otherwise:
//
//   intro            program start; stopped when a game starts or a saved game is chosen
//   click            buttons, list rows and pop-ups of screens, menus and dialogs; F1
//   city             the entrance screen's menu, Start and a chosen save; opening a city
//   adjust           the spending buttons of the city screen
//   golds            gold gained: found at a site, stock sold, dialog rewards
//   buildCity        a city founded; a settler starts clearing a forest
//   plant            a settler starts a cornfield
//   buildRoad        a settler starts a road
//   examineHill      a settler starts examining a hill
//   fortify_land     a unit fortifies (horsemen: fortify_horse)
//   move_land        a unit moves (horsemen: move_horse; ships: move_sea)
//   die              a person's unit is killed in a fight
//   victory          a fight won
//   attack_catapult  a catapult's attack begins (cannons, tanks, ships and aircraft:
//                    attack_cannon)
//   sword1..sword5, swish1, swish2, musket1..musket3, elephant
//                    the blows of land units during a fight, by their kind of weapon
//   attack_infantry, attack_horse, attack_sword
//                    kept in the list, never played
#pragma once

namespace annals {

constexpr int kSoundEffects = 32;

// The recordings' names, in the order of the game's list of sounds.
constexpr const char* kSoundNames[kSoundEffects] = {
    "move_land", "attack_infantry", "attack_horse", "attack_sword", "attack_catapult", "attack_cannon",
    "golds",     "move_horse",      "move_sea",     "buildRoad",    "click",           "city",
    "die",       "sword1",          "sword2",       "sword3",       "swish1",          "swish2",
    "elephant",  "sword4",          "adjust",       "sword5",       "fortify_land",    "fortify_horse",
    "intro",     "victory",         "buildCity",    "plant",        "examineHill",     "musket1",
    "musket2",   "musket3",
};

} // namespace annals
