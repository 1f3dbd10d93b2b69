// soundgen: synthesises the game's four sound cues into a folder at build time.
//
//   soundgen <outdir>
//
// writes insertcoin.au (Sun AU), bleep1.mp3 (MPEG layer III), pull1.wav and
// payoff.wav (RIFF wave), all mono at 44100 Hz. Every cue is built from damped
// sine partials and filtered noise bursts; the noise comes from a fixed-seed
// generator of our own, so two runs write the same files on any platform.
// Each cue starts with a few milliseconds of silence and a short fade-in,
// ends with a fade-out, and is normalised to a peak of -1 dBFS.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// -1 dBFS: loud, with headroom for the MP3 encoder's ringing.
const double kPeakTarget = std::pow(10.0, -1.0 / 20.0);

constexpr double kLeadSilence = 0.003; // seconds of digital silence before the onset
constexpr double kFadeIn = 0.0015;     // raised-cosine fade at the onset
constexpr double kMaxPartial = 18000.0; // partials above this would alias or go unheard

using Samples = std::vector<float>;

std::size_t toFrames(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

Samples makeBuffer(double seconds)
{
    return Samples(toFrames(seconds), 0.0F);
}

// SplitMix64: a tiny, well-mixed generator whose sequence is fixed by its seed
// (the standard distributions are not portable between library vendors).
double nextNoise(std::uint64_t &state)
{
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // Top 53 bits to [0, 1), then to [-1, 1).
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0) * 2.0 - 1.0;
}

// A value in [centre * (1 - spread), centre * (1 + spread)], for small
// per-event variations that keep repeated clicks from sounding identical.
double jitter(std::uint64_t &state, double centre, double spread)
{
    return centre * (1.0 + spread * nextNoise(state));
}

// Adds amp * exp(-t / decay) * sin(2 pi f t), starting at `start` seconds and
// stopping once the envelope has died away (below -100 dB). Partials too close
// to the Nyquist frequency are left out rather than folded back as aliases.
void addPartial(Samples &out, double start, double freq, double amp, double decay)
{
    if (freq > kMaxPartial)
        return;
    const std::size_t first = toFrames(start);
    const std::size_t length = toFrames(decay * std::log(1e5));
    const std::size_t last = std::min(out.size(), first + length);
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        out[i] += static_cast<float>(amp * std::exp(-t / decay) * std::sin(kTwoPi * freq * t));
    }
}

// Adds a sine whose frequency glides exponentially from `freqStart` towards
// `freqEnd` (time constant `glide`) under an exponential decay: the falling
// pitch of a heavy body hitting a stop.
void addGlidingPartial(Samples &out, double start, double freqStart, double freqEnd, double glide,
                       double amp, double decay)
{
    const std::size_t first = toFrames(start);
    const std::size_t last = std::min(out.size(), first + toFrames(decay * std::log(1e5)));
    double phase = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double freq = freqEnd + (freqStart - freqEnd) * std::exp(-t / glide);
        out[i] += static_cast<float>(amp * std::exp(-t / decay) * std::sin(phase));
        phase += kTwoPi * freq / kSampleRate;
    }
}

// Band-pass filters a buffer in place (second-order, constant 0 dB peak gain).
void bandPass(Samples &buf, double centre, double q)
{
    const double w0 = kTwoPi * centre / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2.0 * std::cos(w0) / a0;
    const double a2 = (1.0 - alpha) / a0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    for (float &sample : buf) {
        const double x0 = sample;
        const double y0 = b0 * x0 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x0;
        y2 = y1;
        y1 = y0;
        sample = static_cast<float>(y0);
    }
}

// Adds a burst of band-passed noise with an instant attack and exponential
// decay: the broadband "tick" of two hard parts meeting.
void addNoiseBurst(Samples &out, double start, double amp, double decay, double centre, double q,
                   std::uint64_t &noise)
{
    Samples burst = makeBuffer(decay * std::log(1e4));
    for (std::size_t i = 0; i < burst.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        burst[i] = static_cast<float>(nextNoise(noise) * std::exp(-t / decay));
    }
    bandPass(burst, centre, q);
    const std::size_t first = toFrames(start);
    for (std::size_t i = 0; i < burst.size() && first + i < out.size(); ++i)
        out[first + i] += static_cast<float>(amp * burst[i]);
}

// One strike of a coin: a short bright noise tick and the inharmonic modes of
// a small metal disc, the higher ones dying away faster. `brightness` scales
// the upper modes, since a glancing bounce excites them less than the drop.
void addCoinStrike(Samples &out, double start, double amp, double brightness, double damping,
                   std::uint64_t &noise)
{
    struct Mode {
        double freq, amp, decay;
    };
    static constexpr Mode kModes[] = {
        {2380.0, 1.00, 0.200}, {4130.0, 0.70, 0.140}, {5570.0, 0.55, 0.100},
        {7920.0, 0.40, 0.060}, {9710.0, 0.28, 0.040}, {12300.0, 0.18, 0.025},
    };
    bool upper = false;
    for (const Mode &mode : kModes) {
        addPartial(out, start, jitter(noise, mode.freq, 0.004), amp * mode.amp * (upper ? brightness : 1.0),
                   mode.decay * damping);
        upper = true;
    }
    addNoiseBurst(out, start, amp * 1.6, 0.0015, 7000.0, 0.8, noise);
}

Samples synthCoin()
{
    std::uint64_t noise = 0xC014C014ULL;
    Samples out = makeBuffer(0.78);
    // The drop, then bounces that come closer together and weaker, each one
    // damped a little more as the coin settles into the slot.
    addCoinStrike(out, 0.000, 1.00, 1.00, 1.00, noise);
    addCoinStrike(out, 0.150, 0.55, 0.80, 0.80, noise);
    addCoinStrike(out, 0.245, 0.32, 0.65, 0.60, noise);
    addCoinStrike(out, 0.305, 0.16, 0.50, 0.45, noise);
    // The coin lands in the tray: a dull knock under the last ring.
    addPartial(out, 0.340, 310.0, 0.20, 0.030);
    addNoiseBurst(out, 0.340, 0.35, 0.004, 900.0, 1.2, noise);
    return out;
}

// A band-limited square wave (odd harmonics up to ~10 kHz, 1/n amplitudes)
// with a quick attack and release: a plain electronic bleep.
Samples synthBleep()
{
    constexpr double kLength = 0.110;
    constexpr double kFreq = 1250.0;
    constexpr double kAttack = 0.004;
    constexpr double kRelease = 0.030;
    Samples out = makeBuffer(kLength);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double env = 1.0;
        if (t < kAttack)
            env = t / kAttack;
        else if (t > kLength - kRelease)
            env = std::max(0.0, (kLength - t) / kRelease);
        double wave = 0.0;
        for (int n = 1; n * kFreq < 10000.0; n += 2)
            wave += std::sin(kTwoPi * n * kFreq * t) / n;
        out[i] = static_cast<float>(env * wave);
    }
    return out;
}

// One click of the pawl dropping over a gear tooth: a sharp metallic tick and
// a little body resonance from the housing.
void addRatchetClick(Samples &out, double start, double amp, std::uint64_t &noise)
{
    addNoiseBurst(out, start, amp * 1.2, 0.0020, jitter(noise, 3300.0, 0.05), 3.0, noise);
    addPartial(out, start, jitter(noise, 2750.0, 0.03), amp * 0.45, 0.006);
    addPartial(out, start, jitter(noise, 5350.0, 0.03), amp * 0.25, 0.003);
    addPartial(out, start, jitter(noise, 430.0, 0.02), amp * 0.20, 0.015);
}

// The lever: a knock as it leaves its rest, a ratchet whose clicks slow down
// and soften as the arm travels, and a heavy clunk when it hits its stop.
Samples synthPull()
{
    std::uint64_t noise = 0x9011AB1EULL;
    Samples out = makeBuffer(1.30);

    // Leaving the rest position.
    addPartial(out, 0.000, 190.0, 0.30, 0.025);
    addNoiseBurst(out, 0.000, 0.30, 0.003, 1200.0, 1.0, noise);

    // The ratchet: each gap grows by a constant factor, the clicks fade a little.
    constexpr int kClicks = 12;
    double when = 0.045;
    double gap = 0.030;
    for (int click = 0; click < kClicks; ++click) {
        const double amp = 0.75 - 0.25 * click / (kClicks - 1);
        addRatchetClick(out, when, jitter(noise, amp, 0.08), noise);
        when += gap;
        gap *= 1.11;
    }

    // Friction of the arm in its bearing while it travels: faint, low noise.
    Samples rub = makeBuffer(when);
    for (std::size_t i = 0; i < rub.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        rub[i] = static_cast<float>(nextNoise(noise) * std::sin(std::numbers::pi * t / when));
    }
    bandPass(rub, 700.0, 1.5);
    for (std::size_t i = 0; i < rub.size(); ++i)
        out[i] += 0.05F * rub[i];

    // The stop: a falling low thud, a wooden-ish knock and a short metal ring.
    const double clunk = when + 0.02;
    addGlidingPartial(out, clunk, 150.0, 78.0, 0.040, 1.00, 0.110);
    addPartial(out, clunk, 330.0, 0.45, 0.045);
    addPartial(out, clunk, 1870.0, 0.12, 0.070);
    addPartial(out, clunk, 2960.0, 0.06, 0.040);
    addNoiseBurst(out, clunk, 0.90, 0.006, 1400.0, 0.9, noise);
    return out;
}

// A struck bar tuned to `freq`: fundamental plus the bar's inharmonic upper
// modes (2.76 and 5.40 times), which give the glockenspiel-like shimmer.
void addChime(Samples &out, double start, double freq, double amp, double decay, std::uint64_t &noise)
{
    addPartial(out, start, freq, amp, decay);
    addPartial(out, start, freq * 2.756, amp * 0.30, decay * 0.25);
    addPartial(out, start, freq * 5.404, amp * 0.10, decay * 0.10);
    addNoiseBurst(out, start, amp * 0.25, 0.0008, freq * 3.0, 1.0, noise);
}

// A rising C major arpeggio up two octaves, then the whole chord rung
// together: the jingle of a win.
Samples synthPayoff()
{
    std::uint64_t noise = 0x9A40FFULL;
    Samples out = makeBuffer(1.40);
    static constexpr double kArpeggio[] = {1046.50, 1318.51, 1567.98, 2093.00, 2637.02, 3135.96};
    double when = 0.0;
    for (double freq : kArpeggio) {
        addChime(out, when, freq, 0.55, 0.18, noise);
        when += 0.075;
    }
    const double chord = when + 0.05;
    static constexpr double kChord[] = {1046.50, 1318.51, 1567.98, 2093.00};
    for (double freq : kChord)
        addChime(out, chord, freq, 0.45, 0.30, noise);
    addChime(out, chord + 0.09, 4186.01, 0.25, 0.25, noise);
    return out;
}

// Puts a cue into its final shape: silence before the onset, a fade-in over
// the onset and a fade-out of `fadeOutSeconds` over the tail (so no cue starts
// or ends with a click), then a gain that brings the peak to -1 dBFS.
Samples finish(const Samples &sound, double fadeOutSeconds)
{
    Samples out(toFrames(kLeadSilence), 0.0F);
    out.insert(out.end(), sound.begin(), sound.end());
    const std::size_t onset = toFrames(kLeadSilence);
    const std::size_t fadeIn = toFrames(kFadeIn);
    for (std::size_t i = 0; i < fadeIn; ++i)
        out[onset + i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn));
    const std::size_t fadeOut = std::min(toFrames(fadeOutSeconds), sound.size());
    for (std::size_t i = 0; i < fadeOut; ++i)
        out[out.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut));

    float peak = 0.0F;
    for (float sample : out)
        peak = std::max(peak, std::abs(sample));
    if (peak > 0.0F) {
        const float gain = static_cast<float>(kPeakTarget) / peak;
        for (float &sample : out)
            sample *= gain;
    }
    return out;
}

bool writeCue(const std::filesystem::path &path, int format, const Samples &samples)
{
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = format;
    SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "soundgen: cannot create %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(samples.size());
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    if (!written)
        std::fprintf(stderr, "soundgen: cannot write %s: %s\n", path.c_str(), sf_strerror(file));
    const bool closed = sf_close(file) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return false;
    }

    double peak = 0.0, sumSquares = 0.0;
    for (float sample : samples) {
        peak = std::max(peak, static_cast<double>(std::abs(sample)));
        sumSquares += static_cast<double>(sample) * sample;
    }
    std::printf("soundgen: %-15s %6.3f s  peak %6.2f dBFS  rms %6.2f dBFS\n", path.filename().c_str(),
                static_cast<double>(samples.size()) / kSampleRate, 20.0 * std::log10(peak),
                10.0 * std::log10(sumSquares / static_cast<double>(samples.size())));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <outdir>\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "soundgen: cannot create %s: %s\n", dir.c_str(), error.message().c_str());
        return 1;
    }

    // Each cue's fade-out matches how much of its ring is left at the end.
    bool ok = true;
    ok = writeCue(dir / "insertcoin.au", SF_FORMAT_AU | SF_FORMAT_PCM_16,
                  finish(synthCoin(), 0.060)) && ok;
    ok = writeCue(dir / "bleep1.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III,
                  finish(synthBleep(), 0.025)) && ok;
    ok = writeCue(dir / "pull1.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                  finish(synthPull(), 0.080)) && ok;
    ok = writeCue(dir / "payoff.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                  finish(synthPayoff(), 0.200)) && ok;
    return ok ? 0 : 1;
}
