// Checks the committed sound files the game ships: their format, their
// lengths, and that they behave like finished sounds (silent ends, no
// offset, no clipping).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "presentation/sound_table.h"
#include "presentation/wave_reader.h"

#ifndef FENX_RESOURCE_DIR
#error "FENX_RESOURCE_DIR must name the resources folder"
#endif

namespace fenx {

// Names the sound in test output instead of dumping its bytes.
void PrintTo(const SoundEntry& entry, std::ostream* out) {
    *out << entry.resourceName;
}

namespace {

std::vector<uint8_t> ReadResource(std::string_view fileName) {
    std::ifstream in(std::string(FENX_RESOURCE_DIR) + "/" + std::string(fileName),
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct LengthRange {
    std::size_t minBytes;
    std::size_t maxBytes;
};

// Stereo 8-bit at 22050 frames/s is 44100 data bytes a second.
LengthRange ExpectedLength(SoundId id) {
    switch (id) {
    case SoundId::Tada:
        return {88200, 101430}; // 2.0 .. 2.3 s
    case SoundId::Click:
        return {20, 440}; // under 0.01 s
    case SoundId::Slide:
        return {48510, 55125}; // 1.1 .. 1.25 s
    case SoundId::Open:
        return {66150, 74970}; // 1.5 .. 1.7 s
    }
    return {0, 0};
}

int Deviation(uint8_t sample) {
    return sample >= 128 ? sample - 128 : 128 - sample;
}

class SoundFile : public ::testing::TestWithParam<SoundEntry> {};

TEST_P(SoundFile, IsAPlainStereoEightBitWaveOfTheRightLength) {
    const SoundEntry& entry = GetParam();
    const std::vector<uint8_t> bytes = ReadResource(entry.fileName);
    ASSERT_FALSE(bytes.empty()) << entry.fileName << " is missing";
    const auto wave = ParseWave(bytes.data(), bytes.size());
    ASSERT_TRUE(wave);
    EXPECT_TRUE(IsPlayableWave(*wave));
    EXPECT_EQ(wave->formatTag, kWaveFormatPcm);
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->sampleRate, 22050u);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->blockAlign, 2);
    EXPECT_EQ(wave->byteRate, 44100u);
    // The plain 44-byte header, nothing before or after the data.
    EXPECT_EQ(wave->samples, bytes.data() + 44);
    EXPECT_EQ(wave->sampleBytes, bytes.size() - 44);
    const LengthRange range = ExpectedLength(entry.id);
    EXPECT_GE(wave->sampleBytes, range.minBytes);
    EXPECT_LE(wave->sampleBytes, range.maxBytes);
}

TEST_P(SoundFile, StartsAndEndsInSilenceWithoutOffsetOrClipping) {
    const std::vector<uint8_t> bytes = ReadResource(GetParam().fileName);
    const auto wave = ParseWave(bytes.data(), bytes.size());
    ASSERT_TRUE(wave && wave->channels == 2 && wave->bitsPerSample == 8 && wave->frameCount() > 20);
    const uint8_t* pcm = wave->samples;
    const std::size_t frames = wave->frameCount();

    for (std::size_t channel = 0; channel < 2; ++channel) {
        SCOPED_TRACE(channel == 0 ? "left" : "right");
        EXPECT_LE(Deviation(pcm[channel]), 2) << "first sample";
        EXPECT_LE(Deviation(pcm[2 * (frames - 1) + channel]), 2) << "last sample";

        // The last tenth is the fade, well below the body; the last hundredth
        // is all but silent.
        int tailPeak = 0;
        int finalPeak = 0;
        int peak = 0;
        long long sum = 0;
        std::size_t run = 0;
        std::size_t longestClippedRun = 0;
        for (std::size_t i = 0; i < frames; ++i) {
            const uint8_t sample = pcm[2 * i + channel];
            const int deviation = Deviation(sample);
            peak = deviation > peak ? deviation : peak;
            if (i >= frames - frames / 10) {
                tailPeak = deviation > tailPeak ? deviation : tailPeak;
            }
            if (i >= frames - frames / 100 - 1) {
                finalPeak = deviation > finalPeak ? deviation : finalPeak;
            }
            sum += sample - 128;
            run = (sample == 0 || sample == 255) ? run + 1 : 0;
            longestClippedRun = run > longestClippedRun ? run : longestClippedRun;
        }
        EXPECT_LE(tailPeak, peak / 6);
        EXPECT_LE(finalPeak, 3);
        // Loud enough to have been normalised, with headroom left over.
        EXPECT_GE(peak, 64);
        EXPECT_LE(peak, 120);
        EXPECT_LE(longestClippedRun, 2u);
        const double mean = static_cast<double>(sum) / static_cast<double>(frames);
        EXPECT_LT(mean < 0 ? -mean : mean, 1.5) << "offset from 128";
    }
}

INSTANTIATE_TEST_SUITE_P(CommittedSounds, SoundFile, ::testing::ValuesIn(kSoundTable),
                         [](const ::testing::TestParamInfo<SoundEntry>& param) {
                             return std::string(param.param.resourceName);
                         });

TEST(SoundTable, IndicesAndResourceNamesFindTheirEntries) {
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        const SoundEntry& entry = kSoundTable[i];
        EXPECT_EQ(SoundIndex(entry.id), i);
        EXPECT_EQ(SoundIdFromIndex(static_cast<int>(i)), entry.id);
        EXPECT_EQ(SoundIdFromResourceName(entry.resourceName), entry.id);
        // The file is the resource name in lower case.
        std::string expected(entry.resourceName);
        for (char& c : expected) {
            c = static_cast<char>(c - 'A' + 'a');
        }
        EXPECT_EQ(entry.fileName, expected + ".wav");
    }
    EXPECT_EQ(SoundEntryFor(SoundId::Click).resourceName, "SNDCLICK");
    EXPECT_FALSE(SoundIdFromIndex(-1));
    EXPECT_FALSE(SoundIdFromIndex(4));
    EXPECT_FALSE(SoundIdFromResourceName("sndtada"));
    EXPECT_FALSE(SoundIdFromResourceName("SNDTAD"));
}

} // namespace
} // namespace fenx
