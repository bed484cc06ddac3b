#include "app/sound_player.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace fenx {
namespace {

constexpr uint16_t kDeviceBufferFrames = 512;

uint16_t SdlFormatOf(const WaveView& wave) {
    return wave.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent, int idleCloseMs)
    : QObject(parent), idleCloseMs_(idleCloseMs) {
    // SDL would put its own SIGINT and SIGTERM handlers in place of the
    // game's, which end the program through its window so that the last
    // history line is written.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audioReady_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    idleClose_.setSingleShot(true);
    connect(&idleClose_, &QTimer::timeout, this, &SoundPlayer::CloseWhenIdle);
}

SoundPlayer::~SoundPlayer() {
    Stop();
    if (audioReady_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SoundPlayer::Load(SoundId id, const uint8_t* image, std::size_t size) {
    sounds_[SoundIndex(id)].reset();
    const std::optional<WaveView> wave = ParseWave(image, size);
    if (!wave || !IsPlayableWave(*wave)) {
        return;
    }
    if (!format_) {
        format_ = OutputFormat{static_cast<int>(wave->sampleRate), SdlFormatOf(*wave),
                               static_cast<uint8_t>(wave->channels),
                               static_cast<int>(wave->sampleRate) * wave->blockAlign};
    }
    Sound sound;
    SDL_AudioCVT cvt;
    const int built =
        SDL_BuildAudioCVT(&cvt, SdlFormatOf(*wave), static_cast<uint8_t>(wave->channels),
                          static_cast<int>(wave->sampleRate), format_->sdlFormat, format_->channels,
                          format_->frequency);
    if (built < 0) {
        return;
    }
    if (built == 0) {
        sound.samples = wave->samples;
        sound.bytes = wave->sampleBytes;
    } else {
        cvt.len = static_cast<int>(wave->sampleBytes);
        sound.converted.resize(wave->sampleBytes * static_cast<std::size_t>(cvt.len_mult));
        std::memcpy(sound.converted.data(), wave->samples, wave->sampleBytes);
        cvt.buf = sound.converted.data();
        if (SDL_ConvertAudio(&cvt) != 0) {
            return;
        }
        sound.converted.resize(static_cast<std::size_t>(cvt.len_cvt));
        sound.converted.shrink_to_fit();
        sound.samples = sound.converted.data();
        sound.bytes = sound.converted.size();
    }
    sounds_[SoundIndex(id)] = std::move(sound);
}

bool SoundPlayer::Ready(SoundId id) const {
    return audioReady_ && sounds_[SoundIndex(id)].has_value();
}

bool SoundPlayer::PlaysInPlace(SoundId id) const {
    const auto& sound = sounds_[SoundIndex(id)];
    return sound && sound->converted.empty();
}

bool SoundPlayer::OpenDevice() {
    if (device_ != 0) {
        return true;
    }
    if (deviceFailed_ || !audioReady_ || !format_) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = format_->frequency;
    wanted.format = format_->sdlFormat;
    wanted.channels = format_->channels;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = &SoundPlayer::FillBuffer;
    wanted.userdata = &playback_;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware takes, so the
    // sounds prepared at load time stay valid for every device we open.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        // No device now most likely means none for the whole run; trying
        // again at every sound would only cost time.
        deviceFailed_ = true;
        return false;
    }
    playback_.silence = obtained.silence;
    return true;
}

void SoundPlayer::Play(SoundId id) {
    const auto& sound = sounds_[SoundIndex(id)];
    if (!sound || !OpenDevice()) {
        return;
    }
    SDL_LockAudioDevice(device_);
    playback_.next = sound->samples;
    playback_.remaining = sound->bytes;
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
    const auto lengthMs = static_cast<int>(sound->bytes * 1000 / format_->bytesPerSecond);
    idleClose_.start(lengthMs + idleCloseMs_);
}

void SoundPlayer::Stop() {
    idleClose_.stop();
    if (device_ != 0) {
        // Closing waits for the device's thread, so no buffer is read after.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    playback_.next = nullptr;
    playback_.remaining = 0;
}

void SoundPlayer::CloseWhenIdle() {
    if (device_ == 0) {
        return;
    }
    SDL_LockAudioDevice(device_);
    const std::size_t remaining = playback_.remaining;
    SDL_UnlockAudioDevice(device_);
    if (remaining > 0) {
        idleClose_.start(static_cast<int>(remaining * 1000 / format_->bytesPerSecond) +
                         idleCloseMs_);
        return;
    }
    Stop();
}

void SoundPlayer::FillBuffer(void* userdata, uint8_t* stream, int length) {
    auto& playback = *static_cast<Playback*>(userdata);
    const std::size_t wanted = static_cast<std::size_t>(length);
    const std::size_t taken = std::min(wanted, playback.remaining);
    if (taken > 0) {
        std::memcpy(stream, playback.next, taken);
        playback.next += taken;
        playback.remaining -= taken;
    }
    std::memset(stream + taken, playback.silence, wanted - taken);
}

} // namespace fenx
