// fenx: the game in a desktop window.
#include <QApplication>

#include <cstdio>

#include "app/game_shell.h"
#include "app/quit_signals.h"
#include "presentation/sprite_sheet.h"
#include "settings/history_file.h"
#include "settings/settings_store.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fenx"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fenx"));

    const std::optional<fenx::SpriteSheet> sheet = fenx::EmbeddedSpriteSheet();
    if (!sheet) {
        std::fprintf(stderr, "fenx: this build holds no sprite sheet\n");
        return 1;
    }
    fenx::GameShell shell(*sheet,
                          {fenx::DefaultSettingsFilePath(), std::string(fenx::kHistoryFileName)});
    fenx::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &fenx::QuitSignals::quitRequested, &shell,
                     &fenx::GameShell::RequestQuit);
    shell.Start();
    const int exitCode = QApplication::exec();
    shell.ShutDown();
    return exitCode;
}
