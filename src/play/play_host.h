// What play needs from the game around it: a window to show the picture in,
// the sounds, the clock and the cursor, and someone to tell when a stage is
// solved or the title screen is clicked. The stage control implements it.
#pragma once

#include <cstdint>

#include "core/geometry.h"
#include "presentation/sound_table.h"

namespace fenx {

class PlayHost {
  public:
    virtual ~PlayHost() = default;

    // Bring this rectangle of the picture to the window.
    virtual void Present(SurfaceRect area) = 0;
    // Play a sound if sound is switched on.
    virtual void PlayEffect(SoundId sound) = 0;
    virtual uint32_t Milliseconds() = 0;
    // Whether the cursor lies inside the main window (frame included).
    virtual bool CursorInsideWindow() = 0;

    // The stage has just been solved; its animation has been launched.
    virtual void StageSolved() = 0;
    // The title screen of an ordinary stage was clicked: the next one starts.
    virtual void TitleClicked() = 0;
};

} // namespace fenx
