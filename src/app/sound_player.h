// The four sound effects through SDL audio. One stream: a new sound cuts off
// the one playing. The sounds are RIFF WAVE images that stay in memory for
// the whole run (the program's resources); a sound already in the output
// format is played straight from its image, any other is converted once when
// it is loaded.
//
// The audio device is opened when a sound starts and closed again a few
// seconds after the last one has ended, because an open device keeps its
// feeding thread busy even when it plays only silence. With no usable
// device the game is silent and says nothing.
#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "presentation/sound_table.h"
#include "presentation/wave_reader.h"

namespace fenx {

class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    // How long the device stays open after a sound has ended.
    static constexpr int kIdleCloseMs = 3000;

    explicit SoundPlayer(QObject* parent = nullptr, int idleCloseMs = kIdleCloseMs);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Takes a sound from a WAVE image that outlives the player. An image the
    // player cannot use leaves that sound silent. The first playable sound
    // fixes the output format.
    void Load(SoundId id, const uint8_t* image, std::size_t size);

    void Play(SoundId id);
    // Stops playback at once and closes the device.
    void Stop();

    // Whether the sound can be played: loaded, and audio was set up.
    bool Ready(SoundId id) const;
    // Whether the sound plays straight from its WAVE image (no copy).
    bool PlaysInPlace(SoundId id) const;
    bool DeviceOpen() const { return device_ != 0; }

  private:
    struct Sound {
        const uint8_t* samples = nullptr;
        std::size_t bytes = 0;
        std::vector<uint8_t> converted; // empty when played in place
    };
    struct OutputFormat {
        int frequency;
        uint16_t sdlFormat;
        uint8_t channels;
        int bytesPerSecond;
    };
    // What the device's thread reads; guarded by the device lock.
    struct Playback {
        const uint8_t* next = nullptr;
        std::size_t remaining = 0;
        uint8_t silence = 0;
    };

    static void FillBuffer(void* userdata, uint8_t* stream, int length);
    bool OpenDevice();
    void CloseWhenIdle();

    int idleCloseMs_;
    bool audioReady_ = false;
    bool deviceFailed_ = false;
    uint32_t device_ = 0;
    std::optional<OutputFormat> format_;
    std::array<std::optional<Sound>, kSoundCount> sounds_;
    Playback playback_;
    QTimer idleClose_;
};

} // namespace fenx
