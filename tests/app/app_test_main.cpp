// The window tests run without a screen or a sound card, whatever the
// environment says, and share one application object.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication application(argc, argv);
    // Tests close main windows without ending the process.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
