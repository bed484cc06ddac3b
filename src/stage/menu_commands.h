// The main window's menu commands, by id, and what the menu shows: the
// check marks the game's settings give, and the items grayed while the
// dialog they open is open. The game knows its settings; which dialogs are
// open only the shell knows, and it puts the two together with ShownMenu.
#pragma once

#include <array>
#include <cstddef>

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

// The check marks, as the game's settings give them.
struct MenuMarks {
    // Which of 101, 102, 103, 105 carries the size mark: 0..3.
    int sizeMark = 0;
    bool soundChecked = true;
    // The checked display-mode item 0..2, or -1 when the stored mode is
    // outside 0..2 and no item is checked.
    int dragModeMark = 0;

    bool operator==(const MenuMarks&) const = default;
};

// The dialogs that stay open beside the main window, at most one of each.
enum class DialogKind { Challenge, Search, StageNumber, Size, History };
inline constexpr std::size_t kDialogKindCount = 5;

// Which of them are open now.
class OpenDialogs {
  public:
    bool operator[](DialogKind kind) const { return open_[Slot(kind)]; }
    void Set(DialogKind kind, bool open) { open_[Slot(kind)] = open; }

  private:
    static std::size_t Slot(DialogKind kind) { return static_cast<std::size_t>(kind); }
    std::array<bool, kDialogKindCount> open_{};
};

// Everything the menu shows.
struct MenuState {
    MenuMarks marks;
    // Grayed while the matching dialog is open.
    bool challengeEnabled = true;
    bool searchEnabled = true;
    bool anySizeEnabled = true;
    bool stageNumberEnabled = true;

    bool operator==(const MenuState&) const = default;
};

// The marks, with the items of the open dialogs grayed. The history item
// stays usable while its dialog is open: choosing it again brings the open
// dialog forward.
MenuState ShownMenu(const MenuMarks& marks, const OpenDialogs& open);

} // namespace fenx
