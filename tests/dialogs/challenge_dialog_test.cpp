// The challenge dialog: its marks from the stored progress and from a
// solution while it is open, Start by button, double click and keyboard,
// and the size change a challenge of another size brings.
#include <QScrollBar>

#include "dialog_fixture.h"
#include "dialogs/challenge_dialog.h"
#include "dialogs/dialog_list.h"
#include "selection/challenge_progress.h"
#include "selection/challenge_table.h"

namespace fenx {
namespace {

class ChallengeDialogTest : public DialogTest {
  protected:
    ChallengeDialog& Open() {
        if (!started_) {
            StartShell();
            started_ = true;
        }
        dialog_ = OpenByMenu<ChallengeDialog>(CmdChallenge, DialogKind::Challenge);
        EXPECT_NE(dialog_, nullptr);
        return *dialog_;
    }
    DialogList& list() { return dialog_->list(); }
    QString Line(int row) { return list().model()->index(row, 0).data().toString(); }
    void Select(int row) { list().setCurrentIndex(list().model()->index(row, 0)); }
    // The settings key with these rows solved.
    static std::string ProgressKey(std::initializer_list<int> rows) {
        ChallengeProgress progress;
        for (int row : rows) {
            progress.flags[static_cast<std::size_t>(row)] = true;
        }
        const auto text = EncodeChallengeProgress(progress);
        std::string line = "challenge=";
        line.append(text.data(), text.size());
        line += '\n';
        return line;
    }
    Game& game() { return shell().game(); }

    ChallengeDialog* dialog_ = nullptr;
    bool started_ = false;
};

TEST_F(ChallengeDialogTest, WithNothingSolvedEveryLineIsUnsolvedAndNoneSelected) {
    Open();
    ASSERT_EQ(list().model()->rowCount(), kChallengeCount);
    EXPECT_EQ(Line(0), QStringLiteral("□  7ブロック  初級1 まずは小手調べ"));
    EXPECT_EQ(Line(13), QStringLiteral("□ 12ブロック  中級1 緑が気持ちよさそうです"));
    EXPECT_EQ(Line(54), QStringLiteral("□ 14ブロック  上級25 赤がくせもの"));
    for (int row = 0; row < kChallengeCount; ++row) {
        EXPECT_TRUE(Line(row).startsWith(QStringLiteral("□"))) << row;
    }
    EXPECT_EQ(list().SelectedRow(), -1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    EXPECT_EQ(dialog_->focusWidget(), &list());
    // Every line, the longest included, fits beside the scroll bar.
    EXPECT_TRUE(list().verticalScrollBar()->isVisible());
    EXPECT_FALSE(list().horizontalScrollBar()->isVisible());
}

TEST_F(ChallengeDialogTest, StoredProgressMarksTheSolvedRows) {
    WriteSettings("[FENX]\n" + ProgressKey({0, 54}));
    Open();
    EXPECT_EQ(Line(0), QStringLiteral("■  7ブロック  初級1 まずは小手調べ"));
    EXPECT_TRUE(Line(1).startsWith(QStringLiteral("□")));
    EXPECT_TRUE(Line(54).startsWith(QStringLiteral("■")));
}

TEST_F(ChallengeDialogTest, ADamagedKeyReadsAsNothingSolved) {
    std::string key = ProgressKey({0});
    key.back() = 'a'; // 65 characters
    key += '\n';
    WriteSettings("[FENX]\n" + key);
    Open();
    EXPECT_TRUE(Line(0).startsWith(QStringLiteral("□")));
}

TEST_F(ChallengeDialogTest, SolvingWhileOpenTurnsTheMarkInPlace) {
    Open();
    Select(40);
    list().scrollToBottom();
    const int scrolled = list().verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    emit shell().events().challengeSolved(40);
    EXPECT_EQ(Line(40), QStringLiteral("■ 14ブロック  上級12 動かせないブロックがヒント"));
    EXPECT_TRUE(Line(39).startsWith(QStringLiteral("□")));
    EXPECT_EQ(list().model()->rowCount(), kChallengeCount);
    EXPECT_EQ(list().SelectedRow(), 40);
    EXPECT_EQ(list().verticalScrollBar()->value(), scrolled);
    // A row solved again keeps its mark.
    emit shell().events().challengeSolved(40);
    EXPECT_TRUE(Line(40).startsWith(QStringLiteral("■")));
}

TEST_F(ChallengeDialogTest, StartWithoutASelectionDoesNothing) {
    Open();
    const std::string settings = SettingsText();
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().Phase(), PhaseTitle);
    EXPECT_FALSE(game().ChallengeActive());
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(ChallengeDialogTest, StartOfAnotherSizeChangesAndKeepsTheSize) {
    Open();
    ASSERT_EQ(game().StageWidth(), 7);
    Select(11);
    Press(*dialog_, kIdStart);
    EXPECT_TRUE(game().ChallengeActive());
    EXPECT_EQ(game().StageWidth(), 8);
    EXPECT_EQ(game().StageHeight(), 4);
    EXPECT_NE(SettingsText().find("x_size=8"), std::string::npos);
    EXPECT_NE(SettingsText().find("y_size=4"), std::string::npos);
    EXPECT_EQ(shell().window().surface().size(), QSize(160, 160));
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral("初級＋ たまには違うサイズなど"));
    // The dialog stays open for the next one.
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(list().SelectedRow(), 11);
}

TEST_F(ChallengeDialogTest, DoubleClickStartsTheLineClicked) {
    Open();
    const QRect line = list().visualRect(list().model()->index(13, 0));
    ASSERT_FALSE(line.isEmpty());
    // The first click of the two presses the line, the second is the double click.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    EXPECT_TRUE(game().ChallengeActive());
    EXPECT_EQ(game().StageWidth(), 12);
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral("中級1 緑が気持ちよさそうです"));
}

TEST_F(ChallengeDialogTest, ArrowsHomeAndEndSelectAndAltSStartsTheLine) {
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    // Keys go to the window, as from the keyboard, so that the application
    // finds the shortcut.
    QWindow* window = dialog_->windowHandle();
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().SelectedRow() == 0; }));
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return game().ChallengeActive(); }));
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral("初級1 まずは小手調べ"));
    // From a selection the arrows move it.
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().SelectedRow() == 2; }));
    QTest::keyClick(window, Qt::Key_Up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().SelectedRow() == 1; }));
    // End and Home select the last and the first line.
    QTest::keyClick(window, Qt::Key_End);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().SelectedRow() == kChallengeCount - 1; }));
    QTest::keyClick(window, Qt::Key_Home);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().SelectedRow() == 0; }));
}

TEST_F(ChallengeDialogTest, ItsMenuItemIsGrayedWhileItIsOpen) {
    Open();
    EXPECT_FALSE(Action(CmdChallenge)->isEnabled());
    QTest::keyClick(dialog_, Qt::Key_Escape);
    EXPECT_EQ(shell().dialogs().Find(DialogKind::Challenge), nullptr);
    EXPECT_TRUE(Action(CmdChallenge)->isEnabled());
    Open();
    EXPECT_FALSE(Action(CmdChallenge)->isEnabled());
    Press(*dialog_, kIdClose);
    EXPECT_TRUE(Action(CmdChallenge)->isEnabled());
}

} // namespace
} // namespace fenx
