#include "app/game_shell.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QMetaObject>

#include <utility>

#include "dialogs/about_box.h"
#include "dialogs/challenge_dialog.h"
#include "dialogs/history_dialog.h"
#include "dialogs/modeless_dialogs.h"
#include "dialogs/search_dialog.h"
#include "dialogs/size_dialog.h"
#include "dialogs/stage_number_dialog.h"
#include "stage/window_title.h"

// The sounds and the help page are compiled into this library; a static
// library must register them itself.
static void RegisterFenxResources() {
    Q_INIT_RESOURCE(fenx);
}

namespace fenx {
namespace {

QIcon ProgramIcon() {
    QIcon icon;
    for (const QString& name : QDir(QStringLiteral(":/icons")).entryList(QDir::Files)) {
        icon.addFile(QStringLiteral(":/icons/") + name);
    }
    return icon;
}

} // namespace

GameShell::GameShell(const SpriteSheet& sheet, ShellPaths paths, QObject* parent)
    : QObject(parent), history_(std::move(paths.historyFile)),
      settings_(std::move(paths.settingsFile)), platform_(sound_, settings_, history_),
      game_(platform_, sheet),
      timer_({[this] { return game_.OnPlayTimer(); }, [this] { return game_.OnPacedFrame(); },
              [this] { return platform_.Milliseconds(); }, [this] { return PlayTimerMayRun(); }}) {
    RegisterFenxResources();
    game_.SetChangeListener([this](const GameChange& change) { events_.Forward(change); });
    connect(&events_, &GameEvents::menuMarksChanged, this, &GameShell::RefreshMenu);
    soundData_.LoadInto(sound_);
    // The program counts as active from the start, before the desktop has
    // said anything; afterwards it follows what the desktop reports.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                applicationActive_ = state == Qt::ApplicationActive;
                // The player may have solved challenges in another copy
                // of the game meanwhile: an open list shows them now.
                if (applicationActive_) {
                    game_.TakeStoredChallengeProgress();
                }
            });
}

GameShell::~GameShell() {
    ShutDown();
}

void GameShell::Start(std::optional<Language> chosen) {
    game_.StartUp(chosen);
    // Before any widget: the menu and the dialogs take their texts from it.
    translation_ = std::make_unique<InterfaceTranslation>(game_.language());
    window_ = std::make_unique<MainWindow>(game_);
    const std::string_view caption = TitleScreenCaption(game_.language());
    window_->setWindowTitle(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    window_->setWindowIcon(ProgramIcon());
    platform_.AttachWindow(window_.get());
    dialogs_ = std::make_unique<ModelessDialogs>(*window_);
    connect(dialogs_.get(), &ModelessDialogs::openChanged, this, &GameShell::RefreshMenu);
    nextMove_ = std::make_unique<NextMoveKey>(game_, window_.get());
    connect(&window_->menu(), &GameMenu::commandChosen, this, &GameShell::RunCommand);
    connect(window_.get(), &MainWindow::closing, this, [this] {
        timer_.Stop();
        dialogs_->CloseAll();
        if (help_) {
            help_->close();
        }
    });
    RefreshMenu();
    zoom_ = new WindowZoom(*window_, settings_);
    window_->CentreOnScreen();
    window_->show();
    timer_.Start();
    game_.ShowTitleScreen();
    game_.PlayStartJingle();
}

void GameShell::ShutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    timer_.Stop();
    nextMove_.reset(); // a plan still running is cancelled
    game_.ShutDown();
    sound_.Stop();
}

void GameShell::RequestQuit() {
    if (window_) {
        window_->close();
    }
}

bool GameShell::PlayTimerMayRun() const {
    return applicationActive_ && window_ && !window_->menu().AnyOpen();
}

void GameShell::RefreshMenu() {
    if (window_ && dialogs_) {
        window_->menu().Apply(ShownMenu(game_.GetMenuMarks(), dialogs_->Opened()));
    }
}

void GameShell::ShowHelp() {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(game_.language());
        help_->setWindowIcon(window_->windowIcon());
        // Opened the first time beside the game; from then on it stays
        // where the player leaves it.
        const QRect place =
            PlaceBesideWindow(*window_, help_->frameGeometry().size(), QSize(320, 240));
        help_->move(place.topLeft());
        help_->resize(place.size());
    }
    help_->ShowContents();
}

void GameShell::RunCommand(int id) {
    const CommandEffect effect = game_.OnCommand(id);
    switch (effect) {
    case CommandEffect::OpenHelp:
        ShowHelp();
        break;
    case CommandEffect::Quit:
        // Like a posted close: the menu finishes its own work first.
        QMetaObject::invokeMethod(this, &GameShell::RequestQuit, Qt::QueuedConnection);
        break;
    case CommandEffect::OpenAbout:
        // The game has played its jingle already.
        dialogs_->RunModal(new AboutBox(game_.language(), window_.get()));
        break;
    case CommandEffect::OpenSizeDialog:
        Open<SizeDialog>(DialogKind::Size, game_, events_);
        break;
    case CommandEffect::OpenStageNumberDialog:
        Open<StageNumberDialog>(DialogKind::StageNumber, game_, events_);
        break;
    case CommandEffect::OpenChallengeDialog:
        game_.TakeStoredChallengeProgress();
        Open<ChallengeDialog>(DialogKind::Challenge, game_, events_);
        break;
    case CommandEffect::OpenSearchDialog:
        Open<SearchDialog>(DialogKind::Search, game_, *dialogs_, searchCriteria_);
        break;
    case CommandEffect::OpenHistoryDialog:
        // Its item stays usable while it is open: choosing it again brings
        // the open dialog forward with the list it read when it opened.
        Open<HistoryDialog>(DialogKind::History, game_, history_);
        break;
    case CommandEffect::None:
        break;
    }
    // A checkable item toggles itself when chosen; the game decides.
    RefreshMenu();
}

} // namespace fenx
