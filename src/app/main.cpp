// SPDX-License-Identifier: MIT
// fenx: the game in a desktop window.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/game_shell.h"
#include "app/quit_signals.h"
#include "core/generator_path.h"
#include "presentation/sprite_sheet.h"
#include "settings/history_file.h"
#include "settings/settings_store.h"

#ifndef FENX_VERSION
#error "FENX_VERSION must hold the program's version"
#endif

namespace {

bool EnvironmentHolds(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Whether a window can be opened at all: a desktop session, or a platform
// chosen by hand (the tests run on Qt's offscreen one).
bool GraphicalSessionAvailable() {
    return EnvironmentHolds("DISPLAY") || EnvironmentHolds("WAYLAND_DISPLAY") ||
           EnvironmentHolds("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) below fenx.log or fenx.ini makes a write
    // fail like one on a full disk instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // Without a display Qt would abort; the options are still read, so
    // --help and --version work anywhere.
    const bool graphical = GraphicalSessionAvailable();
    std::unique_ptr<QCoreApplication> application;
    if (graphical) {
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("fenx"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FENX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("FENX, a tetromino puzzle: drag the blocks with the mouse until the rows "
                       "are full.\nThe game takes no arguments; it keeps its settings in "
                       "~/.config/fenx/fenx.ini\nand its history in fenx.log in the folder it "
                       "runs in. A settings file over 1 MiB is\nnot read and never replaced: the "
                       "game then plays on its defaults. The History\ndialog lists the stages of "
                       "the last 8 MiB of fenx.log."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "fenx: %s Try fenx --help.\n", qPrintable(parser.errorText()));
        return 2;
    }
    // Both print on stdout and end the program with status 0.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "fenx: unexpected argument '%s' (see fenx --help)\n",
                     qPrintable(parser.positionalArguments().front()));
        return 2;
    }
    if (!graphical) {
        std::fprintf(stderr, "fenx: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set); start the game from a desktop\n");
        return 2;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("fenx"));
    // A generator path the processor cannot run, or no path's name, would end
    // the game at its first stage, long after the window opened: it is said
    // now and the game chooses its own path.
    std::string pathError;
    if (!fenx::ChooseGeneratorPath(std::getenv("FENX_GENERATOR_PATH"), pathError)) {
        std::fprintf(stderr, "fenx: %s; the game uses the fastest path this processor runs\n",
                     pathError.c_str());
        ::unsetenv("FENX_GENERATOR_PATH");
    }

    const std::optional<fenx::SpriteSheet> sheet = fenx::EmbeddedSpriteSheet();
    if (!sheet) {
        std::fprintf(stderr, "fenx: this build holds no sprite sheet\n");
        return 1;
    }
    fenx::GameShell shell(*sheet,
                          {fenx::DefaultSettingsFilePath(), std::string(fenx::kHistoryFileName)});
    // When the display is lost the window system's library calls exit():
    // the stage in play still gets its history line, as with a signal.
    const fenx::ExitGuard lastWords([&shell] { shell.ShutDown(); });
    fenx::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &fenx::QuitSignals::quitRequested, &shell,
                     &fenx::GameShell::RequestQuit);
    shell.Start();
    const int exitCode = QApplication::exec();
    shell.ShutDown();
    return exitCode;
}
