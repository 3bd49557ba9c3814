#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace annals::sound {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kDt = 1.0 / kSampleRate;
} // namespace

double Noise::Uniform() {
    // xorshift64*
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return double((state_ * 0x2545F4914F6CDD1Dull) >> 11) / double(1ull << 53);
}

size_t Samples(double seconds) {
    return size_t(std::max(0.0, seconds) * kSampleRate + 0.5);
}

Curve Constant(double v) {
    return [v](double) { return v; };
}

Curve Glide(double a, double b, double seconds) {
    return [=](double t) { return t >= seconds ? b : a + (b - a) * t / seconds; };
}

Curve ExpGlide(double a, double b, double seconds) {
    return [=](double t) { return t >= seconds ? b : a * std::pow(b / a, t / seconds); };
}

Wave Tone(double seconds, const Curve& freq, Shape shape) {
    if (shape == Shape::Saw || shape == Shape::Square) {
        const bool odd = shape == Shape::Square;
        return Harmonics(seconds, freq, 40,
                         [odd](int n, double) { return odd && n % 2 == 0 ? 0.0 : 1.0 / n; });
    }
    Wave w(Samples(seconds));
    double phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double p = phase - std::floor(phase);
        w[i] = shape == Shape::Sine ? std::sin(kTwoPi * p) : 1 - 4 * std::abs(p - 0.5);
        phase += freq(double(i) * kDt) * kDt;
    }
    return w;
}

Wave Harmonics(double seconds, const Curve& freq, int count, const std::function<double(int, double)>& amp) {
    Wave w(Samples(seconds));
    double phase = 0;
    std::vector<double> levels(size_t(count) + 1);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) * kDt, f = freq(t);
        if (i % 64 == 0)
            for (int n = 1; n <= count; ++n) levels[size_t(n)] = n * f < kSampleRate * 0.45 ? amp(n, t) : 0.0;
        // sin(n x) by the recurrence sin((n+1)x) = 2 cos(x) sin(nx) - sin((n-1)x).
        const double x = kTwoPi * phase, twoCos = 2 * std::cos(x);
        double s = 0, previous = 0, current = std::sin(x);
        for (int n = 1; n <= count; ++n) {
            s += levels[size_t(n)] * current;
            const double next = twoCos * current - previous;
            previous = current;
            current = next;
        }
        w[i] = s;
        phase += f * kDt;
        phase -= std::floor(phase);
    }
    return w;
}

Wave WhiteNoise(double seconds, Noise& noise) {
    Wave w(Samples(seconds));
    for (double& s : w) s = noise.Signed();
    return w;
}

Wave Ring(double seconds, double base, std::initializer_list<Partial> partials) {
    Wave w(Samples(seconds));
    for (const Partial& p : partials) {
        const double f = base * p.ratio;
        if (f >= kSampleRate * 0.45) continue;
        for (size_t i = 0; i < w.size(); ++i) {
            const double t = double(i) * kDt;
            w[i] += p.level * std::exp(-t / p.decay) * std::sin(kTwoPi * f * t);
        }
    }
    return w;
}

void Envelope(Wave& w, const Curve& gain) {
    for (size_t i = 0; i < w.size(); ++i) w[i] *= gain(double(i) * kDt);
}

Curve Percussive(double attack, double decay) {
    return [=](double t) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); };
}

Curve Adsr(double attack, double decay, double sustain, double release, double length) {
    return [=](double t) {
        double v;
        if (t < attack)
            v = t / attack;
        else if (t < attack + decay)
            v = 1 - (1 - sustain) * (t - attack) / decay;
        else
            v = sustain;
        if (t > length - release) v *= std::max(0.0, (length - t) / release);
        return v;
    };
}

Curve Swell(double rise, double hold, double fall) {
    return [=](double t) {
        if (t < rise) return 0.5 - 0.5 * std::cos(std::numbers::pi * t / rise);
        if (t < rise + hold) return 1.0;
        if (t < rise + hold + fall) return 0.5 + 0.5 * std::cos(std::numbers::pi * (t - rise - hold) / fall);
        return 0.0;
    };
}

namespace {

enum class Pass { Low, High, Band };

// Biquad (the usual audio-cookbook forms), coefficients refreshed every 16 samples.
void Biquad(Wave& w, const Curve& freq, double q, Pass pass) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        if (i % 16 == 0) {
            const double f = std::clamp(freq(double(i) * kDt), 10.0, kSampleRate * 0.45);
            const double omega = kTwoPi * f / kSampleRate, cs = std::cos(omega);
            const double alpha = std::sin(omega) / (2 * q), a0 = 1 + alpha;
            switch (pass) {
            case Pass::Low:
                b0 = (1 - cs) / 2, b1 = 1 - cs, b2 = (1 - cs) / 2;
                break;
            case Pass::High:
                b0 = (1 + cs) / 2, b1 = -(1 + cs), b2 = (1 + cs) / 2;
                break;
            case Pass::Band:
                b0 = alpha, b1 = 0, b2 = -alpha;
                break;
            }
            b0 /= a0, b1 /= a0, b2 /= a0;
            a1 = -2 * cs / a0, a2 = (1 - alpha) / a0;
        }
        const double x = w[i];
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        w[i] = y;
    }
}

} // namespace

void LowPass(Wave& w, const Curve& cutoff, double q) {
    Biquad(w, cutoff, q, Pass::Low);
}
void HighPass(Wave& w, const Curve& cutoff, double q) {
    Biquad(w, cutoff, q, Pass::High);
}
void BandPass(Wave& w, const Curve& centre, double q) {
    Biquad(w, centre, q, Pass::Band);
}

void Drive(Wave& w, double amount) {
    for (double& s : w) s = std::tanh(amount * s) / std::tanh(amount);
}

void Mix(Wave& into, const Wave& part, double at, double gain) {
    const size_t start = Samples(at);
    if (into.size() < start + part.size()) into.resize(start + part.size(), 0.0);
    for (size_t i = 0; i < part.size(); ++i) into[start + i] += gain * part[i];
}

double Rms(const Wave& w) {
    double sum = 0;
    for (double s : w) sum += s * s;
    return w.empty() ? 0 : std::sqrt(sum / double(w.size()));
}

void Level(Wave& w, double rms, double ceiling) {
    // A look-ahead limiter: the gain each sample needs to stay under the ceiling, held
    // over a few milliseconds round it, eased down over 2 ms before a peak and back up over
    // 60 ms after it. Gain that moves this slowly turns the peaks down without bending the
    // wave, as a waveshaper would.
    const size_t n = w.size(), hold = Samples(0.003);
    const double attack = 1.0 / double(Samples(0.002)), release = 1.0 / double(Samples(0.06));
    auto limit = [&] {
        std::vector<double> need(n, 1.0), gain(n, 1.0);
        for (size_t i = 0; i < n; ++i)
            if (std::abs(w[i]) > ceiling) need[i] = ceiling / std::abs(w[i]);
        for (size_t i = 0; i < n; ++i)
            if (need[i] < 1)
                for (size_t k = i > hold ? i - hold : 0; k <= std::min(n - 1, i + hold); ++k)
                    gain[k] = std::min(gain[k], need[i]);
        for (size_t i = 1; i < n; ++i) gain[i] = std::min(gain[i], gain[i - 1] + (1 - gain[i - 1]) * release);
        for (size_t i = n - 1; i-- > 0;)
            gain[i] = std::min(gain[i], gain[i + 1] + (1 - gain[i + 1]) * attack);
        for (size_t i = 0; i < n; ++i) w[i] *= gain[i];
    };
    // Gain, limit, and again: each round loses a little level to the limiter, and the
    // next gain wins it back. The last pass is the limiter's, so no peak passes it.
    for (int round = 0; round < 10; ++round) {
        const double now = Rms(w);
        if (now <= 0) return;
        for (double& s : w) s *= rms / now;
        limit();
    }
}

std::vector<int16_t> ToPcm(const Wave& w, double peak) {
    double top = 0;
    for (double s : w) top = std::max(top, std::abs(s));
    const double scale = top > 0 ? peak / top : 0;
    const size_t fadeIn = std::min(w.size(), Samples(0.001)), fadeOut = std::min(w.size(), Samples(0.008));
    std::vector<int16_t> out(w.size());
    for (size_t i = 0; i < w.size(); ++i) {
        double g = scale;
        if (i < fadeIn) g *= double(i) / double(fadeIn);
        if (w.size() - i <= fadeOut) g *= double(w.size() - i - 1) / double(fadeOut);
        out[i] = int16_t(std::lround(std::clamp(w[i] * g, -1.0, 1.0) * 32767));
    }
    return out;
}

} // namespace annals::sound
