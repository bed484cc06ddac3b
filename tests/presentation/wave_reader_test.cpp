#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "presentation/wave_reader.h"

namespace fenx {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(Bytes& out, const std::string& tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

// The body of a "fmt " chunk; `extra` bytes follow the 16 PCM bytes.
Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t blockAlign,
                 std::size_t extra = 0) {
    Bytes body;
    Put16(body, tag);
    Put16(body, channels);
    Put32(body, rate);
    Put32(body, rate * blockAlign);
    Put16(body, blockAlign);
    Put16(body, bits);
    body.resize(body.size() + extra, 0);
    return body;
}

Bytes StereoFormat(std::size_t extra = 0) {
    return FormatBody(1, 2, 22050, 8, 2, extra);
}

Bytes Samples(std::size_t count) {
    Bytes samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<uint8_t>(100 + i);
    }
    return samples;
}

// A WAVE image assembled chunk by chunk, with every size field under the
// test's control. Chunks are padded to even length unless told otherwise.
class WaveImage {
  public:
    WaveImage& Chunk(const std::string& id, const Bytes& body,
                     std::optional<uint32_t> declared = std::nullopt, bool pad = true) {
        PutTag(chunks_, id);
        Put32(chunks_, declared.value_or(static_cast<uint32_t>(body.size())));
        offsets_.push_back(chunks_.size() + 12);
        chunks_.insert(chunks_.end(), body.begin(), body.end());
        if (pad && body.size() % 2 == 1) {
            chunks_.push_back(0);
        }
        return *this;
    }
    // Where the body of the n-th chunk starts in the image.
    std::size_t BodyOffset(std::size_t n) const { return offsets_[n]; }

    Bytes Build(std::optional<uint32_t> riffSize = std::nullopt,
                const std::string& form = "WAVE") const {
        Bytes out;
        PutTag(out, "RIFF");
        Put32(out, riffSize.value_or(static_cast<uint32_t>(4 + chunks_.size())));
        PutTag(out, form);
        out.insert(out.end(), chunks_.begin(), chunks_.end());
        return out;
    }

  private:
    Bytes chunks_;
    std::vector<std::size_t> offsets_;
};

bool LiesInside(const WaveView& view, const Bytes& buffer) {
    const uint8_t* begin = buffer.data();
    const uint8_t* end = buffer.data() + buffer.size();
    return view.samples >= begin && view.samples <= end &&
           view.sampleBytes <= static_cast<std::size_t>(end - view.samples);
}

std::optional<WaveView> Parse(const Bytes& bytes) {
    return ParseWave(bytes.data(), bytes.size());
}

TEST(WaveReader, PlainFileGivesItsFormatAndAViewIntoTheImage) {
    const Bytes image =
        WaveImage().Chunk("fmt ", StereoFormat()).Chunk("data", Samples(10)).Build();
    ASSERT_EQ(image.size(), 54u);
    const auto view = Parse(image);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->formatTag, kWaveFormatPcm);
    EXPECT_EQ(view->channels, 2);
    EXPECT_EQ(view->sampleRate, 22050u);
    EXPECT_EQ(view->byteRate, 44100u);
    EXPECT_EQ(view->blockAlign, 2);
    EXPECT_EQ(view->bitsPerSample, 8);
    EXPECT_EQ(view->samples, image.data() + 44);
    EXPECT_EQ(view->sampleBytes, 10u);
    EXPECT_EQ(view->frameCount(), 5u);
    EXPECT_TRUE(IsPlayableWave(*view));
}

TEST(WaveReader, EveryTruncationEitherFailsOrClipsTheDataInsideTheBuffer) {
    // An odd LIST chunk with its pad byte, an 18-byte fmt, a fact chunk, and
    // four frames of 16-bit stereo.
    WaveImage builder;
    builder.Chunk("LIST", {'I', 'N', 'F', 'O', 'x'})
        .Chunk("fmt ", FormatBody(1, 2, 44100, 16, 4, 2))
        .Chunk("fact", {4, 0, 0, 0})
        .Chunk("data", Samples(16));
    const Bytes full = builder.Build();
    const std::size_t dataStart = builder.BodyOffset(3);
    ASSERT_EQ(dataStart + 16, full.size());
    for (std::size_t n = 0; n <= full.size(); ++n) {
        SCOPED_TRACE("first " + std::to_string(n) + " bytes");
        // A buffer of exactly n bytes, so a sanitiser sees any read past it.
        const Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        const auto view = Parse(prefix);
        if (n < dataStart) {
            EXPECT_FALSE(view);
            continue;
        }
        ASSERT_TRUE(view);
        EXPECT_TRUE(LiesInside(*view, prefix));
        EXPECT_EQ(view->samples, prefix.data() + dataStart);
        EXPECT_EQ(view->sampleBytes, (n - dataStart) / 4 * 4);
        EXPECT_EQ(view->bitsPerSample, 16);
    }
}

TEST(WaveReader, UnknownChunksAreSkippedWithTheirPadBytes) {
    {
        // The LIST body spells out a fake data chunk; only a walk that
        // honours the pad byte lands on the real one.
        WaveImage builder;
        builder.Chunk("LIST", {'d', 'a', 't', 'a', 2, 0, 0, 0, 'z'})
            .Chunk("fmt ", StereoFormat())
            .Chunk("data", Samples(6));
        const Bytes image = builder.Build();
        const auto view = Parse(image);
        ASSERT_TRUE(view);
        EXPECT_EQ(view->samples, image.data() + builder.BodyOffset(2));
        EXPECT_EQ(view->sampleBytes, 6u);
    }
    {
        // An odd chunk between fmt and data, and odd mono data followed by
        // its pad byte and a trailing chunk.
        WaveImage builder;
        builder.Chunk("fmt ", FormatBody(1, 1, 11025, 8, 1))
            .Chunk("junk", Bytes(3, 0xEE))
            .Chunk("data", Samples(7))
            .Chunk("LIST", Bytes(4, 0));
        const Bytes image = builder.Build();
        const auto view = Parse(image);
        ASSERT_TRUE(view);
        EXPECT_EQ(view->samples, image.data() + builder.BodyOffset(2));
        EXPECT_EQ(view->sampleBytes, 7u);
        EXPECT_EQ(view->samples[0], 100);
        EXPECT_TRUE(IsPlayableWave(*view));
    }
    {
        // A writer that left out the pad byte: the walk falls one byte short
        // of the data chunk and must not invent one.
        WaveImage builder;
        builder.Chunk("fmt ", StereoFormat())
            .Chunk("LIST", Bytes(3, 0), std::nullopt, false)
            .Chunk("data", Samples(8));
        EXPECT_FALSE(Parse(builder.Build()));
    }
}

TEST(WaveReader, DataMayComeBeforeTheFormat) {
    WaveImage builder;
    builder.Chunk("data", Samples(4)).Chunk("fmt ", StereoFormat());
    const Bytes image = builder.Build();
    const auto view = Parse(image);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->samples, image.data() + builder.BodyOffset(0));
    EXPECT_EQ(view->channels, 2);
}

TEST(WaveReader, FormatChunksLongerThanSixteenBytesAreReadForTheirFirstSixteen) {
    // 18 bytes: the PCM layout with an empty extension.
    const Bytes withSize =
        WaveImage().Chunk("fmt ", StereoFormat(2)).Chunk("data", Samples(4)).Build();
    const auto pcm = Parse(withSize);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, withSize.data() + 46);
    EXPECT_TRUE(IsPlayableWave(*pcm));

    // 40 bytes, the extensible layout: read, reported, not played.
    const Bytes extensible = WaveImage()
                                 .Chunk("fmt ", FormatBody(0xFFFE, 2, 48000, 16, 4, 24))
                                 .Chunk("data", Samples(8))
                                 .Build();
    const auto other = Parse(extensible);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->formatTag, 0xFFFE);
    EXPECT_EQ(other->sampleRate, 48000u);
    EXPECT_FALSE(IsPlayableWave(*other));

    // Fewer than 16 bytes, or a longer chunk cut off before its end.
    Bytes shortFormat = StereoFormat();
    shortFormat.resize(14);
    EXPECT_FALSE(Parse(WaveImage().Chunk("fmt ", shortFormat).Chunk("data", Samples(4)).Build()));
    Bytes cutFormat = WaveImage().Chunk("data", Samples(4)).Chunk("fmt ", StereoFormat(2)).Build();
    cutFormat.pop_back();
    EXPECT_FALSE(Parse(cutFormat));
}

TEST(WaveReader, SizesBeyondTheBytesAtHandAreClipped) {
    const auto declaredData = [](uint32_t declared, const Bytes& format, std::size_t present) {
        const Bytes image =
            WaveImage().Chunk("fmt ", format).Chunk("data", Samples(present), declared).Build();
        const auto view = Parse(image);
        EXPECT_TRUE(view && LiesInside(*view, image));
        return view ? view->sampleBytes : std::size_t{12345};
    };
    EXPECT_EQ(declaredData(1000, StereoFormat(), 10), 10u);
    EXPECT_EQ(declaredData(0xFFFFFFFF, StereoFormat(), 10), 10u);
    // Clipping keeps whole frames: 10 bytes of 16-bit stereo are two frames.
    EXPECT_EQ(declaredData(1000, FormatBody(1, 2, 22050, 16, 4), 10), 8u);

    // The RIFF size ends the walk before the end of the buffer...
    const WaveImage builder = WaveImage().Chunk("fmt ", StereoFormat()).Chunk("data", Samples(10));
    const Bytes shortRiff = builder.Build(36 + 4);
    const auto clipped = Parse(shortRiff);
    ASSERT_TRUE(clipped);
    EXPECT_EQ(clipped->sampleBytes, 4u);
    // ...and one larger than the buffer is bounded by the buffer.
    const Bytes longRiff = builder.Build(0xFFFFFFFF);
    const auto whole = Parse(longRiff);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->sampleBytes, 10u);
}

TEST(WaveReader, RejectsImagesThatAreNotUsableWaves) {
    const Bytes good = WaveImage().Chunk("fmt ", StereoFormat()).Chunk("data", Samples(4)).Build();
    ASSERT_TRUE(Parse(good));
    EXPECT_FALSE(ParseWave(nullptr, 0));
    EXPECT_FALSE(ParseWave(good.data(), 11));

    Bytes wrongMagic = good;
    wrongMagic[3] = 'X'; // "RIFX", big-endian RIFF
    EXPECT_FALSE(Parse(wrongMagic));
    EXPECT_FALSE(Parse(WaveImage().Chunk("fmt ", StereoFormat()).Build(std::nullopt, "AVI ")));
    // RIFF sizes too small to cover even the form type.
    EXPECT_FALSE(Parse(WaveImage().Chunk("fmt ", StereoFormat()).Build(0)));
    EXPECT_FALSE(Parse(WaveImage().Chunk("fmt ", StereoFormat()).Build(3)));

    EXPECT_FALSE(Parse(WaveImage().Chunk("data", Samples(4)).Build()));
    EXPECT_FALSE(Parse(WaveImage().Chunk("fmt ", StereoFormat()).Build()));
    EXPECT_FALSE(Parse(WaveImage()
                           .Chunk("fmt ", FormatBody(1, 0, 22050, 8, 2))
                           .Chunk("data", Samples(4))
                           .Build()));
    EXPECT_FALSE(Parse(WaveImage()
                           .Chunk("fmt ", FormatBody(1, 2, 22050, 8, 0))
                           .Chunk("data", Samples(4))
                           .Build()));
    // A chunk claiming 4 GiB in front of fmt ends the walk without wrapping.
    EXPECT_FALSE(Parse(WaveImage()
                           .Chunk("LIST", Bytes(2, 0), 0xFFFFFFFF)
                           .Chunk("fmt ", StereoFormat())
                           .Chunk("data", Samples(4))
                           .Build()));
}

TEST(WaveReader, DamagedHeadersNeverLeadOutsideTheBuffer) {
    const Bytes original = WaveImage()
                               .Chunk("LIST", {'I', 'N', 'F', 'O', 'x'})
                               .Chunk("fmt ", StereoFormat(2))
                               .Chunk("data", Samples(24))
                               .Build();
    uint32_t state = 20240601;
    const auto next = [&state](uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    int parsed = 0;
    for (int round = 0; round < 20000; ++round) {
        Bytes damaged = original;
        const uint32_t changes = 1 + next(4);
        for (uint32_t c = 0; c < changes; ++c) {
            // Size fields and tags live in the first 60 bytes.
            damaged[next(60)] = static_cast<uint8_t>(next(256));
        }
        damaged.resize(next(static_cast<uint32_t>(original.size()) + 1));
        const auto view = Parse(damaged);
        if (view) {
            ++parsed;
            ASSERT_TRUE(LiesInside(*view, damaged)) << "round " << round;
            ASSERT_EQ(view->sampleBytes % view->blockAlign, 0u) << "round " << round;
        }
    }
    EXPECT_GT(parsed, 0); // the damage left some images readable
}

TEST(WaveReader, PlayableMeansPcmOfOneOrTwoChannelsAtEightOrSixteenBits) {
    const Bytes samples = Samples(16);
    const auto view = [&samples](uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                 uint16_t blockAlign, std::size_t bytes) {
        WaveView v;
        v.formatTag = tag;
        v.channels = channels;
        v.sampleRate = rate;
        v.bitsPerSample = bits;
        v.blockAlign = blockAlign;
        v.samples = samples.data();
        v.sampleBytes = bytes;
        return v;
    };
    EXPECT_TRUE(IsPlayableWave(view(1, 1, 8000, 8, 1, 16)));
    EXPECT_TRUE(IsPlayableWave(view(1, 2, 22050, 8, 2, 16)));
    EXPECT_TRUE(IsPlayableWave(view(1, 1, 44100, 16, 2, 16)));
    EXPECT_TRUE(IsPlayableWave(view(1, 2, 48000, 16, 4, 4)));

    EXPECT_FALSE(IsPlayableWave(view(3, 2, 44100, 16, 4, 16))); // floating point
    EXPECT_FALSE(IsPlayableWave(view(2, 2, 22050, 4, 2, 16)));  // ADPCM
    EXPECT_FALSE(IsPlayableWave(view(1, 2, 44100, 24, 6, 12)));
    EXPECT_FALSE(IsPlayableWave(view(1, 3, 44100, 16, 6, 12)));
    EXPECT_FALSE(IsPlayableWave(view(1, 2, 44100, 16, 2, 16))); // block align lies
    EXPECT_FALSE(IsPlayableWave(view(1, 2, 0, 8, 2, 16)));
    EXPECT_FALSE(IsPlayableWave(view(1, 2, 1000000, 8, 2, 16)));
    EXPECT_FALSE(IsPlayableWave(view(1, 2, 22050, 8, 2, 0))); // no frame at all
}

} // namespace
} // namespace fenx
