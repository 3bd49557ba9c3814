// A small synthesiser for the sound effects: oscillators, noise, envelopes, filters and
// a mixer, all working on mono buffers at one sample rate. Everything is
// deterministic: noise comes from a seeded generator of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace annals::sound {

inline constexpr int kSampleRate = 44100;

using Wave = std::vector<double>;
using Curve = std::function<double(double t)>; // a value over time in seconds

class Noise {
public:
    explicit Noise(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    double Uniform(); // [0, 1)
    double Signed() { return Uniform() * 2 - 1; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    uint64_t state_;
};

enum class Shape { Sine, Triangle, Saw, Square };

size_t Samples(double seconds);
Curve Constant(double v);
// Straight line from a to b over `seconds`, then b.
Curve Glide(double a, double b, double seconds);
// Exponential glide from a to b (both positive) over `seconds`, then b.
Curve ExpGlide(double a, double b, double seconds);

// A tone whose frequency follows `freq`. Saw and square are built from harmonics below
// the Nyquist limit, so high notes do not alias.
Wave Tone(double seconds, const Curve& freq, Shape shape = Shape::Sine);
// Harmonic series on `freq`; amp(n, t) is the level of harmonic n at time t.
Wave Harmonics(double seconds, const Curve& freq, int count, const std::function<double(int, double)>& amp);
Wave WhiteNoise(double seconds, Noise& noise);
// A struck metal body: inharmonic partials, each with its own decay time.
struct Partial {
    double ratio, level, decay;
};
Wave Ring(double seconds, double base, std::initializer_list<Partial> partials);

// Envelopes
void Envelope(Wave& w, const Curve& gain);
Curve Percussive(double attack, double decay); // quick rise, exponential fall
Curve Adsr(double attack, double decay, double sustain, double release, double length);
Curve Swell(double rise, double hold, double fall); // smooth hump

// Filters with time-varying cut-off; q = 0.707 is flat.
void LowPass(Wave& w, const Curve& cutoff, double q = 0.707);
void HighPass(Wave& w, const Curve& cutoff, double q = 0.707);
void BandPass(Wave& w, const Curve& centre, double q);

void Drive(Wave& w, double amount); // soft saturation
void Mix(Wave& into, const Wave& part, double at, double gain = 1);

// Brings the wave to the given RMS level (whole length, 1.0 = full scale) while keeping
// every sample below `ceiling`: where the level would push peaks past it, a soft limiter
// rounds them off instead, as a mixing engineer's limiter would.
void Level(Wave& w, double rms, double ceiling);
double Rms(const Wave& w);

// Normalised to the given peak, with short fades against clicks.
std::vector<int16_t> ToPcm(const Wave& w, double peak = 0.85);

} // namespace annals::sound
