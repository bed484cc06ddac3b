// The size dialog: Start under the size limits, the edits that follow the
// size, the step arrows, and what the edits accept.
#include <QToolButton>

#include "dialog_fixture.h"
#include "dialogs/size_dialog.h"
#include "dialogs/up_down_arrows.h"

namespace fenx {
namespace {

class SizeDialogTest : public DialogTest {
  protected:
    SizeDialog& Open() {
        StartShell();
        dialog_ = OpenByMenu<SizeDialog>(CmdAnySize, DialogKind::Size);
        EXPECT_NE(dialog_, nullptr);
        return *dialog_;
    }
    void StartSize(const QString& width, const QString& height) {
        Type(*dialog_, kIdWidthEdit, width);
        Type(*dialog_, kIdHeightEdit, height);
        Press(*dialog_, kIdStart);
    }
    QString Width() { return Text(*dialog_, kIdWidthEdit); }
    QString Height() { return Text(*dialog_, kIdHeightEdit); }
    Game& game() { return shell().game(); }
    QSize Client() { return shell().window().surface().size(); }

    SizeDialog* dialog_ = nullptr;
};

TEST_F(SizeDialogTest, ShowsTheCurrentSize) {
    WriteSettings("[FENX]\nx_size=12\ny_size=4\n");
    Open();
    EXPECT_EQ(Width(), QStringLiteral("12"));
    EXPECT_EQ(Height(), QStringLiteral("4"));
}

TEST_F(SizeDialogTest, ImpossibleSizeDoesNothing) {
    Open();
    const std::string settings = SettingsText();
    StartSize(QStringLiteral("7"), QStringLiteral("3"));
    EXPECT_EQ(game().Phase(), PhaseTitle);
    EXPECT_EQ(game().StageWidth(), 7);
    EXPECT_EQ(game().StageHeight(), 4);
    EXPECT_EQ(SettingsText(), settings);
}

TEST_F(SizeDialogTest, TooNarrowStartsTheNarrowestAndKeepsTheTyping) {
    Open();
    StartSize(QStringLiteral("5"), QStringLiteral("4"));
    EXPECT_EQ(game().Phase(), PhaseOpening);
    EXPECT_EQ(game().StageWidth(), 7);
    EXPECT_EQ(game().StageHeight(), 4);
    // 7 x 4 was the size already: a new stage, no size change.
    EXPECT_EQ(Width(), QStringLiteral("5"));
    EXPECT_EQ(Height(), QStringLiteral("4"));
    EXPECT_EQ(Client(), QSize(144, 160));
}

TEST_F(SizeDialogTest, TooLargeStartsTheLargestAndPersistsIt) {
    Open();
    StartSize(QStringLiteral("40"), QStringLiteral("12"));
    EXPECT_EQ(game().StageWidth(), 38);
    EXPECT_EQ(game().StageHeight(), 10);
    EXPECT_EQ(Width(), QStringLiteral("38"));
    EXPECT_EQ(Height(), QStringLiteral("10"));
    EXPECT_NE(SettingsText().find("x_size=38"), std::string::npos);
    EXPECT_NE(SettingsText().find("y_size=10"), std::string::npos);
    EXPECT_EQ(Client(), QSize(640, 352));
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(SizeDialogTest, EmptyEditKeepsTheCurrentValue) {
    Open();
    StartSize(QStringLiteral("8"), QString());
    EXPECT_EQ(game().StageWidth(), 8);
    EXPECT_EQ(game().StageHeight(), 4);
    EXPECT_EQ(Height(), QStringLiteral("4"));
}

TEST_F(SizeDialogTest, EightByFiveGivesItsWindow) {
    Open();
    StartSize(QStringLiteral("8"), QStringLiteral("5"));
    EXPECT_EQ(Client(), QSize(160, 192));
    EXPECT_EQ(game().GetMenuMarks().sizeMark, 3);
}

TEST_F(SizeDialogTest, StartEndsAChallenge) {
    StartShell();
    game().StartChallenge(0);
    WaitForPlay();
    dialog_ = OpenByMenu<SizeDialog>(CmdAnySize, DialogKind::Size);
    ASSERT_NE(dialog_, nullptr);
    StartSize(QStringLiteral("8"), QStringLiteral("5"));
    EXPECT_FALSE(game().ChallengeActive());
    EXPECT_EQ(game().StageWidth(), 8);
}

TEST_F(SizeDialogTest, EditsFollowEverySizeChange) {
    Open();
    Choose(CmdSizeMedium);
    EXPECT_EQ(Width(), QStringLiteral("12"));
    EXPECT_EQ(Height(), QStringLiteral("4"));
    WaitForPlay();
    Choose(CmdSizeHard);
    EXPECT_EQ(Width(), QStringLiteral("7"));
    EXPECT_EQ(Height(), QStringLiteral("8"));
    WaitForPlay();
    // A stage at the same size leaves what was typed.
    Type(*dialog_, kIdWidthEdit, QStringLiteral("30"));
    Choose(CmdSizeHard);
    EXPECT_EQ(Width(), QStringLiteral("30"));
}

TEST_F(SizeDialogTest, ArrowsAndArrowKeysStepByOne) {
    Open();
    auto* width = dialog_->findChild<UpDownArrows*>(QString::number(kIdWidthArrows));
    auto* height = dialog_->findChild<UpDownArrows*>(QString::number(kIdHeightArrows));
    ASSERT_TRUE(width && height);
    width->upArrow().click();
    EXPECT_EQ(Width(), QStringLiteral("8"));
    height->downArrow().click();
    EXPECT_EQ(Height(), QStringLiteral("3"));
    QTest::keyClick(dialog_->Edit(kIdHeightEdit), Qt::Key_Up);
    QTest::keyClick(dialog_->Edit(kIdHeightEdit), Qt::Key_Up);
    EXPECT_EQ(Height(), QStringLiteral("5"));
    QTest::keyClick(dialog_->Edit(kIdWidthEdit), Qt::Key_Down);
    EXPECT_EQ(Width(), QStringLiteral("7"));
    // An empty edit steps from 0 and never goes below it.
    Type(*dialog_, kIdWidthEdit, QString());
    width->downArrow().click();
    EXPECT_EQ(Width(), QStringLiteral("0"));
    width->upArrow().click();
    EXPECT_EQ(Width(), QStringLiteral("1"));
    // The arrows change the edits only; Start decides.
    EXPECT_EQ(game().Phase(), PhaseTitle);
}

TEST_F(SizeDialogTest, EditsTakeFiveDigitsAndNothingElse) {
    Open();
    NumberEdit& edit = *dialog_->Edit(kIdWidthEdit);
    Type(*dialog_, kIdWidthEdit, QStringLiteral("1234567"));
    EXPECT_EQ(edit.text(), QStringLiteral("12345"));
    Type(*dialog_, kIdWidthEdit, QStringLiteral("1a2-3 "));
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
    // Pasted text with anything but digits is refused whole; a longer one
    // is cut to five characters.
    edit.clear();
    edit.insert(QStringLiteral("3x4"));
    EXPECT_EQ(edit.text(), QString());
    edit.insert(QStringLiteral("１２"));
    EXPECT_EQ(edit.text(), QString());
    edit.insert(QStringLiteral("98765432"));
    EXPECT_EQ(edit.text(), QStringLiteral("98765"));
    edit.insert(QStringLiteral("1"));
    EXPECT_EQ(edit.text(), QStringLiteral("98765"));
    // 98765 is a number; Start clamps it to 38.
    Type(*dialog_, kIdHeightEdit, QStringLiteral("4"));
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().StageWidth(), 38);
}

} // namespace
} // namespace fenx
