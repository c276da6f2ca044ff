#include "SoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vx7::assetgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Hz(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Deterministic noise, so every build makes the same files.
class Noise {
  public:
    float Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<int32_t>(state_)) / 2147483648.0f;
    }

  private:
    uint32_t state_ = 0x1234567u;
};

// Adds `voice(t)` for `duration` seconds from `start`; samples beyond the end wrap to the
// beginning when `wrap` is set and are dropped otherwise.
template <typename Voice>
void Add(std::vector<float>& out, double start, double duration, bool wrap, Voice voice) {
    const auto first = static_cast<int64_t>(std::llround(start * kSoundRate));
    const auto count = static_cast<int64_t>(std::llround(duration * kSoundRate));
    const auto size = static_cast<int64_t>(out.size());
    for (int64_t i = 0; i < count; ++i) {
        int64_t at = first + i;
        if (at >= size) {
            if (!wrap)
                break;
            at %= size;
        }
        out[static_cast<size_t>(at)] += static_cast<float>(voice(static_cast<double>(i) / kSoundRate));
    }
}

// Scales the sound so its loudest sample reaches `peak`.
void Normalise(std::vector<float>& s, float peak) {
    float max = 0.0f;
    for (float v : s)
        max = std::max(max, std::abs(v));
    if (max <= 0.0f)
        return;
    for (float& v : s)
        v *= peak / max;
}

// A soft bell: a few decaying partials and a quick attack.
double Bell(double t, double freq, double decay) {
    const double attack = std::min(1.0, t / 0.004);
    const double env = attack * std::exp(-t / decay);
    return env * (std::sin(kTwoPi * freq * t) +
                  0.35 * std::exp(-t / (decay * 0.5)) * std::sin(kTwoPi * 2 * freq * t) +
                  0.12 * std::exp(-t / (decay * 0.3)) * std::sin(kTwoPi * 3 * freq * t));
}

// One mechanical clack: a burst of bright noise over a short low knock.
void Clack(std::vector<float>& out, double start, double brightness, Noise& noise) {
    double low = 0.0;
    Add(out, start, 0.06, false, [&](double t) {
        const double n = noise.Next();
        low += (n - low) * 0.25; // one-pole low-pass: the darker body of the noise
        const double high = n - low;
        const double env = std::exp(-t / 0.011);
        const double knock = std::exp(-t / 0.014) * std::sin(kTwoPi * 190.0 * t);
        return env * (1.4 * brightness * high + 0.5 * low) + 0.4 * knock;
    });
}

} // namespace

std::vector<float> ClickSound() {
    std::vector<float> s(static_cast<size_t>(kSoundRate * 0.05), 0.0f);
    Noise noise;
    Add(s, 0.0, 0.05, false, [&](double t) {
        const double env = std::exp(-t / 0.004);
        return env * (0.6 * std::sin(kTwoPi * 2200.0 * t) + 0.4 * noise.Next()) +
               0.5 * std::exp(-t / 0.01) * std::sin(kTwoPi * 600.0 * t);
    });
    Normalise(s, 0.7f);
    return s;
}

std::vector<float> StartupJingle() {
    const double length = 1.6;
    std::vector<float> s(static_cast<size_t>(kSoundRate * length), 0.0f);
    // C major arpeggio rising an octave, then the chord rings together.
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        const double start = 0.11 * i;
        const double freq = Hz(notes[i]);
        Add(s, start, length - start, false,
            [&](double t) { return 0.5 * Bell(t, freq, i == 3 ? 0.45 : 0.3); });
    }
    for (int note : {60, 67}) {
        const double freq = Hz(note);
        Add(s, 0.44, length - 0.44, false, [&](double t) {
            const double env = std::min(1.0, t / 0.03) * std::exp(-t / 0.5);
            return 0.22 * env * std::sin(kTwoPi * freq * t);
        });
    }
    // Fade the last 0.1 s so the sound ends in silence.
    const size_t fade = static_cast<size_t>(kSoundRate * 0.1);
    for (size_t i = 0; i < fade; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    Normalise(s, 0.8f);
    return s;
}

std::vector<float> ShutterSound() {
    std::vector<float> s(static_cast<size_t>(kSoundRate * 0.3), 0.0f);
    Noise noise;
    Clack(s, 0.005, 1.0, noise);
    Clack(s, 0.115, 0.8, noise);
    // A faint spring rattle between the clacks.
    Add(s, 0.03, 0.08, false, [&](double t) { return 0.05 * std::exp(-t / 0.03) * noise.Next(); });
    Normalise(s, 0.85f);
    return s;
}

std::vector<float> MusicLoop() {
    // Four bars at 96 beats a minute: C - Am - F - G, 10 seconds in all.
    const double beat = 60.0 / 96.0;
    const double bar = 4 * beat;
    const int bars = 4;
    std::vector<float> s(static_cast<size_t>(std::llround(bars * bar * kSoundRate)), 0.0f);
    struct Chord {
        int root;
        int tones[3];
    };
    const Chord chords[bars] = {
        {48, {60, 64, 67}}, {45, {57, 60, 64}}, {41, {57, 60, 65}}, {43, {59, 62, 67}}};
    for (int b = 0; b < bars; ++b) {
        const double start = b * bar;
        const Chord& c = chords[b];
        // Pad: detuned soft tones swelling over the bar.
        for (int tone : c.tones) {
            const double f = Hz(tone);
            Add(s, start, bar + 1.0, true, [&](double t) {
                const double env = std::min(1.0, t / 0.4) * (t < bar ? 1.0 : std::exp(-(t - bar) / 0.3));
                return 0.06 * env *
                       (std::sin(kTwoPi * f * t) + 0.6 * std::sin(kTwoPi * f * 1.003 * t) +
                        0.2 * std::sin(kTwoPi * 2 * f * t));
            });
        }
        // Bass on beats one and three.
        for (int k : {0, 2}) {
            const double f = Hz(c.root);
            Add(s, start + k * beat, 2 * beat, true, [&](double t) {
                const double env = std::min(1.0, t / 0.01) * std::exp(-t / 0.6);
                return 0.28 * env * (std::sin(kTwoPi * f * t) + 0.25 * std::sin(kTwoPi * 2 * f * t));
            });
        }
        // Arpeggio in eighth notes, an octave up, with a little melody turn each bar.
        const int pattern[8] = {0, 1, 2, 1, 0, 2, 1, 2};
        for (int e = 0; e < 8; ++e) {
            const int note = c.tones[pattern[e]] + 12;
            const double f = Hz(note);
            const double accent = (e % 2 == 0) ? 1.0 : 0.75;
            Add(s, start + e * beat / 2, 1.2, true,
                [&](double t) { return 0.16 * accent * Bell(t, f, 0.25); });
        }
    }
    // Brushed off-beat shaker for movement.
    Noise noise;
    for (int i = 0; i < bars * 4; ++i) {
        Add(s, i * beat + beat / 2, 0.08, true,
            [&](double t) { return 0.05 * std::exp(-t / 0.02) * noise.Next(); });
    }
    Normalise(s, 0.75f);
    return s;
}

} // namespace vx7::assetgen
