// What the stage in play is: its size and number, whether it is a challenge,
// and which phase the game is in. Every part of the game reads these.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace fenx {

enum GamePhase : int32_t {
    PhaseTitle = 0,   // no stage in play: the title screen, or a finished stage
    PhasePlaying = 1, // blocks can be dragged
    PhaseOpening = 2, // the blocks of a new stage fly in; input is ignored
    PhaseSolved = 3,  // the solved animation runs
};

// How many frames the opening fly-in has; a stage start sets openingStep to it.
inline constexpr int32_t kOpeningSteps = 32;

struct GameState {
    int32_t W = 7; // stage width in cells
    int32_t H = 4; // rows of the target area; the field has 2H
    int32_t currentStageNumber = 0;
    bool challengeActive = false; // while a challenge stage is played
    int32_t currentChallenge = 0; // row of the challenge table; read only while active
    GamePhase gamePhase = PhaseTitle;
    int32_t openingStep = 0; // fly-in frames still to show

    int32_t clientWidth() const { return ClientSize(W, H).width; }
    int32_t clientHeight() const { return ClientSize(W, H).height; }
};

} // namespace fenx
