// The stage-number dialog: its keypad, its Start, and how it follows the
// stages that start while it is open.
#include "dialog_fixture.h"
#include "dialogs/stage_number_dialog.h"

namespace fenx {
namespace {

class StageNumberDialogTest : public DialogTest {
  protected:
    StageNumberDialog& Open() {
        StartShell();
        dialog_ = OpenByMenu<StageNumberDialog>(106, DialogKind::StageNumber);
        EXPECT_NE(dialog_, nullptr);
        return *dialog_;
    }
    QString Shown() { return Text(*dialog_, kIdStageNumberEdit); }
    void Enter(const QString& text) { Type(*dialog_, kIdStageNumberEdit, text); }
    void Digit(int d) { Press(*dialog_, kIdDigit0 + d); }
    Game& game() { return shell().game(); }

    StageNumberDialog* dialog_ = nullptr;
};

TEST_F(StageNumberDialogTest, ShowsTheCurrentNumberWhenItOpens) {
    StartShell();
    shell().game().StartStageNumber(4829);
    WaitForPlay();
    auto* dialog = OpenByMenu<StageNumberDialog>(106, DialogKind::StageNumber);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(*dialog, kIdStageNumberEdit), QStringLiteral("4829"));
}

TEST_F(StageNumberDialogTest, OpenedDuringAChallengeShowsZero) {
    StartShell();
    shell().game().StartChallenge(3);
    WaitForPlay();
    ASSERT_TRUE(shell().game().ChallengeActive());
    ASSERT_NE(shell().game().CurrentStageNumber(), 0);
    auto* dialog = OpenByMenu<StageNumberDialog>(106, DialogKind::StageNumber);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(*dialog, kIdStageNumberEdit), QStringLiteral("0"));
    EXPECT_EQ(shell().game().CurrentStageNumber(), 0);
}

TEST_F(StageNumberDialogTest, DigitsShiftInAndKeepFiveAtMost) {
    Open();
    Press(*dialog_, kIdClearNumber);
    EXPECT_EQ(Shown(), QStringLiteral("0"));
    Digit(7);
    Digit(1);
    Digit(2);
    EXPECT_EQ(Shown(), QStringLiteral("712"));
    Enter(QStringLiteral("12345"));
    Digit(6);
    EXPECT_EQ(Shown(), QStringLiteral("23456"));
    // Every digit button adds its own digit.
    Press(*dialog_, kIdClearNumber);
    for (int d = 9; d >= 0; --d) {
        Digit(d);
    }
    EXPECT_EQ(Shown(), QStringLiteral("43210"));
}

TEST_F(StageNumberDialogTest, EveryAccessKeyPressCountsHoweverQuick) {
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    Press(*dialog_, kIdClearNumber);
    // Keys go to the window, as from the keyboard, 12 ms apart.
    QWindow* window = dialog_->windowHandle();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(window, Qt::Key_9, Qt::AltModifier, 12);
    }
    EXPECT_EQ(Shown(), QStringLiteral("99999"));
    for (const Qt::Key key : {Qt::Key_4, Qt::Key_8, Qt::Key_2, Qt::Key_9, Qt::Key_0}) {
        QTest::keyClick(window, key, Qt::AltModifier, 12);
    }
    EXPECT_EQ(Shown(), QStringLiteral("48290"));
    // With the focus on the keypad, a plain digit presses its button, just
    // as quickly.
    dialog_->Button(kIdDigit0 + 5)->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(window, Qt::Key_7, Qt::NoModifier, 12);
    }
    EXPECT_EQ(Shown(), QStringLiteral("90777"));
}

TEST_F(StageNumberDialogTest, PlusAndMinusOneWrapRound) {
    Open();
    Enter(QStringLiteral("65535"));
    Press(*dialog_, kIdPlusOne);
    EXPECT_EQ(Shown(), QStringLiteral("0"));
    Press(*dialog_, kIdMinusOne);
    EXPECT_EQ(Shown(), QStringLiteral("65535"));
}

TEST_F(StageNumberDialogTest, StartPlaysTheNumberAtTheCurrentSize) {
    Open();
    Enter(QStringLiteral("99999"));
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().CurrentStageNumber(), 65535);
    EXPECT_EQ(Shown(), QStringLiteral("65535"));
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral(" 65535 面"));
    EXPECT_EQ(game().StageWidth(), 7);
    EXPECT_EQ(game().StageHeight(), 4);
    // The dialog stays open.
    EXPECT_EQ(Opened<StageNumberDialog>(DialogKind::StageNumber), dialog_);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(StageNumberDialogTest, StartWithoutANumberDoesNothing) {
    Open();
    Enter(QString());
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().Phase(), PhaseTitle);
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral("ＤＯＤＩ"));
    EXPECT_EQ(Shown(), QString());
}

TEST_F(StageNumberDialogTest, StartEndsAChallenge) {
    StartShell();
    game().StartChallenge(0);
    WaitForPlay();
    dialog_ = OpenByMenu<StageNumberDialog>(106, DialogKind::StageNumber);
    ASSERT_NE(dialog_, nullptr);
    Enter(QStringLiteral("5"));
    Press(*dialog_, kIdStart);
    EXPECT_FALSE(game().ChallengeActive());
    EXPECT_EQ(game().CurrentStageNumber(), 5);
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral(" 5 面"));
}

TEST_F(StageNumberDialogTest, FollowsOrdinaryStagesButNotChallenges) {
    Open();
    Enter(QStringLiteral("123"));
    Choose(CmdRandomStage);
    EXPECT_EQ(Shown(), QString::number(game().CurrentStageNumber()));
    WaitForPlay();
    // A preset size from the menu starts an ordinary stage too.
    Choose(CmdSizeMedium);
    EXPECT_EQ(game().StageWidth(), 12);
    EXPECT_EQ(Shown(), QString::number(game().CurrentStageNumber()));
    WaitForPlay();
    Enter(QStringLiteral("123"));
    game().StartChallenge(5);
    ASSERT_TRUE(game().ChallengeActive());
    EXPECT_EQ(Shown(), QStringLiteral("123"));
}

} // namespace
} // namespace fenx
