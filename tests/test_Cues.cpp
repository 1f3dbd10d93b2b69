// The sound cue files written at build time by soundgen, read back with
// libsndfile: each opens as the kind of file its name says, is short, loud
// but unclipped, audible for a sensible time, and starts and ends quietly.
#include <sndfile.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#ifndef ZORVIX_CUE_DIR
#error "ZORVIX_CUE_DIR must name the folder the cue files are generated into"
#endif

namespace {

struct CueExpectation {
    const char *file;
    int majorFormat;
    int subtype;
    double minSeconds;     // the file's whole length
    double minAudible;     // from the first to the last sample above -26 dBFS
    double maxAudible;
};

constexpr CueExpectation kCues[] = {
    {"insertcoin.au", SF_FORMAT_AU, SF_FORMAT_PCM_16, 0.25, 0.20, 1.5},
    {"bleep1.mp3", SF_FORMAT_MPEG, SF_FORMAT_MPEG_LAYER_III, 0.08, 0.08, 0.15},
    {"pull1.wav", SF_FORMAT_WAV, SF_FORMAT_PCM_16, 0.50, 0.50, 1.5},
    {"payoff.wav", SF_FORMAT_WAV, SF_FORMAT_PCM_16, 0.50, 0.50, 1.5},
};

constexpr double kMaxSeconds = 1.5;
constexpr double kAudibleLevel = 0.05; // -26 dBFS
constexpr double kEdgeSeconds = 0.002; // the stretch at each end that must be quiet
constexpr float kEdgeLevel = 0.02F;    // -34 dBFS: no audible click

struct DecodedCue {
    bool opened = false;
    std::string error;
    SF_INFO info{};
    std::vector<float> samples; // interleaved, full scale = 1.0
};

DecodedCue readCue(const char *name)
{
    DecodedCue cue;
    const std::string path = std::string(ZORVIX_CUE_DIR) + "/" + name;
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &cue.info);
    if (!file) {
        cue.error = path + ": " + sf_strerror(nullptr);
        return cue;
    }
    cue.samples.resize(static_cast<std::size_t>(cue.info.frames * cue.info.channels));
    const sf_count_t read = sf_readf_float(file, cue.samples.data(), cue.info.frames);
    sf_close(file);
    if (read != cue.info.frames) {
        cue.error = path + ": decoded " + std::to_string(read) + " of " + std::to_string(cue.info.frames) + " frames";
        return cue;
    }
    cue.opened = true;
    return cue;
}

double seconds(const DecodedCue &cue)
{
    return static_cast<double>(cue.info.frames) / cue.info.samplerate;
}

float peakOf(std::vector<float>::const_iterator begin, std::vector<float>::const_iterator end)
{
    float peak = 0.0F;
    for (auto it = begin; it != end; ++it)
        peak = std::max(peak, std::abs(*it));
    return peak;
}

} // namespace

TEST(CueFiles, OpenAsTheirOwnFormatAt44100Hz)
{
    for (const CueExpectation &expected : kCues) {
        SCOPED_TRACE(expected.file);
        const DecodedCue cue = readCue(expected.file);
        ASSERT_TRUE(cue.opened) << cue.error;
        EXPECT_EQ(cue.info.format & SF_FORMAT_TYPEMASK, expected.majorFormat);
        EXPECT_EQ(cue.info.format & SF_FORMAT_SUBMASK, expected.subtype);
        EXPECT_EQ(cue.info.samplerate, 44100);
        EXPECT_TRUE(cue.info.channels == 1 || cue.info.channels == 2) << cue.info.channels << " channels";
    }
}

TEST(CueFiles, LastUnderOneAndAHalfSecondsButNotTooShort)
{
    for (const CueExpectation &expected : kCues) {
        SCOPED_TRACE(expected.file);
        const DecodedCue cue = readCue(expected.file);
        ASSERT_TRUE(cue.opened) << cue.error;
        EXPECT_LT(seconds(cue), kMaxSeconds);
        EXPECT_GE(seconds(cue), expected.minSeconds);
    }
}

// Normalised to about -1 dBFS: clearly loud, and below full scale, where a
// clipped file would sit.
TEST(CueFiles, PeakIsNormalisedBelowFullScale)
{
    for (const CueExpectation &expected : kCues) {
        SCOPED_TRACE(expected.file);
        const DecodedCue cue = readCue(expected.file);
        ASSERT_TRUE(cue.opened) << cue.error;
        const float peak = peakOf(cue.samples.begin(), cue.samples.end());
        EXPECT_GT(peak, 0.5F);
        EXPECT_LE(peak, 0.99F);
    }
}

TEST(CueFiles, FirstAndLastTwoMillisecondsAreQuiet)
{
    for (const CueExpectation &expected : kCues) {
        SCOPED_TRACE(expected.file);
        const DecodedCue cue = readCue(expected.file);
        ASSERT_TRUE(cue.opened) << cue.error;
        const auto edge = static_cast<std::ptrdiff_t>(std::lround(kEdgeSeconds * cue.info.samplerate))
                          * cue.info.channels;
        ASSERT_GT(static_cast<std::ptrdiff_t>(cue.samples.size()), 2 * edge);
        EXPECT_LT(peakOf(cue.samples.begin(), cue.samples.begin() + edge), kEdgeLevel) << "click at the start";
        EXPECT_LT(peakOf(cue.samples.end() - edge, cue.samples.end()), kEdgeLevel) << "click at the end";
    }
}

// Not silent, and audible for a time that suits the cue: the bleep is short,
// the others carry a ring, a ratchet or a jingle.
TEST(CueFiles, SoundForAFittingTime)
{
    for (const CueExpectation &expected : kCues) {
        SCOPED_TRACE(expected.file);
        const DecodedCue cue = readCue(expected.file);
        ASSERT_TRUE(cue.opened) << cue.error;

        double sumSquares = 0.0;
        for (float sample : cue.samples)
            sumSquares += static_cast<double>(sample) * sample;
        const double rms = std::sqrt(sumSquares / static_cast<double>(cue.samples.size()));
        EXPECT_GT(rms, 0.01) << "silent or nearly so";

        const auto loud = [](float sample) { return std::abs(sample) > kAudibleLevel; };
        const auto first = std::find_if(cue.samples.begin(), cue.samples.end(), loud);
        const auto last = std::find_if(cue.samples.rbegin(), cue.samples.rend(), loud);
        ASSERT_NE(first, cue.samples.end()) << "never rises above -26 dBFS";
        const auto loudSamples = std::distance(first, last.base());
        const double audible = static_cast<double>(loudSamples / cue.info.channels) / cue.info.samplerate;
        EXPECT_GE(audible, expected.minAudible);
        EXPECT_LE(audible, expected.maxAudible);
    }
}
