// The sound player on SDL's dummy driver: the program's own sounds play in
// place, other formats are converted once, unusable images stay silent, and
// without any audio driver nothing happens at all.
#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/sound_player.h"
#include "app/sound_resources.h"

namespace fenx {
namespace {

// A minimal RIFF WAVE image: PCM, the given format, `frames` frames of
// silence.
std::vector<uint8_t> WaveImage(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t frames) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    const uint32_t dataBytes = frames * align;
    std::vector<uint8_t> image;
    const auto put = [&image](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            image.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
    };
    const auto tag = [&image](const char* text) {
        for (int i = 0; i < 4; ++i) {
            image.push_back(static_cast<uint8_t>(text[i]));
        }
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * align, 4);
    put(align, 2);
    put(bits, 2);
    tag("data");
    put(dataBytes, 4);
    image.resize(image.size() + dataBytes, bits == 8 ? 0x80 : 0);
    return image;
}

TEST(SoundPlayer, TheProgramsSoundsAllLoadAndPlayInPlace) {
    SoundPlayer player;
    SoundResources resources;
    resources.LoadInto(player);
    for (const SoundEntry& entry : kSoundTable) {
        EXPECT_TRUE(player.Ready(entry.id)) << entry.fileName;
        EXPECT_TRUE(player.PlaysInPlace(entry.id)) << entry.fileName;
    }
    EXPECT_FALSE(player.DeviceOpen());
    player.Play(SoundId::Slide);
    EXPECT_TRUE(player.DeviceOpen());
    player.Play(SoundId::Click); // replaces the slide on the same stream
    EXPECT_TRUE(player.DeviceOpen());
    player.Stop();
    EXPECT_FALSE(player.DeviceOpen());
}

TEST(SoundPlayer, OtherFormatsAreConvertedToTheFirstSoundsFormat) {
    const std::vector<uint8_t> first = WaveImage(2, 22050, 8, 2205);
    const std::vector<uint8_t> other = WaveImage(1, 44100, 16, 4410);
    SoundPlayer player;
    player.Load(SoundId::Open, first.data(), first.size());
    player.Load(SoundId::Tada, other.data(), other.size());
    EXPECT_TRUE(player.PlaysInPlace(SoundId::Open));
    ASSERT_TRUE(player.Ready(SoundId::Tada));
    EXPECT_FALSE(player.PlaysInPlace(SoundId::Tada));
    player.Play(SoundId::Tada);
    EXPECT_TRUE(player.DeviceOpen());
}

TEST(SoundPlayer, UnusableImagesStaySilent) {
    const std::vector<uint8_t> good = WaveImage(2, 22050, 8, 100);
    std::vector<uint8_t> cut = good;
    cut.resize(30);
    const std::vector<uint8_t> noFrames = WaveImage(2, 22050, 8, 0);
    const std::vector<uint8_t> odd = WaveImage(3, 22050, 24, 100);
    SoundPlayer player;
    player.Load(SoundId::Tada, cut.data(), cut.size());
    player.Load(SoundId::Click, noFrames.data(), noFrames.size());
    player.Load(SoundId::Slide, odd.data(), odd.size());
    player.Load(SoundId::Open, nullptr, 0);
    for (const SoundEntry& entry : kSoundTable) {
        EXPECT_FALSE(player.Ready(entry.id)) << entry.fileName;
        player.Play(entry.id);
    }
    EXPECT_FALSE(player.DeviceOpen());
}

TEST(SoundPlayer, ClosesTheDeviceOnceTheSoundIsOverAndReopensForTheNext) {
    const std::vector<uint8_t> shortSound = WaveImage(2, 22050, 8, 220); // 10 ms
    SoundPlayer player(nullptr, 50);
    player.Load(SoundId::Click, shortSound.data(), shortSound.size());
    player.Play(SoundId::Click);
    EXPECT_TRUE(player.DeviceOpen());
    QTest::qWait(400);
    EXPECT_FALSE(player.DeviceOpen());
    player.Play(SoundId::Click);
    EXPECT_TRUE(player.DeviceOpen());
}

TEST(SoundPlayer, WithoutAnyAudioDriverNothingHappens) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SoundPlayer player;
        SoundResources resources;
        resources.LoadInto(player);
        EXPECT_FALSE(player.Ready(SoundId::Open));
        player.Play(SoundId::Open);
        EXPECT_FALSE(player.DeviceOpen());
        player.Stop();
    }
    if (old) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

} // namespace
} // namespace fenx
