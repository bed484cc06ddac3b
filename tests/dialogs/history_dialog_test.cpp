// The history dialog: the lines of fenx.log with their marks, a file that
// gives no lines, Start at the entry's own size, one dialog at a time with a
// list read when it opens, and a long history.
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include <string>

#include "dialog_fixture.h"
#include "dialogs/column_label.h"
#include "dialogs/dialog_list.h"
#include "dialogs/history_dialog.h"

namespace fenx {
namespace {

// 4829 at 12 x 4 played twice, solved the second time, then at 7 x 4.
constexpr const char* kPlayedTwice = "0 24/03/09 10:15 12 4 4829\n"
                                     "1 24/03/09 10:20 12 4 4829\n"
                                     "0 24/03/09 10:25 7 4 4829\n";

class HistoryDialogTest : public DialogTest {
  protected:
    void WriteHistory(const std::string& text) {
        QFile file(sandbox() + QStringLiteral("/fenx.log"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    HistoryDialog& Open() {
        if (!started_) {
            StartShell();
            started_ = true;
        }
        dialog_ = OpenByMenu<HistoryDialog>(CmdHistory, DialogKind::History);
        EXPECT_NE(dialog_, nullptr);
        return *dialog_;
    }
    DialogList& list() { return dialog_->list(); }
    int Lines() { return list().model()->rowCount(); }
    QString Line(int row) { return list().model()->index(row, 0).data().toString(); }
    void Select(int row) { list().setCurrentIndex(list().model()->index(row, 0)); }
    Game& game() { return shell().game(); }

    HistoryDialog* dialog_ = nullptr;
    bool started_ = false;
};

TEST_F(HistoryDialogTest, ListsTheLinesOldestFirstWithTheirMarks) {
    WriteHistory(kPlayedTwice);
    Open();
    ASSERT_EQ(Lines(), 3);
    EXPECT_EQ(Line(0), QStringLiteral("―  24/03/09 10:15  12x4  4829"));
    EXPECT_EQ(Line(1), QStringLiteral("■  24/03/09 10:20  12x4  4829"));
    EXPECT_EQ(Line(2), QStringLiteral("□  24/03/09 10:25  7x4  4829"));
    EXPECT_EQ(list().SelectedRow(), -1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    EXPECT_EQ(dialog_->focusWidget(), &list());
}

TEST_F(HistoryDialogTest, FiveDigitLinesShowWholeUnderTheirTitles) {
    // The widest lines the game writes, 38 x 10 and 12 x 4 with five-digit
    // numbers, and narrow ones between, enough to need the scroll bar.
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += i % 3 == 0   ? "1 24/03/09 10:20 38 10 " + std::to_string(11170 + i) + "\n"
                : i % 3 == 1 ? "0 24/03/09 10:21 12 4 " + std::to_string(48290 + i) + "\n"
                             : "0 24/03/09 10:22 7 4 " + std::to_string(i) + "\n";
    }
    WriteHistory(text);
    Open();
    const auto lines = ExpectLinesShowWhole(list());
    // Each title stands over its column, the span of its fields in all the
    // lines: 日付 over the dates, 時刻 over the times, サイズ over the sizes,
    // 面 over the stage numbers.
    auto* header = dialog_->findChild<ColumnLabel*>(QStringLiteral("static0"));
    ASSERT_NE(header, nullptr);
    const std::vector<ColumnLabel::PlacedWord> titles = header->PlaceWords();
    ASSERT_EQ(titles.size(), 4u);
    std::vector<QRect> columns(5);
    for (const auto& fields : lines) {
        ASSERT_EQ(fields.size(), 5u);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            columns[f] |= fields[f].rect;
        }
    }
    const QPoint toView = list().viewport()->mapFrom(dialog_, header->pos());
    for (std::size_t t = 0; t < titles.size(); ++t) {
        const int centre = titles[t].rect.center().x() + toView.x();
        for (std::size_t f = 0; f < columns.size(); ++f) {
            EXPECT_EQ(centre >= columns[f].left() && centre <= columns[f].right(), f == t + 1)
                << titles[t].text.toStdString() << " at " << centre << ", column " << f;
        }
    }
    // The titles stay in the header's box.
    for (const ColumnLabel::PlacedWord& title : titles) {
        EXPECT_TRUE(header->rect().contains(title.rect)) << title.text.toStdString();
    }
}

TEST_F(HistoryDialogTest, HomeEndAndThePageKeysSelectTheLineStartPlays) {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "0 24/03/09 10:15 12 4 " + std::to_string(1000 + i) + "\n";
    }
    WriteHistory(text);
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    QWindow* window = dialog_->windowHandle();
    // On a list just opened the caret is on the first line: Home selects it.
    QTest::keyClick(window, Qt::Key_Home);
    EXPECT_EQ(list().SelectedRow(), 0);
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().CurrentStageNumber(), 1000);
    WaitForPlay();
    QTest::keyClick(window, Qt::Key_End);
    EXPECT_EQ(list().SelectedRow(), 39);
    QTest::keyClick(window, Qt::Key_PageUp);
    const int pageUp = list().SelectedRow();
    EXPECT_GT(pageUp, 20);
    EXPECT_LT(pageUp, 38);
    // A page down from there is as long as the page up was.
    QTest::keyClick(window, Qt::Key_Home);
    QTest::keyClick(window, Qt::Key_PageDown);
    EXPECT_EQ(list().SelectedRow(), 39 - pageUp);
    EXPECT_TRUE(list().visualRect(list().currentIndex()).intersects(list().viewport()->rect()));
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().CurrentStageNumber(), 1000 + 39 - pageUp);
}

TEST_F(HistoryDialogTest, NoFileAnEmptyFileAFolderOrAFifoGiveNoLines) {
    StartShell();
    started_ = true;
    const auto expectEmpty = [this] {
        Open();
        EXPECT_EQ(Lines(), 0);
        Press(*dialog_, kIdStart);
        EXPECT_EQ(game().Phase(), PhaseTitle);
        Press(*dialog_, kIdClose);
    };
    {
        SCOPED_TRACE("missing");
        expectEmpty();
    }
    {
        SCOPED_TRACE("empty");
        WriteHistory("");
        expectEmpty();
    }
    {
        SCOPED_TRACE("folder");
        ASSERT_TRUE(QFile::remove(sandbox() + QStringLiteral("/fenx.log")));
        ASSERT_TRUE(QDir(sandbox()).mkdir(QStringLiteral("fenx.log")));
        expectEmpty();
    }
    {
        // Nothing writes to it: opening must not wait for a writer.
        SCOPED_TRACE("fifo");
        ASSERT_TRUE(QDir(sandbox()).rmdir(QStringLiteral("fenx.log")));
        ASSERT_EQ(
            ::mkfifo((sandbox() + QStringLiteral("/fenx.log")).toLocal8Bit().constData(), 0600), 0);
        expectEmpty();
    }
}

TEST_F(HistoryDialogTest, StartWithoutASelectionDoesNothing) {
    WriteHistory(kPlayedTwice);
    Open();
    const std::string settings = SettingsText();
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().Phase(), PhaseTitle);
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(HistoryDialogTest, StartOfAnotherSizeResizesAndKeepsTheSizeFirst) {
    WriteHistory(kPlayedTwice);
    StartShell();
    started_ = true;
    // A history line ends a challenge.
    game().StartChallenge(0);
    WaitForPlay();
    Open();
    ASSERT_EQ(game().StageWidth(), 7);
    Select(1);
    Press(*dialog_, kIdStart);
    EXPECT_FALSE(game().ChallengeActive());
    EXPECT_EQ(game().StageWidth(), 12);
    EXPECT_EQ(game().StageHeight(), 4);
    EXPECT_EQ(game().CurrentStageNumber(), 4829);
    EXPECT_EQ(shell().window().surface().size(), QSize(224, 160));
    EXPECT_NE(SettingsText().find("x_size=12"), std::string::npos);
    EXPECT_NE(SettingsText().find("y_size=4"), std::string::npos);
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral(" 4829 面"));
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(HistoryDialogTest, DoubleClickStartsTheLineClicked) {
    WriteHistory(kPlayedTwice);
    Open();
    const QRect line = list().visualRect(list().model()->index(0, 0));
    ASSERT_FALSE(line.isEmpty());
    // The first click of the two presses the line, the second is the double click.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    EXPECT_EQ(game().StageWidth(), 12);
    EXPECT_EQ(game().CurrentStageNumber(), 4829);
}

TEST_F(HistoryDialogTest, ChosenAgainItComesForwardWithTheListItRead) {
    WriteHistory("1 97/08/26 21:07 12 4 4829\n");
    Open();
    HistoryDialog* first = dialog_;
    EXPECT_TRUE(Action(CmdHistory)->isEnabled());
    // Two stages from it: the first is written to the file when the second
    // starts, but the open list stays as it was read.
    Select(0);
    Press(*first, kIdStart);
    WaitForPlay();
    Press(*first, kIdStart);
    WaitForPlay();
    ASSERT_NE(HistoryText().find("12 4 4829\n0 "), std::string::npos);
    // Something else takes the input, then the item is chosen again.
    shell().window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shell().window()));
    Open();
    EXPECT_EQ(dialog_, first);
    EXPECT_EQ(shell().window().findChildren<HistoryDialog*>().size(), 1);
    EXPECT_EQ(Lines(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));
    // Closed and opened again, it reads the file anew.
    Press(*first, kIdClose);
    QCoreApplication::processEvents(); // the closed one is deleted later
    Open();
    EXPECT_EQ(Lines(), 2);
}

TEST_F(HistoryDialogTest, ALongHistoryListsEveryLine) {
    constexpr int kLines = 200'000;
    std::string text;
    text.reserve(static_cast<std::size_t>(kLines) * 28);
    for (int i = 0; i < kLines; ++i) {
        text += "0 24/03/09 10:15 7 4 ";
        text += std::to_string(i % 65536);
        text += '\n';
    }
    text += "1 24/03/09 23:59 7 4 1\n";
    WriteHistory(text);
    Open();
    ASSERT_EQ(Lines(), kLines + 1);
    // Stage 1 is solved in the last line, so all its earlier lines show it.
    EXPECT_EQ(Line(1), QStringLiteral("―  24/03/09 10:15  7x4  1"));
    EXPECT_EQ(Line(2), QStringLiteral("□  24/03/09 10:15  7x4  2"));
    EXPECT_EQ(Line(65536 + 1), QStringLiteral("―  24/03/09 10:15  7x4  1"));
    EXPECT_EQ(Line(kLines), QStringLiteral("■  24/03/09 23:59  7x4  1"));
    list().scrollToBottom();
    Select(kLines - 1);
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().CurrentStageNumber(), (kLines - 1) % 65536);
}

} // namespace
} // namespace fenx
