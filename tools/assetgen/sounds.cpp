#include "sounds.h"

#include "asset_files.h"
#include "audio_catalogue.h"
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace annals::sound {

namespace {

constexpr double kPi = std::numbers::pi;

// --- Building blocks ----------------------------------------------------------------

// A dull blow on the ground or on wood: a falling low tone and a puff of dark noise.
Wave Thud(double fromHz, double toHz, double decay, double noiseLevel, uint64_t seed) {
    Wave body = Tone(decay * 6, ExpGlide(fromHz, toHz, decay * 2));
    Envelope(body, Percussive(0.002, decay));
    Noise noise(seed);
    Wave puff = WhiteNoise(decay * 4, noise);
    LowPass(puff, Constant(500));
    Envelope(puff, Percussive(0.001, decay * 0.6));
    Mix(body, puff, 0, noiseLevel);
    return body;
}

// A short knock of hoof, stone or wood: noise in a narrow band.
Wave Knock(double centre, double q, double decay, uint64_t seed) {
    Noise noise(seed);
    Wave w = WhiteNoise(decay * 6, noise);
    BandPass(w, Constant(centre), q);
    Envelope(w, Percussive(0.0008, decay));
    return w;
}

// Blade on blade: a bright inharmonic ring over a hard transient.
Wave Clash(double base, double ring, uint64_t seed) {
    Wave w = Ring(ring * 5, base,
                  {{1.0, 1.0, ring},
                   {2.32, 0.7, ring * 0.8},
                   {3.87, 0.5, ring * 0.6},
                   {5.41, 0.35, ring * 0.45},
                   {6.93, 0.25, ring * 0.3},
                   {8.61, 0.15, ring * 0.2}});
    Noise noise(seed);
    Wave hit = WhiteNoise(0.06, noise);
    HighPass(hit, Constant(2500));
    Envelope(hit, Percussive(0.0005, 0.012));
    Mix(w, hit, 0, 1.6);
    return w;
}

// Air pushed aside: noise in a band that sweeps from `low` up to `high` and back.
Wave Whoosh(double seconds, double low, double high, double q, uint64_t seed) {
    Noise noise(seed);
    Wave w = WhiteNoise(seconds, noise);
    BandPass(
        w, [=](double t) { return low + (high - low) * std::sin(kPi * std::min(t / seconds, 1.0)); }, q);
    Envelope(w, Swell(seconds * 0.45, 0, seconds * 0.55));
    return w;
}

// A brass voice: harmonics that brighten as the note speaks, with a late vibrato.
Wave Brass(double hz, double seconds, double brightness = 1.0) {
    const Curve env = Adsr(0.04, 0.12, 0.75, 0.12, seconds);
    Wave w = Harmonics(
        seconds, [hz](double t) { return hz * (1 + (t > 0.25 ? 0.006 * std::sin(2 * kPi * 5.5 * t) : 0)); },
        24,
        [&](int n, double t) { return std::exp(-n / (1.5 + 7 * brightness * env(t))) / std::pow(n, 0.6); });
    Envelope(w, env);
    return w;
}

Wave Timpani(double hz, double decay, uint64_t seed) {
    Wave w = Ring(
        decay * 5, hz,
        {{1.0, 1.0, decay}, {1.5, 0.5, decay * 0.6}, {1.99, 0.35, decay * 0.5}, {2.44, 0.2, decay * 0.3}});
    Mix(w, Thud(hz * 1.3, hz, 0.05, 1.0, seed), 0, 0.6);
    return w;
}

Wave Cymbal(double decay, uint64_t seed) {
    Noise noise(seed);
    Wave w = WhiteNoise(decay * 5, noise);
    HighPass(w, Constant(5000));
    Envelope(w, Percussive(0.002, decay));
    return w;
}

// A small bell: hum, prime, minor third, fifth and nominal partials.
Wave Bell(double hz, double decay) {
    return Ring(decay * 5, hz,
                {{0.5, 0.35, decay},
                 {1.0, 1.0, decay * 0.8},
                 {1.2, 0.45, decay * 0.6},
                 {1.5, 0.3, decay * 0.5},
                 {2.0, 0.4, decay * 0.4},
                 {2.74, 0.15, decay * 0.25}});
}

// A voice-like tone: a buzzing source shaped by two vowel formants.
Wave Voice(double seconds, const Curve& pitch, double formant1, double formant2) {
    Wave source = Tone(seconds, pitch, Shape::Saw);
    Wave a = source, b = source;
    BandPass(a, Constant(formant1), 4);
    BandPass(b, Constant(formant2), 5);
    Mix(a, b, 0, 0.6);
    return a;
}

Wave Shot(double boomHz, double bodyDecay, uint64_t seed) {
    Noise noise(seed);
    Wave crack = WhiteNoise(0.05, noise);
    HighPass(crack, Constant(1500));
    Envelope(crack, Percussive(0.0003, 0.006));
    Wave body = WhiteNoise(bodyDecay * 6, noise);
    LowPass(body, ExpGlide(3000, 250, bodyDecay * 2));
    Envelope(body, Percussive(0.001, bodyDecay));
    Wave w = Thud(boomHz * 1.8, boomHz, bodyDecay * 1.2, 0.3, seed + 1);
    Mix(w, body, 0, 1.2);
    Mix(w, crack, 0, 0.9);
    Drive(w, 2.5);
    return w;
}

// A tail of echoes from the hills, darker than the shot itself.
void AddEchoes(Wave& w, double delay, double feedback, int repeats) {
    Wave dark = w;
    LowPass(dark, Constant(1200));
    double gain = 1;
    for (int r = 1; r <= repeats; ++r) {
        gain *= feedback;
        Mix(w, dark, r * delay, gain);
    }
}

Wave Hoof(double at, double pitch, uint64_t seed) {
    Wave w;
    Mix(w, Knock(900 * pitch, 4, 0.018, seed), at, 1.0);
    Mix(w, Knock(1500 * pitch, 5, 0.012, seed + 7), at + 0.004, 0.6);
    Mix(w, Thud(220 * pitch, 140 * pitch, 0.02, 0.4, seed + 11), at, 0.8);
    return w;
}

// --- The effects --------------------------------------------------------------------

Wave MoveLand() {
    Wave w;
    const double steps[] = {0.0, 0.22, 0.44};
    for (int i = 0; i < 3; ++i) {
        Mix(w, Thud(95, 60, 0.045, 1.2, 100 + i), steps[i], 1.0 - 0.15 * i);
        Mix(w, Knock(2600, 1.5, 0.03, 110 + i), steps[i] + 0.01, 0.18);
    }
    return w;
}

Wave AttackInfantry() {
    Wave w;
    const double drums[] = {0.0, 0.15, 0.3, 0.6, 0.75};
    for (int i = 0; i < 5; ++i) {
        Mix(w, Knock(1800, 1.2, 0.06, 200 + i), drums[i], 0.6);
        Mix(w, Thud(190, 150, 0.08, 0.3, 210 + i), drums[i], 0.8);
    }
    Wave cry = Voice(0.7, Glide(150, 185, 0.5), 720, 1150);
    Envelope(cry, Swell(0.12, 0.3, 0.28));
    Mix(w, cry, 0.45, 0.9);
    Wave second = Voice(0.6, Glide(118, 150, 0.45), 650, 1050);
    Envelope(second, Swell(0.15, 0.2, 0.25));
    Mix(w, second, 0.52, 0.7);
    return w;
}

Wave AttackHorse() {
    Wave w;
    const double gallop[] = {0.0, 0.09, 0.16, 0.36, 0.45, 0.52};
    for (int i = 0; i < 6; ++i) Mix(w, Hoof(gallop[i], 1.0 + 0.05 * (i % 3), 300 + uint64_t(i) * 3), 0, 0.9);
    const Curve pitch = [](double t) {
        const double base = t < 0.15 ? 600 + 2000 * t : std::max(380.0, 900 - 900 * (t - 0.15));
        return base + 45 * std::sin(2 * kPi * 11 * t);
    };
    Wave neigh = Voice(0.75, pitch, 950, 2200);
    Envelope(neigh, Swell(0.08, 0.35, 0.32));
    Mix(w, neigh, 0.6, 0.8);
    return w;
}

Wave AttackSword() {
    Wave w = Whoosh(0.25, 500, 2600, 1.2, 400);
    Mix(w, Clash(1100, 0.22, 401), 0.22, 1.0);
    Mix(w, Clash(1350, 0.16, 402), 0.5, 0.6);
    return w;
}

Wave AttackCatapult() {
    Wave creak = Tone(0.35, Glide(95, 70, 0.35), Shape::Saw);
    BandPass(creak, Constant(650), 5);
    Envelope(creak,
             [](double t) { return (0.6 + 0.4 * std::sin(2 * kPi * 28 * t)) * Swell(0.05, 0.2, 0.1)(t); });
    Wave w = creak;
    Mix(w, Thud(130, 55, 0.07, 1.0, 500), 0.35, 1.0);
    Mix(w, Whoosh(0.55, 300, 1200, 1.5, 501), 0.42, 0.5);
    Mix(w, Thud(70, 35, 0.22, 1.5, 502), 1.0, 1.2);
    Noise rubble(503);
    for (int i = 0; i < 7; ++i)
        Mix(w, Knock(rubble.Range(1200, 2600), 5, 0.015, 510 + i), 1.05 + rubble.Range(0, 0.35), 0.3);
    return w;
}

Wave AttackCannon() {
    Noise noise(600);
    Wave blast = WhiteNoise(1.5, noise);
    LowPass(blast, ExpGlide(2500, 150, 0.5));
    Envelope(blast, Percussive(0.002, 0.3));
    Wave w = Thud(110, 32, 0.4, 0.2, 601);
    Mix(w, blast, 0, 1.4);
    Mix(w, Shot(60, 0.05, 602), 0, 0.6);
    Drive(w, 3);
    AddEchoes(w, 0.19, 0.3, 5);
    return w;
}

Wave Golds() {
    Wave w;
    Noise drop(700);
    for (int i = 0; i < 11; ++i) {
        const double at = i * 0.045 + drop.Range(0, 0.04), base = drop.Range(2500, 4300);
        const double decay = drop.Range(0.06, 0.2);
        Wave coin = Ring(decay * 4, base,
                         {{1.0, 1.0, decay},
                          {1.51, 0.5, decay * 0.7},
                          {2.41, 0.4, decay * 0.5},
                          {3.92, 0.25, decay * 0.3}});
        Mix(coin, Knock(6000, 1.0, 0.003, 710 + uint64_t(i)), 0, 0.8);
        Mix(w, coin, at, 1.0 - 0.04 * i);
    }
    return w;
}

Wave MoveHorse() {
    Wave w;
    const double trot[] = {0.0, 0.1, 0.3, 0.4, 0.6, 0.7};
    for (int i = 0; i < 6; ++i)
        Mix(w, Hoof(trot[i], i % 2 ? 1.25 : 1.0, 800 + uint64_t(i) * 5), 0, 1.0 - 0.08 * i);
    return w;
}

Wave MoveSea() {
    Noise noise(900);
    Wave wave = WhiteNoise(1.9, noise);
    LowPass(
        wave, [](double t) { return 250 + 1500 * std::sin(kPi * std::min(t / 1.9, 1.0)); }, 0.9);
    Envelope(wave, Swell(0.75, 0.25, 0.9));
    Wave foam = WhiteNoise(1.2, noise);
    HighPass(foam, Constant(3500));
    Envelope(foam, Swell(0.2, 0.2, 0.8));
    Mix(wave, foam, 0.7, 0.2);
    return wave;
}

Wave BuildRoad() {
    Wave w;
    for (int i = 0; i < 3; ++i) {
        const double at = 0.4 * i;
        Noise noise(1000 + uint64_t(i));
        Wave scrape = WhiteNoise(0.22, noise);
        BandPass(scrape, Glide(2600, 3400, 0.2), 0.8);
        Envelope(scrape, Swell(0.07, 0.02, 0.13));
        Mix(w, scrape, at, 0.5);
        Mix(w, Knock(1800, 6, 0.03, 1010 + uint64_t(i)), at + 0.09, 0.9);
        Mix(w, Ring(0.3, 2200 + 150 * i, {{1, 1, 0.06}, {2.76, 0.4, 0.03}}), at + 0.09, 0.25);
    }
    return w;
}

Wave Click() {
    Wave w = Ring(0.035, 1800, {{1.0, 1.0, 0.006}, {2.7, 0.5, 0.004}});
    Mix(w, Knock(4000, 1.0, 0.002, 1100), 0, 0.6);
    return w;
}

Wave City() {
    Wave w = Bell(880, 0.35);
    Mix(w, Bell(1318.5, 0.3), 0.12, 0.8);
    return w;
}

Wave Die() {
    Wave cry = Voice(
        0.75,
        [](double t) {
            return 260 * std::pow(110.0 / 260, std::min(t / 0.7, 1.0)) + 6 * std::sin(2 * kPi * 7 * t);
        },
        780, 1200);
    Envelope(cry, Swell(0.05, 0.25, 0.45));
    Wave w = cry;
    Mix(w, Thud(90, 45, 0.12, 1.5, 1200), 0.78, 1.1);
    Mix(w, Knock(700, 2, 0.04, 1201), 0.8, 0.4);
    return w;
}

Wave Sword1() {
    return Clash(1150, 0.2, 1300);
}

Wave Sword2() {
    Wave w = Clash(1480, 0.18, 1400);
    Noise noise(1401);
    Wave scrape = WhiteNoise(0.18, noise);
    BandPass(scrape, Glide(3000, 6000, 0.18), 3);
    Envelope(scrape, Swell(0.03, 0.08, 0.07));
    Mix(w, scrape, 0.05, 0.5);
    return w;
}

Wave Sword3() {
    Wave w = Clash(980, 0.2, 1500);
    Mix(w, Clash(1060, 0.15, 1501), 0.09, 0.7);
    return w;
}

Wave Sword4() {
    Wave w = Clash(1320, 0.2, 1600);
    Mix(w, Ring(0.5, 650, {{1, 1, 0.08}, {1.73, 0.6, 0.06}, {2.9, 0.3, 0.04}}), 0.0, 0.7); // shield
    Mix(w, Thud(160, 120, 0.04, 0.6, 1601), 0, 0.5);
    return w;
}

Wave Sword5() {
    Wave w = Clash(1250, 0.12, 1700);
    Mix(w, Clash(1400, 0.12, 1701), 0.12, 0.8);
    Mix(w, Clash(1100, 0.22, 1702), 0.3, 1.0);
    return w;
}

Wave Swish1() {
    return Whoosh(0.32, 500, 2500, 1.5, 1800);
}

Wave Swish2() {
    Wave w = Whoosh(0.42, 700, 3500, 2.5, 1900);
    Wave whistle = Tone(0.42, [](double t) { return 900 + 1800 * std::sin(kPi * std::min(t / 0.42, 1.0)); });
    Envelope(whistle, Swell(0.18, 0, 0.24));
    Mix(w, whistle, 0, 0.05);
    return w;
}

Wave Elephant() {
    const Curve pitch = [](double t) {
        const double rise = t < 0.25 ? 260 + 1100 * t : std::max(430.0, 535 - 120 * (t - 0.25));
        return rise * (1 + 0.03 * std::sin(2 * kPi * 7 * t));
    };
    Wave w = Harmonics(1.3, pitch, 30, [](int n, double) { return 1.0 / std::pow(n, 0.7); });
    BandPass(w, Constant(1400), 0.9);
    Noise noise(2000);
    Wave rasp = WhiteNoise(1.3, noise);
    BandPass(rasp, Constant(1700), 2);
    Envelope(rasp, [](double t) { return 0.5 + 0.5 * std::sin(2 * kPi * 31 * t); });
    Mix(w, rasp, 0, 0.08);
    Envelope(w, Swell(0.15, 0.75, 0.4));
    Drive(w, 1.5);
    return w;
}

Wave Adjust() {
    Wave w = Tone(0.04, Constant(1200), Shape::Triangle);
    Envelope(w, Percussive(0.002, 0.012));
    Wave up = Tone(0.05, Constant(1600), Shape::Triangle);
    Envelope(up, Percussive(0.002, 0.015));
    Mix(w, up, 0.045, 1.0);
    return w;
}

Wave FortifyLand() {
    Wave w = Ring(0.6, 700, {{1, 1, 0.12}, {1.61, 0.7, 0.09}, {2.53, 0.5, 0.06}, {3.71, 0.3, 0.04}});
    Mix(w, Thud(110, 70, 0.05, 1.0, 2100), 0, 0.9);
    Noise rattle(2101);
    for (int i = 0; i < 6; ++i)
        Mix(w, Ring(0.15, rattle.Range(2300, 3200), {{1, 1, 0.025}, {2.3, 0.5, 0.015}}), 0.08 + 0.04 * i,
            0.35);
    Mix(w, Thud(100, 65, 0.05, 1.0, 2102), 0.4, 0.8);
    return w;
}

Wave FortifyHorse() {
    Wave w = Hoof(0.0, 0.9, 2200);
    Mix(w, Hoof(0.18, 0.95, 2203), 0, 0.9);
    Noise noise(2210);
    Wave snort = WhiteNoise(0.45, noise);
    BandPass(snort, Glide(650, 380, 0.4), 2);
    Envelope(snort,
             [](double t) { return Swell(0.04, 0.12, 0.28)(t) * (0.7 + 0.3 * std::sin(2 * kPi * 26 * t)); });
    Mix(w, snort, 0.4, 1.2);
    return w;
}

double Note(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A few seconds of fanfare in D: a rising call, a held chord over a timpani roll, a
// second call and the closing chord.
Wave Intro() {
    Wave w;
    const struct {
        double at, length;
        int note;
    } call[] = {{0.0, 0.33, 62}, {0.35, 0.33, 69}, {0.7, 0.9, 74},
                {4.3, 0.28, 69}, {4.6, 0.28, 71},  {4.9, 0.28, 73}};
    for (const auto& n : call) Mix(w, Brass(Note(n.note), n.length), n.at, 0.5);
    for (int note : {50, 57, 62, 66, 69}) Mix(w, Brass(Note(note), 2.4, 0.7), 1.7, 0.22);
    for (int note : {50, 57, 62, 66, 69, 74}) Mix(w, Brass(Note(note), 1.9, 0.9), 5.2, 0.22);
    for (int i = 0; i < 22; ++i)
        Mix(w, Timpani(Note(38), 0.25, 2300 + uint64_t(i)), 2.0 + 0.07 * i, 0.15 + 0.012 * i);
    Mix(w, Timpani(Note(38), 0.6, 2330), 5.2, 0.8);
    Mix(w, Timpani(Note(45), 0.5, 2331), 1.7, 0.6);
    Mix(w, Cymbal(0.7, 2340), 5.2, 0.25);
    return w;
}

// Triumph: a quick triplet call and a long major chord.
Wave Victory() {
    Wave w;
    const struct {
        double at, length;
        int note;
    } call[] = {{0.0, 0.14, 67}, {0.15, 0.14, 72}, {0.3, 0.14, 76}, {0.45, 1.5, 79}};
    for (const auto& n : call) Mix(w, Brass(Note(n.note), n.length), n.at, 0.5);
    for (int note : {48, 55, 60, 64, 67}) Mix(w, Brass(Note(note), 1.5, 0.8), 0.45, 0.2);
    Mix(w, Timpani(Note(36), 0.5, 2400), 0.45, 0.8);
    Mix(w, Cymbal(0.6, 2401), 0.45, 0.25);
    return w;
}

Wave BuildCity() {
    Wave w;
    const double blows[] = {0.0, 0.28, 0.56, 0.76};
    for (int i = 0; i < 4; ++i) {
        Mix(w, Knock(900, 3, 0.04, 2500 + uint64_t(i)), blows[i], 1.0);
        Mix(w, Thud(320, 260, 0.03, 0.3, 2510 + uint64_t(i)), blows[i], 0.6);
        Mix(w, Ring(0.2, 3000 + 90 * i, {{1, 1, 0.04}, {2.4, 0.4, 0.02}}), blows[i], 0.3);
    }
    Mix(w, Bell(660, 0.25), 1.0, 0.6);
    Mix(w, Bell(990, 0.22), 1.1, 0.4);
    return w;
}

Wave Plant() {
    Wave w;
    for (int i = 0; i < 2; ++i) {
        Noise noise(2600 + uint64_t(i));
        Wave soil = WhiteNoise(0.3, noise);
        LowPass(soil, Constant(900));
        Envelope(soil, Swell(0.05, 0.05, 0.2));
        Mix(w, soil, 0.35 * i, 1.0);
        Mix(w, Thud(120, 80, 0.04, 0.8, 2610 + uint64_t(i)), 0.35 * i + 0.04, 0.6);
    }
    Noise noise(2620);
    Wave rustle = WhiteNoise(0.3, noise);
    BandPass(rustle, Constant(4200), 1.2);
    Envelope(rustle,
             [](double t) { return Swell(0.08, 0.1, 0.12)(t) * (0.6 + 0.4 * std::sin(2 * kPi * 19 * t)); });
    Mix(w, rustle, 0.65, 0.35);
    return w;
}

Wave ExamineHill() {
    Wave w;
    Noise rubble(2700);
    for (int i = 0; i < 2; ++i) {
        const double at = 0.45 * i;
        Mix(w, Knock(2500, 5, 0.015, 2710 + uint64_t(i)), at, 1.0);
        Mix(w, Ring(0.3, 1700 + 120 * i, {{1, 1, 0.06}, {2.1, 0.6, 0.04}, {3.3, 0.3, 0.025}}), at, 0.5);
        for (int k = 0; k < 5; ++k)
            Mix(w, Knock(rubble.Range(1500, 3500), 6, 0.008, 2720 + uint64_t(i * 10 + k)),
                at + 0.1 + rubble.Range(0, 0.25), 0.2);
    }
    return w;
}

Wave Musket1() {
    Wave w = Shot(75, 0.11, 2800);
    AddEchoes(w, 0.13, 0.3, 4);
    return w;
}

Wave Musket2() {
    Wave w = Shot(58, 0.17, 2900);
    AddEchoes(w, 0.21, 0.35, 4);
    return w;
}

Wave Musket3() {
    Wave w = Shot(70, 0.1, 3000);
    Mix(w, Shot(64, 0.12, 3001), 0.07, 0.8);
    AddEchoes(w, 0.16, 0.3, 4);
    return w;
}

// How loud a sound plays, as RMS over its whole length. Sounds of one kind sit at one
// level, so that no sword is four times louder than another; the fights stand well above
// the music, the interface below the world.
struct Kind {
    double rmsDb;
};
constexpr Kind kFight{-15}, kWorld{-18}, kInterface{-21}, kTheme{-17};
// Every peak stays below -1 dBFS.
constexpr double kCeiling = 0.87;

struct Effect {
    const char* name;
    Wave (*make)();
    Kind kind;
};

constexpr Effect kEffects[] = {
    {"move_land", MoveLand, kWorld},
    {"attack_infantry", AttackInfantry, kFight},
    {"attack_horse", AttackHorse, kFight},
    {"attack_sword", AttackSword, kFight},
    {"attack_catapult", AttackCatapult, kFight},
    {"attack_cannon", AttackCannon, kFight},
    {"golds", Golds, kWorld},
    {"move_horse", MoveHorse, kWorld},
    {"move_sea", MoveSea, kWorld},
    {"buildRoad", BuildRoad, kWorld},
    {"click", Click, kInterface},
    {"city", City, kInterface},
    {"die", Die, kFight},
    {"sword1", Sword1, kFight},
    {"sword2", Sword2, kFight},
    {"sword3", Sword3, kFight},
    {"swish1", Swish1, kFight},
    {"swish2", Swish2, kFight},
    {"elephant", Elephant, kFight},
    {"sword4", Sword4, kFight},
    {"adjust", Adjust, kInterface},
    {"sword5", Sword5, kFight},
    {"fortify_land", FortifyLand, kWorld},
    {"fortify_horse", FortifyHorse, kWorld},
    {"intro", Intro, kTheme},
    {"victory", Victory, kFight},
    {"buildCity", BuildCity, kWorld},
    {"plant", Plant, kWorld},
    {"examineHill", ExamineHill, kWorld},
    {"musket1", Musket1, kFight},
    {"musket2", Musket2, kFight},
    {"musket3", Musket3, kFight},
};
static_assert(std::size(kEffects) == audio::kSoundCount);

} // namespace

bool WriteSounds(const std::string& soundDir, std::string& error) {
    for (int i = 0; i < audio::kSoundCount; ++i) {
        if (std::strcmp(kEffects[i].name, audio::kSoundNames[i]) != 0) {
            error = std::string("sound list out of order at ") + audio::kSoundNames[i];
            return false;
        }
        Wave w = kEffects[i].make();
        // Trim the silent tail that echoes and long decays leave behind.
        size_t end = w.size();
        double top = 0;
        for (double s : w) top = std::max(top, std::abs(s));
        while (end > 0 && std::abs(w[end - 1]) < top * 0.002) --end;
        w.resize(end);
        Level(w, std::pow(10.0, kEffects[i].kind.rmsDb / 20), kCeiling);
        double peak = 0;
        for (double s : w) peak = std::max(peak, std::abs(s));
        const std::string path = soundDir + "/" + kEffects[i].name + ".wav";
        if (!assetfiles::WriteFile(path, assetfiles::EncodeWav(ToPcm(w, peak), kSampleRate))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace annals::sound
