#include "music.h"

#include "audio_catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace annals::music {

namespace {

using assetfiles::MidiEvent;
using assetfiles::MidiSong;
using assetfiles::MidiTrack;

constexpr int kTicks = 480; // per quarter note

// Deterministic dice for one piece (splitmix64).
class Dice {
public:
    explicit Dice(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return int(Next() % uint64_t(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(double p) { return double(Next() >> 11) / double(1ull << 53) < p; }

private:
    uint64_t state_;
};

// --- Modes and moods ----------------------------------------------------------------

using Mode = std::array<int, 7>;
constexpr Mode kIonian = {0, 2, 4, 5, 7, 9, 11};
constexpr Mode kDorian = {0, 2, 3, 5, 7, 9, 10};
constexpr Mode kPhrygian = {0, 1, 3, 5, 7, 8, 10};
constexpr Mode kMixolydian = {0, 2, 4, 5, 7, 9, 10};
constexpr Mode kAeolian = {0, 2, 3, 5, 7, 8, 10};
constexpr Mode kPhrygianDominant = {0, 1, 4, 5, 7, 8, 10};

enum class Accompaniment { Sustained, Arpeggio, Strum, Waltz, Pulse };
enum class Drums { None, March, Dance, Hands, Battle };

// General MIDI programs (numbered from 0).
enum Program : int {
    kPiano = 0,
    kHarpsichord = 6,
    kCelesta = 8,
    kChurchOrgan = 19,
    kAccordion = 21,
    kNylonGuitar = 24,
    kSteelGuitar = 25,
    kAcousticBass = 32,
    kViolin = 40,
    kCello = 42,
    kContrabass = 43,
    kPizzicato = 45,
    kHarp = 46,
    kTimpani = 47,
    kStrings = 48,
    kSlowStrings = 49,
    kChoir = 52,
    kTrumpet = 56,
    kTrombone = 57,
    kTuba = 58,
    kFrenchHorn = 60,
    kBrassSection = 61,
    kOboe = 68,
    kBassoon = 70,
    kClarinet = 71,
    kFlute = 73,
    kRecorder = 74,
    kPanFlute = 75,
    kSitar = 104,
    kKoto = 107,
    kFiddle = 110,
    kShanai = 111
};

constexpr int kMaxProgressions = 4;
constexpr int kChoices = 3;

struct Mood {
    const char* name;
    Mode mode;
    int bpmLow, bpmHigh;
    int beatsPerBar;
    // Each track of a mood takes one of these instruments for each voice, so that two
    // pieces of one mood do not sound alike.
    int leads[kChoices], seconds[kChoices], pads[kChoices], basses[kChoices];
    bool timpani;
    Accompaniment accompaniments[kChoices]; // the first for the A sections
    Drums drums;
    double density; // how busy the melody is, 0..1
    int leadTonic;  // MIDI note of the tonic in C around which the melody moves
    int progressionCount;
    int progressions[kMaxProgressions][4]; // scale degree of each bar's chord, 0 = tonic
};

using enum Accompaniment;
constexpr Mood kMoods[] = {
    {"stately",
     kIonian,
     72,
     86,
     4,
     {kFrenchHorn, kTrumpet, kOboe},
     {kTrumpet, kFrenchHorn, kClarinet},
     {kStrings, kChurchOrgan, kSlowStrings},
     {kContrabass, kTuba, kCello},
     true,
     {Sustained, Pulse, Arpeggio},
     Drums::None,
     0.35,
     67,
     4,
     {{0, 3, 4, 0}, {0, 5, 3, 4}, {0, 4, 5, 3}, {3, 0, 1, 4}}},
    {"pastoral",
     kIonian,
     88,
     108,
     3,
     {kFlute, kRecorder, kClarinet},
     {kOboe, kClarinet, kFlute},
     {kNylonGuitar, kHarp, kStrings},
     {kCello, kAcousticBass, kContrabass},
     false,
     {Arpeggio, Waltz, Sustained},
     Drums::None,
     0.5,
     72,
     4,
     {{0, 3, 0, 4}, {0, 1, 4, 0}, {5, 3, 0, 4}, {0, 4, 3, 0}}},
    {"martial",
     kAeolian,
     100,
     116,
     4,
     {kTrumpet, kFrenchHorn, kBrassSection},
     {kTrombone, kTrumpet, kFrenchHorn},
     {kBrassSection, kStrings, kTrombone},
     {kTuba, kContrabass, kTrombone},
     true,
     {Pulse, Sustained, Strum},
     Drums::March,
     0.55,
     67,
     4,
     {{0, 5, 6, 0}, {0, 3, 4, 0}, {0, 6, 5, 6}, {0, 3, 6, 2}}},
    {"mysterious",
     kPhrygian,
     60,
     72,
     4,
     {kPanFlute, kCelesta, kFlute},
     {kCelesta, kHarp, kClarinet},
     {kChoir, kSlowStrings, kChurchOrgan},
     {kContrabass, kCello, kBassoon},
     false,
     {Sustained, Arpeggio, Sustained},
     Drums::None,
     0.3,
     69,
     4,
     {{0, 1, 0, 4}, {0, 3, 1, 0}, {0, 5, 3, 4}, {0, 1, 6, 0}}},
    {"festive",
     kMixolydian,
     112,
     132,
     4,
     {kFiddle, kAccordion, kRecorder},
     {kAccordion, kFiddle, kClarinet},
     {kSteelGuitar, kNylonGuitar, kHarpsichord},
     {kAcousticBass, kTuba, kContrabass},
     false,
     {Strum, Pulse, Arpeggio},
     Drums::Dance,
     0.75,
     72,
     4,
     {{0, 6, 3, 0}, {0, 3, 4, 0}, {0, 4, 3, 0}, {0, 6, 0, 4}}},
    {"melancholic",
     kAeolian,
     62,
     76,
     3,
     {kViolin, kCello, kOboe},
     {kCello, kViolin, kClarinet},
     {kPiano, kHarp, kSlowStrings},
     {kContrabass, kCello, kBassoon},
     false,
     {Arpeggio, Sustained, Waltz},
     Drums::None,
     0.4,
     67,
     4,
     {{0, 3, 6, 2}, {0, 5, 2, 6}, {0, 3, 4, 0}, {5, 3, 0, 4}}},
    {"exotic",
     kPhrygianDominant,
     92,
     110,
     4,
     {kShanai, kSitar, kOboe},
     {kKoto, kSitar, kPanFlute},
     {kStrings, kHarp, kSlowStrings},
     {kAcousticBass, kContrabass, kCello},
     false,
     {Sustained, Arpeggio, Strum},
     Drums::Hands,
     0.65,
     69,
     4,
     {{0, 1, 0, 1}, {0, 3, 1, 0}, {0, 6, 5, 1}, {0, 3, 6, 0}}},
    {"courtly",
     kIonian,
     96,
     116,
     3,
     {kRecorder, kFlute, kViolin},
     {kHarpsichord, kOboe, kCello},
     {kStrings, kHarpsichord, kPizzicato},
     {kCello, kBassoon, kContrabass},
     false,
     {Waltz, Arpeggio, Sustained},
     Drums::None,
     0.6,
     72,
     4,
     {{0, 4, 0, 3}, {0, 1, 4, 0}, {5, 1, 4, 0}, {0, 3, 4, 0}}},
    {"heroic",
     kMixolydian,
     96,
     112,
     4,
     {kFrenchHorn, kTrumpet, kStrings},
     {kTrumpet, kFrenchHorn, kTrombone},
     {kStrings, kBrassSection, kSlowStrings},
     {kCello, kContrabass, kTuba},
     true,
     {Pulse, Sustained, Strum},
     Drums::Battle,
     0.5,
     67,
     4,
     {{0, 6, 3, 0}, {0, 4, 5, 3}, {0, 3, 6, 0}, {5, 3, 6, 0}}},
    {"solemn",
     kDorian,
     58,
     70,
     4,
     {kOboe, kClarinet, kCello},
     {kClarinet, kBassoon, kViolin},
     {kChurchOrgan, kChoir, kSlowStrings},
     {kContrabass, kBassoon, kCello},
     false,
     {Sustained, Arpeggio, Sustained},
     Drums::None,
     0.3,
     67,
     4,
     {{0, 3, 0, 4}, {0, 6, 3, 0}, {0, 2, 3, 0}, {0, 3, 6, 4}}},
};
constexpr int kMoodCount = int(std::size(kMoods));

// The mood of each track 1..37, spread so that neighbours differ.
constexpr int kTrackMood[audio::kTrackCount + 1] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 3, 0, 4, 2, 7, 5, 8,
                                                    6, 9, 0, 2, 1, 4, 3, 6, 5, 8, 7, 9, 2, 0, 4, 1, 3, 8, 5};
static_assert(std::size(kTrackMood) == audio::kTrackCount + 1);

// --- Writing events -----------------------------------------------------------------

struct Part {
    MidiTrack track;
    int channel;
    void Add(uint32_t tick, std::initializer_list<uint8_t> bytes) { track.events.push_back({tick, bytes}); }
    void Note(uint32_t tick, uint32_t length, int note, int velocity) {
        if (note < 0 || note > 127 || length == 0) return;
        velocity = std::clamp(velocity, 1, 127);
        Add(tick, {uint8_t(0x90 | channel), uint8_t(note), uint8_t(velocity)});
        Add(tick + length, {uint8_t(0x80 | channel), uint8_t(note), 0});
    }
    void Setup(const char* name, int program, int volume, int pan, int reverb) {
        volume = std::clamp(volume, 1, 127);
        std::vector<uint8_t> meta = {0xFF, 0x03, uint8_t(std::char_traits<char>::length(name))};
        for (const char* c = name; *c; ++c) meta.push_back(uint8_t(*c));
        track.events.push_back({0, meta});
        if (channel != 9) Add(0, {uint8_t(0xC0 | channel), uint8_t(program)});
        Add(0, {uint8_t(0xB0 | channel), 7, uint8_t(volume)});
        Add(0, {uint8_t(0xB0 | channel), 11, 127});
        Add(0, {uint8_t(0xB0 | channel), 10, uint8_t(pan)});
        Add(0, {uint8_t(0xB0 | channel), 91, uint8_t(reverb)});
    }
};

// Drum notes of the General MIDI percussion map.
enum Drum : int {
    kBassDrum = 36,
    kSideStick = 37,
    kSnare = 38,
    kClap = 39,
    kFloorTom = 41,
    kClosedHat = 42,
    kLowTom = 45,
    kCrash = 49,
    kHighTom = 50,
    kTambourine = 54,
    kHighBongo = 60,
    kLowBongo = 61,
    kOpenConga = 63,
    kLowConga = 64
};

// --- Harmony ------------------------------------------------------------------------

struct Key {
    Mode mode;
    int tonic; // MIDI note of the tonic in the lead's register

    // Scale degree (any integer, 7 = the octave above) to a MIDI note.
    int Pitch(int degree, int octaveShift = 0) const {
        const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
        return tonic + 12 * (octave + octaveShift) + mode[size_t(degree - 7 * octave)];
    }
};

bool InChord(int degree, int root) {
    const int d = ((degree - root) % 7 + 7) % 7;
    return d == 0 || d == 2 || d == 4;
}

int NearestChordTone(int degree, int root) {
    for (int delta : {0, -1, 1, -2, 2, -3, 3})
        if (InChord(degree + delta, root)) return degree + delta;
    return degree;
}

// --- The piece ----------------------------------------------------------------------

struct Note {
    double beat; // from the start of the bar
    double length;
    int degree;
    int accent;
};

struct Piece {
    const Mood& mood;
    Key key;
    Dice& dice;
    int beats;
    uint32_t barTicks;
    Accompaniment accompaniment = Accompaniment::Sustained;
    Part lead{{}, 0}, second{{}, 1}, pad{{}, 2}, bass{{}, 3}, timpani{{}, 4}, drums{{}, 9};

    uint32_t Tick(int bar, double beat) const {
        return uint32_t(bar) * barTicks + uint32_t(std::lround(beat * kTicks));
    }
};

// One bar of melody rhythm: onsets and lengths in beats, filling the bar.
std::vector<std::pair<double, double>> Rhythm(Dice& dice, int beats, double density, bool cadence) {
    std::vector<std::pair<double, double>> notes;
    if (cadence) {
        if (beats == 3)
            notes = {{0, 2}, {2, 1}};
        else if (dice.Chance(0.5))
            notes = {{0, 3}};
        else
            notes = {{0, 1}, {1, 2.5}};
        return notes;
    }
    double beat = 0;
    while (beat < beats - 0.01) {
        const int roll = dice.Below(100);
        const double left = beats - beat;
        if (left >= 2 && roll < int(30 * (1 - density))) {
            notes.push_back({beat, 2});
            beat += 2;
        } else if (left >= 1.5 && roll < int(45 * (1 - density)) + 10) {
            notes.push_back({beat, 1.5});
            notes.push_back({beat + 1.5, 0.5});
            beat += 2;
        } else if (roll < 40 + int(40 * density)) {
            notes.push_back({beat, 0.5});
            notes.push_back({beat + 0.5, 0.5});
            beat += 1;
        } else if (roll < 90) {
            notes.push_back({beat, 1});
            beat += 1;
        } else {
            notes.push_back({beat, 0.75});
            notes.push_back({beat + 0.75, 0.25});
            beat += 1;
        }
    }
    return notes;
}

// A melodic idea: a rhythm per bar for three bars and a contour of small steps.
struct Motif {
    std::vector<std::pair<double, double>> rhythm[3];
    std::vector<int> steps;
};

Motif MakeMotif(Dice& dice, const Mood& mood, int beats) {
    Motif m;
    for (auto& r : m.rhythm) r = Rhythm(dice, beats, mood.density, false);
    if (dice.Chance(0.6)) m.rhythm[1] = m.rhythm[0]; // the idea answers itself
    for (int i = 0; i < 32; ++i) {
        const int roll = dice.Below(100);
        m.steps.push_back(roll < 35   ? 1
                          : roll < 70 ? -1
                          : roll < 80 ? 2
                          : roll < 90 ? -2
                          : roll < 95 ? 0
                                      : 4);
    }
    return m;
}

// A bar's rhythm with its longer notes split in two, for an ornamented return.
std::vector<std::pair<double, double>> Ornament(const std::vector<std::pair<double, double>>& rhythm) {
    std::vector<std::pair<double, double>> out;
    for (const auto& [onset, length] : rhythm) {
        if (length >= 1) {
            out.push_back({onset, length / 2});
            out.push_back({onset + length / 2, length / 2});
        } else {
            out.push_back({onset, length});
        }
    }
    return out;
}

// Four bars: the motif, its echo, a turn and a cadence on `lastChord`. A section heard
// again comes back varied (`variation` 1..3): ornamented, its contour read from another
// point, or turned upside down, so that no return is a plain copy.
std::vector<std::vector<Note>> Phrase(Dice& dice, const Mood& mood, int beats, const Motif& motif,
                                      const int (&chords)[4], int& degree, bool closing, int variation) {
    std::vector<std::vector<Note>> bars(4);
    size_t step = variation == 2 ? 11 : variation == 3 ? 5 : 0;
    const int sign = variation == 3 ? -1 : 1;
    const int lift = dice.Chance(0.5) ? 1 : -1;
    for (int b = 0; b < 4; ++b) {
        const bool cadence = b == 3;
        auto rhythm = cadence ? Rhythm(dice, beats, mood.density, true) : motif.rhythm[b];
        if (!cadence && variation == 1 && (b == 1 || dice.Chance(0.5))) rhythm = Ornament(rhythm);
        for (size_t i = 0; i < rhythm.size(); ++i) {
            const auto [onset, length] = rhythm[i];
            int next = degree + sign * motif.steps[step++ % motif.steps.size()] * (b == 1 ? lift : 1);
            if (next > 9 || next < -3) next = degree - (next - degree); // turn back inside the range
            const bool strong = onset == 0 || (beats == 4 && onset == 2);
            if (strong) next = NearestChordTone(next, chords[b]);
            if (cadence && i + 1 == rhythm.size()) {
                // Close on the tonic, or leave the phrase open on a tone of its chord.
                next = closing ? (degree > 3 ? 7 : 0) : NearestChordTone(next, chords[b]);
            }
            degree = next;
            bars[size_t(b)].push_back({onset, length, degree, strong ? 12 : 0});
        }
        if (!cadence && mood.density < 0.45 && dice.Chance(0.25) && bars[size_t(b)].size() > 1)
            bars[size_t(b)].pop_back(); // breathe
    }
    return bars;
}

void PlayMelody(Piece& p, Part& part, int bar, const std::vector<Note>& notes, int octave, int velocity) {
    for (const Note& n : notes) {
        const uint32_t length = uint32_t(std::lround(n.length * kTicks * 0.92));
        part.Note(p.Tick(bar, n.beat), length, p.key.Pitch(n.degree, octave),
                  velocity + n.accent + p.dice.Between(-5, 5));
    }
}

// The chord of `root` as MIDI notes near `around`.
std::vector<int> ChordNotes(const Piece& p, int root, int around) {
    std::vector<int> notes;
    for (int d : {root, root + 2, root + 4}) {
        int n = p.key.Pitch(d, -1);
        while (n < around - 6) n += 12;
        while (n > around + 6) n -= 12;
        notes.push_back(n);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

void PlayHarmony(Piece& p, int bar, int root, int velocity) {
    const auto chord = ChordNotes(p, root, p.key.tonic - 7);
    const uint32_t start = p.Tick(bar, 0), beat = kTicks;
    switch (p.accompaniment) {
    case Accompaniment::Sustained:
        for (int n : chord) p.pad.Note(start, p.barTicks - 10, n, velocity - 8);
        break;
    case Accompaniment::Arpeggio: {
        const int pattern[] = {0, 1, 2, 3, 2, 1, 0, 1};
        for (int i = 0; i < p.beats * 2; ++i) {
            const int k = pattern[i % 8];
            const int n = k == 3 ? chord[0] + 12 : chord[size_t(k)];
            p.pad.Note(start + uint32_t(i) * beat / 2, beat / 2 + beat / 4, n,
                       velocity - 6 + (i % 2 ? -6 : 0));
        }
        break;
    }
    case Accompaniment::Strum:
        for (int b = 0; b < p.beats; ++b)
            for (size_t k = 0; k < chord.size(); ++k)
                p.pad.Note(start + uint32_t(b) * beat + uint32_t(k) * 12, beat * 3 / 4, chord[k],
                           velocity - 4 + (b % 2 ? -10 : 0));
        break;
    case Accompaniment::Waltz:
        for (int b = 1; b < p.beats; ++b)
            for (int n : chord) p.pad.Note(start + uint32_t(b) * beat, beat * 2 / 3, n, velocity - 10);
        break;
    case Accompaniment::Pulse:
        for (int i = 0; i < p.beats * 2; ++i)
            for (int n : chord)
                p.pad.Note(start + uint32_t(i) * beat / 2, beat / 2 - 20, n,
                           velocity - 12 + (i % 2 ? -8 : 0));
        break;
    }
}

void PlayBass(Piece& p, int bar, int root, int nextRoot, int velocity) {
    int low = p.key.Pitch(root, -2);
    while (low > 50) low -= 12;
    while (low < 36) low += 12;
    const uint32_t start = p.Tick(bar, 0), beat = kTicks;
    if (p.beats == 3) {
        p.bass.Note(start, beat * (p.accompaniment == Accompaniment::Waltz ? 1 : 3) - 20, low, velocity);
        return;
    }
    if (p.mood.drums == Drums::Dance) {
        // A walking line that leans into the next chord.
        const int fifth = low + 7, next = p.key.Pitch(nextRoot, -2);
        int approach = next > low ? next - 1 : next + 1;
        while (approach > 55) approach -= 12;
        while (approach < 36) approach += 12;
        const int line[] = {low, low + (p.key.mode[2] - p.key.mode[0]), fifth, approach};
        for (int b = 0; b < 4; ++b)
            p.bass.Note(start + uint32_t(b) * beat, beat - 30, line[b], velocity - (b % 2) * 8);
        return;
    }
    p.bass.Note(start, beat * 2 - 20, low, velocity);
    p.bass.Note(start + 2 * beat, beat * 2 - 20, p.dice.Chance(0.5) ? low + 7 : low, velocity - 8);
}

void PlayDrums(Piece& p, int bar, bool sectionStart, bool phraseEnd, int velocity) {
    const uint32_t start = p.Tick(bar, 0), beat = kTicks, sixteenth = kTicks / 4;
    auto hit = [&](uint32_t at, int drum, int v) {
        p.drums.Note(start + at, sixteenth, drum, v + p.dice.Between(-6, 6));
    };
    switch (p.mood.drums) {
    case Drums::None:
        break;
    case Drums::March: {
        const char* snare = phraseEnd ? "x.xxx.xxxxxxxxxx" : "x.xxx.x.x.xxx.x.";
        for (int i = 0; i < 16 && i < p.beats * 4; ++i)
            if (snare[i] == 'x') hit(uint32_t(i) * sixteenth, kSnare, velocity - (i % 4 ? 25 : 5));
        for (int b = 0; b < p.beats; b += 2) hit(uint32_t(b) * beat, kBassDrum, velocity);
        break;
    }
    case Drums::Dance:
        for (int b = 0; b < p.beats; ++b) {
            hit(uint32_t(b) * beat, kBassDrum, velocity - (b % 2) * 15);
            if (b % 2) hit(uint32_t(b) * beat, kClap, velocity - 15);
            hit(uint32_t(b) * beat, kTambourine, velocity - 25);
            hit(uint32_t(b) * beat + beat / 2, kTambourine, velocity - 35);
        }
        break;
    case Drums::Hands: {
        const int pattern[8] = {kLowConga, kHighBongo, kLowBongo,  kOpenConga,
                                kLowConga, kHighBongo, kOpenConga, kLowBongo};
        for (int i = 0; i < p.beats * 2; ++i)
            hit(uint32_t(i) * beat / 2, pattern[i % 8], velocity - (i % 2 ? 25 : 8));
        break;
    }
    case Drums::Battle:
        hit(0, kBassDrum, velocity);
        hit(2 * beat, kBassDrum, velocity - 10);
        for (int b = 0; b < p.beats; ++b) hit(uint32_t(b) * beat + beat / 2, kClosedHat, velocity - 40);
        if (phraseEnd) {
            const int fill[] = {kHighTom, kHighTom, kLowTom, kFloorTom};
            for (int i = 0; i < 4; ++i) hit(3 * beat + uint32_t(i) * sixteenth, fill[i], velocity - 10);
        }
        break;
    }
    if (sectionStart && p.mood.drums != Drums::None && p.mood.drums != Drums::Hands)
        hit(0, kCrash, velocity - 10);
}

void PlayTimpani(Piece& p, int bar, int root, int velocity, bool roll) {
    int low = p.key.Pitch(root);
    while (low > 52) low -= 12; // inside the drums' range
    while (low < 41) low += 12;
    if (roll) {
        for (int i = 0; i < p.beats * 4; ++i)
            p.timpani.Note(p.Tick(bar, 0) + uint32_t(i) * kTicks / 4, kTicks / 4, low, velocity - 30 + i * 2);
        return;
    }
    p.timpani.Note(p.Tick(bar, 0), kTicks, low, velocity);
}

void Conductor(MidiTrack& track, int bpm, int beats, int trackNumber, const char* mood) {
    const uint32_t tempo = uint32_t(60000000 / bpm);
    char name[48];
    std::snprintf(name, sizeof name, "Annals %d (%s)", trackNumber, mood);
    std::vector<uint8_t> meta = {0xFF, 0x03, uint8_t(std::char_traits<char>::length(name))};
    for (const char* c = name; *c; ++c) meta.push_back(uint8_t(*c));
    track.events.push_back({0, meta});
    track.events.push_back(
        {0, {0xFF, 0x51, 0x03, uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo)}});
    track.events.push_back({0, {0xFF, 0x58, 0x04, uint8_t(beats), 2, 24, 8}});
}

// Forms of the body, one letter per pair of phrases (question and answer). A form shorter
// than the piece starts again from its second letter, every return varied.
constexpr const char* kForms[] = {"AABA", "ABAC", "ABCA", "AABC", "ABACD", "ABCBA", "AABBC", "ABCDA"};

// Level of each track 1..37 in dB, so that all of them play equally loud through a
// General MIDI soundfont: each piece's instruments and density make it louder or softer.
// Measured by rendering every track through FluidR3 GM and taking its RMS level; a
// change to a piece changes its figure.
constexpr double kTrackTrimDb[audio::kTrackCount + 1] = {
    0,   0.7,  -1.1, 0.5, 2.2,  -0.5, -0.5, 3.5, 1.2, -1.4, -2.0, -1.5, 2.0, -1.2, 2.1, 0.3,  2.0,  1.0, 0.7,
    2.4, -1.1, 1.6,  0.9, -0.9, 1.3,  1.1,  1.8, 0.6, 1.9,  -0.6, 0.4,  0.8, 0.4,  0.0, -1.4, -1.5, 0.8, 0.3};

template <size_t N> int Choose(Dice& dice, const int (&choices)[N], int avoid = -1) {
    int pick = choices[dice.Below(int(N))];
    for (size_t i = 0; pick == avoid && i < N; ++i) pick = choices[i];
    return pick;
}

} // namespace

MidiSong ComposeTrack(int number) {
    const Mood& mood = kMoods[kTrackMood[number] % kMoodCount];
    Dice dice(0xA22A15ull * 1000003ull + uint64_t(number) * 7919ull);
    const int bpm = dice.Between(mood.bpmLow, mood.bpmHigh);
    const int shift = dice.Between(-5, 6); // the key of this piece
    const Key home{mood.mode, mood.leadTonic + shift};
    Piece p{mood, home, dice, mood.beatsPerBar, uint32_t(mood.beatsPerBar * kTicks)};

    // The piece lasts about as long as the jukebox gives the track before the pause
    // that follows it, well inside the whole countdown.
    const double barSeconds = mood.beatsPerBar * 60.0 / bpm;
    const double target = audio::kTrackLength[number] * audio::kFrameSeconds;
    const int totalBars = std::max(12, int(target / barSeconds) - 2);
    const int phrases = (totalBars - 5) / 4;
    const int introBars = std::max(1, totalBars - 5 - 4 * phrases + 1);

    // Each section letter has its own chords, motif, accompaniment and key.
    struct Section {
        int chords[4];
        Motif motif;
        Accompaniment accompaniment;
        Key key;
        int octave;
    };
    Section sections[4];
    const bool modulates = dice.Chance(0.6);
    for (int i = 0; i < 4; ++i) {
        Section& s = sections[i];
        const auto& prog = mood.progressions[dice.Below(mood.progressionCount)];
        std::copy(prog, prog + 4, s.chords);
        // A chord now and then gives way to its relative (a third below shares two tones).
        for (int b = 1; b < 3; ++b)
            if (dice.Chance(0.25)) s.chords[b] = (s.chords[b] + 5) % 7;
        s.motif = MakeMotif(dice, mood, p.beats);
        s.accompaniment = mood.accompaniments[i == 3 ? dice.Below(kChoices) : i];
        // B moves to the key a fourth up, D a fourth down; A and C stay at home.
        s.key = home;
        if (modulates && i == 1) s.key.tonic += 5 - (home.tonic + 5 > 76 ? 12 : 0);
        if (modulates && i == 3) s.key.tonic -= 5;
        s.octave = i == 2 ? 1 : 0;
    }
    const char* form = kForms[dice.Below(int(std::size(kForms)))];
    const int formLength = int(std::char_traits<char>::length(form));

    const int lead = Choose(dice, mood.leads), second = Choose(dice, mood.seconds, lead);
    const int pad = Choose(dice, mood.pads, second), bassProgram = Choose(dice, mood.basses);
    const double trim = kTrackTrimDb[number];
    auto volume = [trim](int v) { return int(std::lround(v * std::pow(10.0, trim / 40))); };
    p.lead.Setup("Melody", lead, volume(100), 64 + dice.Between(-12, 12), 50);
    p.second.Setup("Second voice", second, volume(84), 40, 60);
    p.pad.Setup("Harmony", pad, volume(76), 88, 70);
    p.bass.Setup("Bass", bassProgram, volume(92), 64, 40);
    if (mood.timpani) p.timpani.Setup("Timpani", kTimpani, volume(90), 70, 50);
    if (mood.drums != Drums::None) p.drums.Setup("Drums", 0, volume(88), 64, 40);

    int bar = 0, velocity = 72;
    // Introduction, one of three: harmony and bass swelling on the first chords; the bass
    // alone before the harmony joins; or the second voice calling the motif's first bar
    // over a held chord.
    const int intro = dice.Below(3);
    p.accompaniment = sections[0].accompaniment;
    for (int b = 0; b < introBars; ++b, ++bar) {
        const int root = sections[0].chords[b % 4];
        const bool last = b + 1 == introBars;
        if (intro != 1 || b * 2 >= introBars) PlayHarmony(p, bar, root, 60 + 4 * b);
        if (intro == 2 && b == 0) {
            int d = 4;
            std::vector<Note> call;
            for (const auto& [onset, length] : sections[0].motif.rhythm[0])
                call.push_back({onset, length, d = NearestChordTone(d + (call.size() % 2 ? -1 : 1), 0), 6});
            PlayMelody(p, p.second, bar, call, 0, 70);
        }
        PlayBass(p, bar, root, sections[0].chords[(b + 1) % 4], 64 + 4 * b);
        if (mood.timpani && last) PlayTimpani(p, bar, 0, 80, true);
        if (last) PlayDrums(p, bar, false, true, 70);
    }

    // Body: phrases in pairs (question, answer) on the track's form.
    int degree = 4, occurrence[4] = {0, 0, 0, 0};
    for (int ph = 0; ph < phrases; ++ph, bar += 4) {
        const int pair = ph / 2;
        const int at = pair < formLength ? pair : 1 + (pair - 1) % (formLength - 1);
        const int letter = form[at] - 'A';
        const bool answer = ph % 2 == 1;
        Section& s = sections[letter];
        p.key = s.key;
        p.accompaniment = s.accompaniment;
        int chords[4];
        std::copy(s.chords, s.chords + 4, chords);
        if (answer) chords[2] = dice.Chance(0.3) ? 3 : 4, chords[3] = 0; // a plagal or an authentic close
        if (!answer && ph + 1 == phrases) chords[2] = 4, chords[3] = 0;
        const bool closing = answer || ph + 1 == phrases;
        if (!answer) ++occurrence[letter];
        velocity = std::clamp(72 +
                                  (letter == 1   ? 10
                                   : letter == 2 ? -6
                                   : letter == 3 ? 4
                                                 : 0) +
                                  dice.Between(-4, 4),
                              50, 100);
        // The first hearing of a section plays it plainly; its answer and every return vary it.
        const int variation = ((occurrence[letter] - 1) * 2 + (answer ? 1 : 0) + letter) % 4;
        const auto melody = Phrase(dice, mood, p.beats, s.motif, chords, degree, closing,
                                   occurrence[letter] == 1 && !answer ? 0 : std::max(1, variation));
        // Repeats change the colour: the second voice takes the tune, an octave moves.
        const bool secondLeads = occurrence[letter] % 2 == 0;
        Part& voice = secondLeads ? p.second : p.lead;
        const int octave = s.octave;
        const bool lowSecond = second == kCello || second == kBassoon || second == kTrombone;
        for (int b = 0; b < 4; ++b) {
            const int barAt = bar + b;
            PlayMelody(p, voice, barAt, melody[size_t(b)], octave - (secondLeads && lowSecond ? 1 : 0),
                       velocity + 8);
            // The other voice answers in thirds or sixths below the tune's strong notes.
            if (letter != 0 || answer) {
                Part& other = secondLeads ? p.lead : p.second;
                const int below = letter % 2 ? 5 : 2;
                for (const Note& n : melody[size_t(b)]) {
                    if (n.accent == 0) continue;
                    const double left = n.beat == 0 && p.beats == 4 ? 2 : p.beats - n.beat;
                    other.Note(
                        p.Tick(barAt, n.beat), uint32_t(left * kTicks) - 40,
                        p.key.Pitch(n.degree - below, octave - 1 - (lowSecond && !secondLeads ? 1 : 0)),
                        velocity - 14);
                }
            }
            PlayHarmony(p, barAt, chords[b], velocity);
            PlayBass(p, barAt, chords[b], chords[(b + 1) % 4], velocity + 4);
            PlayDrums(p, barAt, b == 0 && !answer, b == 3, velocity + 6);
            if (mood.timpani && (b == 0 || b == 3))
                PlayTimpani(p, barAt, chords[b], velocity, answer && b == 3);
        }
    }

    // Ending, at home and slowing down: subdominant, dominant, then the tonic held by
    // everyone while it fades away, so that the piece closes rather than stops.
    p.key = home;
    p.accompaniment = Accompaniment::Sustained;
    const int endingStart = bar;
    const int ending[2] = {3, 4};
    for (int b = 0; b < 2; ++b, ++bar) {
        PlayHarmony(p, bar, ending[b], 70 - 6 * b);
        PlayBass(p, bar, ending[b], 0, 72);
        p.lead.Note(p.Tick(bar, 0), p.barTicks - 30, p.key.Pitch(b == 0 ? 3 : 1), 72 - 6 * b);
    }
    const uint32_t finalLength = p.barTicks * 3;
    const uint32_t last = p.Tick(bar, 0);
    for (int n : ChordNotes(p, 0, p.key.tonic - 7)) p.pad.Note(last, finalLength, n, 70);
    p.lead.Note(last, finalLength, p.key.Pitch(0), 76);
    p.second.Note(last, finalLength, p.key.Pitch(4, -1), 64);
    p.bass.Note(last, finalLength, p.key.Pitch(0, -2) > 50 ? p.key.Pitch(0, -3) : p.key.Pitch(0, -2), 76);
    if (mood.timpani) p.timpani.Note(last, kTicks, std::clamp(p.key.Pitch(0, -2), 41, 52), 84);
    if (mood.drums != Drums::None) p.drums.Note(last, kTicks, kCrash, 80);
    // The fade: every voice's expression falls from full to silence over the held chord.
    const uint32_t fadeStart = last + p.barTicks / 2, fadeEnd = last + finalLength;
    for (uint32_t t = fadeStart; t <= fadeEnd; t += kTicks / 4) {
        const double f = double(t - fadeStart) / double(fadeEnd - fadeStart);
        const uint8_t level = uint8_t(std::lround(127 * (1 - f)));
        for (Part* part : {&p.lead, &p.second, &p.pad, &p.bass, &p.timpani})
            if (!part->track.events.empty()) part->Add(t, {uint8_t(0xB0 | part->channel), 11, level});
    }
    const uint32_t end = fadeEnd + kTicks; // silence for the reverb to settle

    MidiSong song;
    song.ticksPerQuarter = kTicks;
    song.tracks.emplace_back();
    MidiTrack& conductor = song.tracks.back();
    Conductor(conductor, bpm, p.beats, number, mood.name);
    // Ritardando: the tempo eases by a step every beat from the ending on, down to 70 %.
    const int endingBeats = 2 * p.beats + p.beats;
    for (int i = 1; i <= endingBeats; ++i) {
        const double slower = bpm * (1 - 0.3 * std::min(1.0, double(i) / (endingBeats - 1)));
        const uint32_t tempo = uint32_t(60000000 / slower);
        conductor.events.push_back(
            {p.Tick(endingStart, 0) + uint32_t(i) * kTicks,
             {0xFF, 0x51, 0x03, uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo)}});
    }
    conductor.events.push_back({end, {0xFF, 0x2F, 0x00}});
    for (Part* part : {&p.lead, &p.second, &p.pad, &p.bass, &p.timpani, &p.drums}) {
        if (part->track.events.empty()) continue;
        part->track.events.push_back({end, {0xFF, 0x2F, 0x00}});
        song.tracks.push_back(std::move(part->track));
    }
    return song;
}

bool WriteMusic(const std::string& musicDir, std::string& error) {
    for (int t = 1; t <= audio::kTrackCount; ++t) {
        const assetfiles::Bytes data = assetfiles::EncodeMidi(ComposeTrack(t));
        const assetfiles::MidiSummary summary = assetfiles::ReadMidi(data);
        if (!summary.ok || summary.seconds > audio::TrackCountdownSeconds(t)) {
            char text[128];
            std::snprintf(text, sizeof text, "track %d: %s (%.1f s of %.1f s)", t,
                          summary.ok ? "too long" : summary.error.c_str(), summary.seconds,
                          audio::TrackCountdownSeconds(t));
            error = text;
            return false;
        }
        const std::string path = musicDir + "/Music" + std::to_string(t) + ".mid";
        if (!assetfiles::WriteFile(path, data)) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace annals::music
