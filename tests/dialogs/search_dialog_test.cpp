// The search dialog: when Search may be pressed, the range it reads, the
// search on its progress dialog (results, cancel, the title it returns the
// game to) and starting a result.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <map>
#include <vector>

#include "dialog_fixture.h"
#include "dialogs/column_label.h"
#include "dialogs/search_dialog.h"
#include "dialogs/search_progress_dialog.h"
#include "presentation/shape_gallery.h"
#include "selection/parallel_search.h"
#include "support/game_probe.h"

namespace fenx {
namespace {

using C = CountCondition;

class SearchDialogTest : public DialogTest {
  protected:
    SearchDialog& Open(int width = 7, int height = 4) {
        WriteSettings("[FENX]\nx_size=" + std::to_string(width) +
                      "\ny_size=" + std::to_string(height) + "\n");
        StartShell();
        return Reopen();
    }
    SearchDialog& Reopen() {
        dialog_ = OpenByMenu<SearchDialog>(118, DialogKind::Search);
        EXPECT_NE(dialog_, nullptr);
        return *dialog_;
    }
    void Choose(std::size_t row, C value) {
        dialog_->combo(row).setCurrentIndex(static_cast<int>(value));
    }
    bool SearchEnabled() { return dialog_->Button(kIdSearchRun)->isEnabled(); }
    SearchProgressDialog* Progress() {
        return qobject_cast<SearchProgressDialog*>(shell().dialogs().Modal());
    }
    QString ProgressText(int id) {
        auto* label = Progress() ? qobject_cast<QLabel*>(Progress()->Control(id)) : nullptr;
        return label ? label->text() : QStringLiteral("<no progress dialog>");
    }
    // Presses Search; the progress dialog runs until the search ends.
    void SearchToEnd() {
        Press(*dialog_, kIdSearchRun);
        ASSERT_NE(Progress(), nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return Progress() == nullptr; }, 60000));
    }
    void SetRange(const QString& start, const QString& end) {
        Type(*dialog_, kIdSearchRangeStart, start);
        Type(*dialog_, kIdSearchRangeEnd, end);
    }
    ConditionSet Conditions() {
        ConditionSet set{};
        for (std::size_t o = 0; o < kOrientationCount; ++o) {
            set[o] = static_cast<C>(dialog_->combo(o).currentIndex());
        }
        return set;
    }
    std::vector<int> Found() { return dialog_->resultsModel().stageNumbers(); }
    QString Line(int row) {
        const auto& model = dialog_->resultsModel();
        return model.data(model.index(row), Qt::DisplayRole).toString();
    }
    Game& game() { return shell().game(); }
    void ExpectTheEnginesResults(int width, int height,
                                 std::initializer_list<std::pair<std::size_t, C>> wanted, int first,
                                 int last);

    SearchDialog* dialog_ = nullptr;
};

TEST_F(SearchDialogTest, SearchNeedsConditionsThatNarrowAndFit) {
    Open(7, 4);
    // All "任意" at the start: every stage would match.
    EXPECT_FALSE(SearchEnabled());
    Choose(3, C::AtLeast1);
    EXPECT_TRUE(SearchEnabled());
    // All "０個": no stage is empty.
    Choose(kOrientationCount, C::Exactly0);
    Press(*dialog_, kIdSearchSetAll);
    EXPECT_FALSE(SearchEnabled());
    Choose(0, C::Exactly1);
    EXPECT_TRUE(SearchEnabled());
    // Two blocks of each of four orientations: eight, but 7 x 4 has seven.
    Choose(kOrientationCount, C::Any);
    Press(*dialog_, kIdSearchSetAll);
    for (std::size_t o : {0, 2, 5, 11}) {
        Choose(o, C::AtLeast2);
    }
    EXPECT_FALSE(SearchEnabled());
}

TEST_F(SearchDialogTest, EightBlocksFitTwelveByFourAndASizeChangeLeavesTheButton) {
    Open(12, 4);
    for (std::size_t o : {0, 2, 5, 11}) {
        Choose(o, C::Exactly2);
    }
    EXPECT_TRUE(SearchEnabled());
    game().StartStageOfSize(7, 4, -1);
    WaitForPlay();
    ASSERT_EQ(game().StageWidth(), 7);
    EXPECT_TRUE(SearchEnabled());
    // The next change of a condition decides at the new size.
    Choose(5, C::AtLeast2);
    EXPECT_FALSE(SearchEnabled());
}

TEST_F(SearchDialogTest, SetAllChoosesTheValueForEveryOrientation) {
    Open();
    Choose(4, C::Exactly3);
    Choose(kOrientationCount, C::AtLeast1);
    Press(*dialog_, kIdSearchSetAll);
    for (std::size_t o = 0; o < kOrientationCount; ++o) {
        EXPECT_EQ(dialog_->combo(o).currentText(), QStringLiteral("１以上")) << o;
    }
    EXPECT_EQ(dialog_->combo(kOrientationCount).currentText(), QStringLiteral("１以上"));
    // Nineteen blocks do not fit 7 x 4.
    EXPECT_FALSE(SearchEnabled());
}

TEST_F(SearchDialogTest, ConditionsAndRangeOutliveTheDialogButResultsDoNot) {
    Open();
    Choose(1, C::Exactly0);
    Choose(kOrientationCount, C::AtLeast3);
    SetRange(QStringLiteral("100"), QStringLiteral("400"));
    SearchToEnd();
    EXPECT_FALSE(Found().empty());
    Press(*dialog_, kIdClose);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Opened<SearchDialog>(DialogKind::Search); }));
    Reopen();
    EXPECT_EQ(dialog_->combo(1).currentText(), QStringLiteral("０個"));
    EXPECT_EQ(dialog_->combo(kOrientationCount).currentText(), QStringLiteral("３以上"));
    EXPECT_EQ(Text(*dialog_, kIdSearchRangeStart), QStringLiteral("100"));
    EXPECT_EQ(Text(*dialog_, kIdSearchRangeEnd), QStringLiteral("400"));
    EXPECT_TRUE(SearchEnabled());
    EXPECT_EQ(dialog_->resultsModel().rowCount(), 0);
}

// Searches at this size and compares with the engine's search, which is
// what the command-line search prints.
void SearchDialogTest::ExpectTheEnginesResults(
    int width, int height, std::initializer_list<std::pair<std::size_t, C>> wanted, int first,
    int last) {
    Open(width, height);
    for (const auto& [o, value] : wanted) {
        Choose(o, value);
    }
    SetRange(QString::number(first), QString::number(last));
    SearchToEnd();
    const std::vector<int> expected =
        SearchStageNumbers(Conditions(), width, height, first, last, 1);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Found(), expected);
    const auto& model = dialog_->resultsModel();
    const int newest = static_cast<int>(expected.size()) - 1;
    for (int row : {0, newest}) {
        const int n = expected[static_cast<std::size_t>(row)];
        EXPECT_EQ(Line(row), QStringLiteral(" %1 : %2").arg(row + 1).arg(n));
        EXPECT_EQ(model.data(model.index(row), Qt::UserRole).toInt(), n);
    }
    // The newest match is the selected line.
    EXPECT_EQ(dialog_->results().currentIndex().row(), newest);
    EXPECT_TRUE(dialog_->results().selectionModel()->isSelected(model.index(newest)));
}

TEST_F(SearchDialogTest, ResultsAreTheEnginesOnTheSmallestStage) {
    ExpectTheEnginesResults(7, 4, {{0, C::AtLeast1}, {1, C::Exactly0}}, 0, 2000);
}

TEST_F(SearchDialogTest, ResultsAreTheEnginesAtTheTopOfTheRange) {
    ExpectTheEnginesResults(12, 4, {{3, C::AtLeast2}}, 60000, 65535);
}

TEST_F(SearchDialogTest, ResultsAreTheEnginesOnTheLargestStage) {
    ExpectTheEnginesResults(38, 10, {{11, C::AtLeast3}, {13, C::Exactly2}, {0, C::AtLeast4}}, 10,
                            8000);
}

TEST_F(SearchDialogTest, ARangeOfOneNumberTestsJustThatNumber) {
    Open(7, 4);
    Choose(0, C::AtLeast1);
    const std::vector<int> matches = SearchStageNumbers(Conditions(), 7, 4, 0, 300, 1);
    ASSERT_FALSE(matches.empty());
    const int hit = matches.front();
    SetRange(QString::number(hit), QString::number(hit));
    Press(*dialog_, kIdSearchRun);
    EXPECT_EQ(ProgressText(kIdSearchTestedText), QStringLiteral("検索面数 : 0/1 (0%)"));
    EXPECT_EQ(ProgressText(kIdSearchMatchedText), QStringLiteral("適合面数 : 0"));
    // Centred on the screen, whatever its owner.
    const QRect screen = Progress()->screen()->geometry();
    EXPECT_EQ(Progress()->x(), (screen.width() - Progress()->width()) / 2);
    EXPECT_EQ(Progress()->y(), (screen.height() - Progress()->height()) / 2);
    EXPECT_EQ(Progress()->windowTitle(), QStringLiteral("面検索実行"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Progress() == nullptr; }, 60000));
    EXPECT_EQ(Found(), std::vector<int>{hit});
}

TEST_F(SearchDialogTest, RangeEditsReadAsTheGameReadsThem) {
    Open(7, 4);
    Choose(0, C::AtLeast1);
    SetRange(QStringLiteral("30"), QStringLiteral("90"));
    SearchToEnd();
    // Above 65535: the end keeps its last value, the edit its text.
    SetRange(QStringLiteral("70000"), QStringLiteral("99999"));
    SearchToEnd();
    EXPECT_EQ(Found(), SearchStageNumbers(Conditions(), 7, 4, 30, 90, 1));
    EXPECT_EQ(Text(*dialog_, kIdSearchRangeStart), QStringLiteral("70000"));
    EXPECT_EQ(Text(*dialog_, kIdSearchRangeEnd), QStringLiteral("99999"));
    // No number reads as 0.
    SetRange(QString(), QStringLiteral("40"));
    SearchToEnd();
    EXPECT_EQ(Found(), SearchStageNumbers(Conditions(), 7, 4, 0, 40, 1));
    // An end below the start: the two are swapped.
    SetRange(QStringLiteral("500"), QStringLiteral("499"));
    Press(*dialog_, kIdSearchRun);
    EXPECT_EQ(ProgressText(kIdSearchTestedText), QStringLiteral("検索面数 : 0/2 (0%)"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Progress() == nullptr; }, 60000));
    EXPECT_EQ(Found(), SearchStageNumbers(Conditions(), 7, 4, 499, 500, 1));
    SetRange(QStringLiteral("65535"), QStringLiteral("0"));
    Press(*dialog_, kIdSearchRun);
    EXPECT_EQ(ProgressText(kIdSearchTestedText), QStringLiteral("検索面数 : 0/65536 (0%)"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Progress() == nullptr; }, 60000));
    EXPECT_EQ(Found(), SearchStageNumbers(Conditions(), 7, 4, 0, 65535, 0));
}

TEST_F(SearchDialogTest, CancelKeepsTheMatchesSoFarAndANewSearchStartsAfresh) {
    Open(38, 10);
    Choose(0, C::AtLeast1);
    const std::vector<int> full = SearchStageNumbers(Conditions(), 38, 10, 0, 65535, 0);
    Press(*dialog_, kIdSearchRun);
    ASSERT_NE(Progress(), nullptr);
    // While it runs only the progress dialog takes input.
    EXPECT_FALSE(shell().window().isEnabled());
    EXPECT_FALSE(dialog_->isEnabled());
    EXPECT_TRUE(Progress()->isEnabled());
    Wait(20);
    ASSERT_NE(Progress(), nullptr) << "the search ended before it could be cancelled";
    QTest::keyClick(Progress(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Progress() == nullptr; }));
    EXPECT_TRUE(shell().window().isEnabled());
    EXPECT_TRUE(dialog_->isEnabled());
    const std::vector<int> kept = Found();
    ASSERT_LT(kept.size(), full.size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), full.begin())) << "not a prefix";

    SetRange(QStringLiteral("1000"), QStringLiteral("1300"));
    SearchToEnd();
    EXPECT_EQ(Found(), SearchStageNumbers(Conditions(), 38, 10, 1000, 1300, 1));
    EXPECT_EQ(Line(0), QStringLiteral(" 1 : %1").arg(Found().front()));
}

TEST_F(SearchDialogTest, ASearchEndsThePlayAndAResultStartsWithItsCountedBlocks) {
    Open(12, 4);
    game().StartChallenge(3);
    WaitForPlay();
    ASSERT_TRUE(game().ChallengeActive());
    Choose(2, C::Exactly1);
    Choose(6, C::AtLeast2);
    SetRange(QStringLiteral("0"), QStringLiteral("3000"));
    SearchToEnd();
    EXPECT_EQ(game().Phase(), PhaseTitle);
    EXPECT_EQ(shell().window().windowTitle(), QStringLiteral("ＤＯＤＩ"));
    ASSERT_GE(Found().size(), 2u);

    // Start takes the selected line, the newest.
    Press(*dialog_, kIdStart);
    EXPECT_FALSE(game().ChallengeActive());
    EXPECT_EQ(game().CurrentStageNumber(), Found().back());
    const OrientationCounts counts = CountOrientations(GameProbe::Stage(game()).blocks);
    EXPECT_EQ(counts[2], 1);
    EXPECT_GE(counts[6], 2);
    WaitForPlay();
    // A double click starts the line under it.
    const QModelIndex first = dialog_->resultsModel().index(0);
    dialog_->results().scrollTo(first);
    const QRect where = dialog_->results().visualRect(first);
    QTest::mouseClick(dialog_->results().viewport(), Qt::LeftButton, {}, where.center());
    EXPECT_EQ(game().CurrentStageNumber(), Found().back()) << "a single click only selects";
    QTest::mouseDClick(dialog_->results().viewport(), Qt::LeftButton, {}, where.center());
    EXPECT_EQ(game().CurrentStageNumber(), Found().front());
    EXPECT_TRUE(Opened<SearchDialog>(DialogKind::Search));
}

TEST_F(SearchDialogTest, StartWithoutResultsDoesNothing) {
    Open(7, 4);
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().Phase(), PhaseTitle);
}

TEST_F(SearchDialogTest, EachPictureStandsJustAboveItsOwnCombo) {
    Open();
    const auto& pictures = dialog_->pictures();
    // The top row's gap between its lowest picture and its combos.
    const int gap = dialog_->combo(0).y() - (pictures[0].bottom() + 1);
    EXPECT_GT(gap, 0);
    // The cells of each picture on its 16-pixel grid.
    const std::array<GalleryCopy, kGalleryCopyCount> cells = ShapeGalleryCopies();
    const auto onGrid = [&cells](std::size_t o) {
        QRect bounds;
        for (std::size_t j = 4 * o; j < 4 * o + 4; ++j) {
            const PixelRect& c = cells[j].destination;
            bounds |= QRect(c.x, c.y, c.width, c.height);
        }
        return bounds;
    };
    // The dialog as it paints itself.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_));
    const QImage shown = dialog_->grab().toImage();
    const QRgb background = dialog_->palette().color(QPalette::Window).rgb();
    std::map<int, int> lowest; // by the row's combo top
    std::map<int, int> shift;  // by the row's combo top
    for (std::size_t o = 0; o < kOrientationCount; ++o) {
        SCOPED_TRACE(o);
        const QRect own = dialog_->combo(o).geometry();
        const QRect& picture = pictures[o];
        // Each row moves down as a whole, the top one not at all, and no
        // picture sideways.
        EXPECT_EQ(picture.size(), onGrid(o).size());
        const QPoint moved = picture.topLeft() - onGrid(o).topLeft();
        EXPECT_EQ(moved.x(), 0);
        for (std::size_t j = 4 * o; j < 4 * o + 4; ++j) {
            const PixelRect& c = cells[j].destination;
            EXPECT_NE(shown.pixel(c.x + 8, c.y + moved.y() + 8), background) << "cell " << j;
        }
        EXPECT_EQ(shift.try_emplace(own.y(), moved.y()).first->second, moved.y());
        EXPECT_LE(picture.bottom(), own.top() - gap);
        lowest[own.y()] = std::max(lowest[own.y()], picture.bottom() + 1);
        // Clear of every combo above it in its column.
        for (std::size_t c = 0; c <= kOrientationCount; ++c) {
            const QRect other = dialog_->combo(c).geometry();
            if (other.y() < own.y() && other.left() < picture.right() &&
                picture.left() < other.right()) {
                EXPECT_GT(picture.top(), other.bottom()) << "under combo " << c;
            }
        }
    }
    ASSERT_EQ(lowest.size(), 4u);
    EXPECT_EQ(shift.begin()->second, 0);
    for (const auto& [top, bottom] : lowest) {
        EXPECT_EQ(top - bottom, gap) << "the row of combos at " << top;
    }
}

TEST_F(SearchDialogTest, TheRangesTildeShowsWholeBetweenItsEdits) {
    Open();
    auto* label = dialog_->findChild<ColumnLabel*>(QStringLiteral("static1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("検索範囲              ～"));
    const std::vector<ColumnLabel::PlacedWord> words = label->PlaceWords();
    ASSERT_EQ(words.size(), 2u);
    // The label as it paints itself: every pixel of ink right of 検索範囲 is
    // the ～, and all of it lies between the range's edits.
    const QImage ink = label->grab().toImage();
    const int from = dialog_->Edit(kIdSearchRangeStart)->geometry().right();
    const int to = dialog_->Edit(kIdSearchRangeEnd)->geometry().left();
    int tildeInk = 0;
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = words[0].rect.right() + 1; x < ink.width(); ++x) {
            if (qGray(ink.pixel(x, y)) < 128) {
                ++tildeInk;
                const int at = label->x() + x;
                EXPECT_TRUE(at > from && at < to) << at << " outside " << from << ".." << to;
            }
        }
    }
    EXPECT_GT(tildeInk, 4);
    // 検索範囲 itself ends left of the first edit.
    EXPECT_LT(label->x() + words[0].rect.right(), dialog_->Edit(kIdSearchRangeStart)->x());
}

TEST_F(SearchDialogTest, FiveDigitResultsShowWholeAndHomeSelectsTheFirst) {
    // More than ten thousand matches, so that the line numbers have five
    // digits too.
    Open(7, 4);
    Choose(0, C::AtLeast1);
    SetRange(QStringLiteral("0"), QStringLiteral("65535"));
    SearchToEnd();
    ASSERT_GE(Found().size(), 10000u);
    ASSERT_GE(Found().back(), 10000);
    // The newest line is selected and in view.
    ExpectLinesShowWhole(dialog_->results());
    dialog_->results().setFocus();
    QTest::keyClick(&dialog_->results(), Qt::Key_Home);
    EXPECT_EQ(dialog_->results().SelectedRow(), 0);
    ExpectLinesShowWhole(dialog_->results());
    Press(*dialog_, kIdStart);
    EXPECT_EQ(game().CurrentStageNumber(), Found().front());
}

TEST_F(SearchDialogTest, MenuItemIsGrayedWhileTheDialogIsOpen) {
    Open();
    EXPECT_FALSE(Action(118)->isEnabled());
    Press(*dialog_, kIdClose);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Action(118)->isEnabled(); }));
}

} // namespace
} // namespace fenx
