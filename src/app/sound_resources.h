// The four WAVE images compiled into the program (Qt resources, stored
// uncompressed so they can be played where they lie).
#pragma once

#include <QByteArray>

#include <array>

#include "app/sound_player.h"

namespace fenx {

class SoundResources {
  public:
    // Hands each sound found among the resources to the player.
    void LoadInto(SoundPlayer& player);

  private:
    // Copies of sounds that the resource system stored compressed after
    // all; they must live as long as the player plays them.
    std::array<QByteArray, kSoundCount> unpacked_;
};

} // namespace fenx
