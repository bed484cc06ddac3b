// The desktop program around one Game: it owns the sound player, the
// settings store, the platform, the game, the main window with its dialogs,
// the help window and the play timer, starts them in the game's order, routes menu commands,
// and shuts the game down exactly once.
#pragma once

#include <QObject>

#include <memory>
#include <optional>
#include <string>

#include "app/help_window.h"
#include "app/interface_translation.h"
#include "app/main_window.h"
#include "app/next_move_key.h"
#include "app/play_out_stop.h"
#include "app/play_timer.h"
#include "app/qt_platform.h"
#include "app/sound_player.h"
#include "app/sound_resources.h"
#include "app/window_zoom.h"
#include "dialogs/modeless_dialogs.h"
#include "events/game_events.h"
#include "selection/search_conditions.h"
#include "settings/history_file.h"
#include "settings/settings_store.h"
#include "stage/game.h"

namespace fenx {

struct ShellPaths {
    std::string settingsFile; // fenx.ini
    std::string historyFile;  // fenx.log
};

class GameShell : public QObject {
    Q_OBJECT
  public:
    // Sets up sound, reads the settings and makes the game; nothing is shown
    // yet. The sheet must outlive the shell.
    GameShell(const SpriteSheet& sheet, ShellPaths paths, QObject* parent = nullptr);
    // Shuts down when that has not happened yet.
    ~GameShell() override;

    // The game starts up, the window opens with the title screen in the
    // game's language (the one chosen for this start, else the stored one),
    // the play timer starts and the start jingle plays.
    void Start(std::optional<Language> chosen = std::nullopt);
    // The program is ending: stops the timer, lets the game write its last
    // history line, stops the sound. Runs once; later calls do nothing.
    void ShutDown();
    // Closes the main window, which ends the program like Exit does.
    void RequestQuit();

    Game& game() { return game_; }
    // The game's change notifications as signals.
    GameEvents& events() { return events_; }
    MainWindow& window() { return *window_; }
    // The window's zoom keys; exists from Start on.
    WindowZoom& zoom() { return *zoom_; }
    // The dialogs opened by the menu; exists from Start on.
    ModelessDialogs& dialogs() { return *dialogs_; }
    // Null until the help window was first opened.
    HelpWindow* helpWindow() { return help_.get(); }
    SoundPlayer& sound() { return sound_; }
    // Whether the play timer may run now: the application is active and no
    // menu of the main window is open.
    bool PlayTimerMayRun() const;

  private:
    void RunCommand(int id);
    // Brings the dialog of this kind forward, made from `args` and the
    // main window when none is open.
    template <class Dialog, class... Args>
    void Open(DialogKind kind, Args&... args) {
        dialogs_->Open(kind, [&](QWidget& owner) { return new Dialog(args..., &owner); });
    }
    void RefreshMenu();
    void ShowHelp();

    // fenx.log: the platform appends to it, the history dialog reads it.
    HistoryFile history_;
    SoundPlayer sound_;
    SoundResources soundData_;
    SettingsStore settings_;
    QtPlatform platform_;
    Game game_;
    std::unique_ptr<InterfaceTranslation> translation_;
    GameEvents events_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ModelessDialogs> dialogs_;
    std::unique_ptr<HelpWindow> help_;
    WindowZoom* zoom_ = nullptr; // owned by the window
    PlayTimer timer_;
    std::unique_ptr<NextMoveKey> nextMove_;
    std::unique_ptr<PlayOutStop> playOutStop_;
    // The search dialog's conditions and range, kept for the program run.
    SearchCriteria searchCriteria_;
    bool applicationActive_ = true;
    bool shutDown_ = false;
};

} // namespace fenx
