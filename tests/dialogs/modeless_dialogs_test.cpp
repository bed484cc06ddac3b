// The dialogs beside the main window: opening grays their menu item, every
// way of closing enables it again, a second opening only brings the dialog
// forward; the keyboard works in them; the about box takes the input away
// from all of them while it is shown.
#include <QCloseEvent>
#include <QCoreApplication>

#include "dialog_fixture.h"
#include "dialogs/about_box.h"
#include "dialogs/size_dialog.h"
#include "dialogs/stage_number_dialog.h"

namespace fenx {
namespace {

struct MenuDialog {
    DialogKind kind;
    int command;
};
constexpr MenuDialog kSizeDialog{DialogKind::Size, CmdAnySize};
constexpr MenuDialog kStageNumberDialog{DialogKind::StageNumber, CmdStageNumber};

using ModelessDialogsTest = DialogTest;

TEST_F(ModelessDialogsTest, OpenDialogGraysItsItemUntilClosedAnyWay) {
    GameShell& shell = StartShell();
    // Close (id 3), Escape, and the window's close box.
    const auto closeButton = [](TemplateDialog& d) { Press(d, kIdClose); };
    const auto escape = [](TemplateDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    const auto closeBox = [](TemplateDialog& d) { d.close(); };
    for (const MenuDialog& which : {kSizeDialog, kStageNumberDialog}) {
        for (const auto& close : std::initializer_list<std::function<void(TemplateDialog&)>>{
                 closeButton, escape, closeBox}) {
            SCOPED_TRACE(which.command);
            EXPECT_TRUE(Action(which.command)->isEnabled());
            auto* dialog = OpenByMenu<TemplateDialog>(which.command, which.kind);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_FALSE(Action(which.command)->isEnabled());
            EXPECT_TRUE(shell.dialogs().Opened()[which.kind]);
            close(*dialog);
            EXPECT_EQ(shell.dialogs().Find(which.kind), nullptr);
            EXPECT_FALSE(shell.dialogs().Opened()[which.kind]);
            EXPECT_TRUE(Action(which.command)->isEnabled());
            EXPECT_FALSE(dialog->isVisible());
        }
    }
}

TEST_F(ModelessDialogsTest, DialogsBelongToTheMainWindowAndOpenBesideIt) {
    GameShell& shell = StartShell();
    auto* size = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    auto* number =
        OpenByMenu<StageNumberDialog>(kStageNumberDialog.command, kStageNumberDialog.kind);
    ASSERT_TRUE(size && number);
    for (QDialog* dialog : {static_cast<QDialog*>(size), static_cast<QDialog*>(number)}) {
        EXPECT_EQ(dialog->parentWidget(), &shell.window());
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_FALSE(dialog->isModal());
        EXPECT_FALSE(dialog->frameGeometry().intersects(shell.window().frameGeometry()));
    }
    EXPECT_FALSE(size->frameGeometry().intersects(number->frameGeometry()));
    // Both items are grayed at once.
    EXPECT_FALSE(Action(CmdAnySize)->isEnabled());
    EXPECT_FALSE(Action(CmdStageNumber)->isEnabled());
}

TEST_F(ModelessDialogsTest, DialogsKeepBesideTheGrowingWindowUntilThePlayerMovesOne) {
    GameShell& shell = StartShell();
    MainWindow& window = shell.window();
    auto* size = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    auto* number =
        OpenByMenu<StageNumberDialog>(kStageNumberDialog.command, kStageNumberDialog.kind);
    ASSERT_TRUE(size && number);
    const auto apart = [&] {
        return !size->frameGeometry().intersects(window.frameGeometry()) &&
               !number->frameGeometry().intersects(window.frameGeometry()) &&
               !size->frameGeometry().intersects(number->frameGeometry());
    };
    const QPoint numberAtOne = number->pos();
    // Zoomed to 3x, the window grows over where the dialogs were.
    shell.zoom().ZoomIn();
    shell.zoom().ZoomIn();
    ASSERT_EQ(window.zoom(), 3);
    EXPECT_TRUE(QTest::qWaitFor(apart));
    EXPECT_TRUE(QTest::qWaitFor([&] { return number->pos() != numberAtOne; }));
    // A larger stage and a moved window: still beside it.
    Choose(CmdSizeHard);
    window.move(window.pos() + QPoint(-40, 30));
    EXPECT_TRUE(QTest::qWaitFor(apart));
    // The player moves one dialog: it stays there from now on, the other
    // keeps following.
    const QPoint put(5, 5);
    number->move(put);
    Wait(20);
    const QPoint sizeBefore = size->pos();
    shell.zoom().Reset();
    window.move(window.pos() + QPoint(60, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return size->pos() != sizeBefore; }));
    Wait(20);
    EXPECT_EQ(number->pos(), put);
    EXPECT_FALSE(size->frameGeometry().intersects(window.frameGeometry()));
}

TEST_F(ModelessDialogsTest, OpeningAgainBringsTheSameDialogForward) {
    GameShell& shell = StartShell();
    auto* first = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    ASSERT_NE(first, nullptr);
    int made = 0;
    QDialog* again = shell.dialogs().Open(DialogKind::Size, [&made](QWidget&) -> QDialog* {
        ++made;
        return nullptr;
    });
    EXPECT_EQ(again, first);
    EXPECT_EQ(made, 0);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));
}

TEST_F(ModelessDialogsTest, ClosingTheMainWindowClosesTheDialogs) {
    GameShell& shell = StartShell();
    QPointer<QDialog> size = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    ASSERT_TRUE(size);
    shell.RequestQuit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!size || !size->isVisible());
    EXPECT_EQ(shell.dialogs().Find(DialogKind::Size), nullptr);
}

TEST_F(ModelessDialogsTest, EnterPressesTheDefaultOrTheFocusedButton) {
    GameShell& shell = StartShell();
    auto* dialog = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    // On the Start button, Enter starts.
    Type(*dialog, kIdWidthEdit, QStringLiteral("8"));
    Type(*dialog, kIdHeightEdit, QStringLiteral("5"));
    dialog->Button(kIdStart)->setFocus();
    QTest::keyClick(dialog->Button(kIdStart), Qt::Key_Return);
    EXPECT_EQ(shell.game().StageWidth(), 8);
    EXPECT_TRUE(dialog->isVisible());
    // In an edit it presses the default button, Close.
    dialog->Edit(kIdWidthEdit)->setFocus();
    QTest::keyClick(dialog->Edit(kIdWidthEdit), Qt::Key_Return);
    EXPECT_EQ(shell.dialogs().Find(DialogKind::Size), nullptr);
}

TEST_F(ModelessDialogsTest, AltWithTheMarkedLetterPressesTheButton) {
    GameShell& shell = StartShell();
    auto* dialog =
        OpenByMenu<StageNumberDialog>(kStageNumberDialog.command, kStageNumberDialog.kind);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    NumberEdit& edit = *dialog->Edit(kIdStageNumberEdit);
    // Keys go to the window, as from the keyboard, so that the application
    // finds the shortcut.
    Type(*dialog, kIdStageNumberEdit, QStringLiteral("123"));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("0"); }));
    for (const Qt::Key key : {Qt::Key_4, Qt::Key_8, Qt::Key_2, Qt::Key_9}) {
        const QString before = edit.text();
        QTest::keyClick(dialog->windowHandle(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() != before; }));
    }
    EXPECT_EQ(edit.text(), QStringLiteral("4829"));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("4830"); }));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("4829"); }));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.game().CurrentStageNumber() == 4829; }));
    EXPECT_EQ(shell.window().windowTitle(), QStringLiteral(" 4829 面"));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return shell.dialogs().Find(DialogKind::StageNumber) == nullptr; }));
}

TEST_F(ModelessDialogsTest, DialogsWorkWhileAStageIsDragged) {
    GameShell& shell = StartShell();
    StartStageByClick();
    auto* dialog =
        OpenByMenu<StageNumberDialog>(kStageNumberDialog.command, kStageNumberDialog.kind);
    ASSERT_NE(dialog, nullptr);
    // A button held down in the main window on the pile's bottom row, as
    // in a drag.
    QTest::mousePress(&shell.window().surface(), Qt::LeftButton, Qt::NoModifier, QPoint(72, 136));
    Press(*dialog, kIdClearNumber);
    Press(*dialog, kIdDigit0 + 9);
    Press(*dialog, kIdStart);
    EXPECT_EQ(shell.game().CurrentStageNumber(), 9);
    QTest::mouseRelease(&shell.window().surface(), Qt::LeftButton, Qt::NoModifier, QPoint(72, 136));
}

TEST_F(ModelessDialogsTest, AboutBoxTakesTheInputFromEveryWindowUntilOk) {
    GameShell& shell = StartShell();
    auto* size = OpenByMenu<SizeDialog>(kSizeDialog.command, kSizeDialog.kind);
    auto* number =
        OpenByMenu<StageNumberDialog>(kStageNumberDialog.command, kStageNumberDialog.kind);
    ASSERT_TRUE(size && number);
    Choose(CmdAbout);
    QPointer<QDialog> box = shell.dialogs().Modal();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(shell.window().isEnabled());
    EXPECT_FALSE(size->isEnabled());
    EXPECT_FALSE(number->isEnabled());
    // Clicks in a disabled dialog do nothing.
    QTest::mouseClick(number->Button(kIdDigit0 + 7), Qt::LeftButton);
    EXPECT_EQ(Text(*number, kIdStageNumberEdit), QStringLiteral("0"));
    Press(*static_cast<AboutBox*>(box.data()), kIdOk);
    EXPECT_EQ(shell.dialogs().Modal(), nullptr);
    EXPECT_FALSE(box && box->isVisible());
    EXPECT_TRUE(shell.window().isEnabled());
    EXPECT_TRUE(size->isEnabled());
    EXPECT_TRUE(number->isEnabled());
    EXPECT_TRUE(number->Button(kIdDigit0 + 7)->isEnabled());
    QTest::mouseClick(number->Button(kIdDigit0 + 7), Qt::LeftButton);
    EXPECT_EQ(Text(*number, kIdStageNumberEdit), QStringLiteral("7"));
    // The modeless dialogs stayed open all along.
    EXPECT_EQ(shell.dialogs().Find(DialogKind::Size), size);
    EXPECT_FALSE(Action(CmdAnySize)->isEnabled());
}

TEST_F(ModelessDialogsTest, AboutBoxEndsWithEscapeToo) {
    GameShell& shell = StartShell();
    Choose(CmdAbout);
    QPointer<QDialog> box = shell.dialogs().Modal();
    ASSERT_TRUE(box);
    EXPECT_FALSE(shell.window().isEnabled());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(shell.dialogs().Modal(), nullptr);
    EXPECT_TRUE(shell.window().isEnabled());
    // The main window's commands work again.
    Choose(CmdRandomStage);
    EXPECT_EQ(shell.game().Phase(), PhaseOpening);
}

} // namespace
} // namespace fenx
