// The main window's menu commands, by id, and the state of their marks.
#pragma once

#include <array>

namespace fenx {

enum MenuCommand : int {
    CmdSizeEasy = 101,     // 7 x 4
    CmdSizeMedium = 102,   // 12 x 4
    CmdSizeHard = 103,     // 7 x 8
    CmdRandomStage = 104,  // a new random stage at the current size
    CmdAnySize = 105,      // size dialog
    CmdStageNumber = 106,  // stage-number dialog
    CmdHelpContents = 107, // help window
    CmdSound = 108,        // sound on/off
    CmdAbout = 110,        // about box
    CmdExit = 111,
    CmdChallenge = 113, // challenge dialog
    CmdDragPlain = 115, // drag display modes 0, 1, 2
    CmdDragFlash = 116,
    CmdDragDotted = 117,
    CmdSearch = 118,  // stage search dialog
    CmdHistory = 119, // history dialog
};

// Check marks and grayed items, as the menu must show them.
struct MenuState {
    // Which of 101, 102, 103, 105 carries the size mark: 0..3.
    int sizeMark = 0;
    bool soundChecked = true;
    // The checked display-mode item 0..2, or -1 when the stored mode is
    // outside 0..2 and no item is checked.
    int dragModeMark = 0;
    // Grayed while the matching dialog is open.
    bool challengeEnabled = true;
    bool searchEnabled = true;
    bool anySizeEnabled = true;
    bool stageNumberEnabled = true;

    bool operator==(const MenuState&) const = default;
};

} // namespace fenx
