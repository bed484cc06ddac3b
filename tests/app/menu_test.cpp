// The menu bar: its items, in order, with their ids and mnemonics, and the
// marks and grayed items that follow the game's settings and dialogs.
#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <vector>

#include "shell_fixture.h"

namespace fenx {
namespace {

// One line of a popup: a command, a separator (id 0) or a submenu (id -1).
struct Item {
    int id;
    QString text;
};

std::vector<Item> Lines(const QMenu& menu) {
    std::vector<Item> items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            items.push_back({0, {}});
        } else if (action->menu()) {
            items.push_back({-1, action->text()});
        } else {
            items.push_back({action->data().toInt(), action->text()});
        }
    }
    return items;
}

void ExpectLines(const QMenu& menu, const std::vector<Item>& expected) {
    const std::vector<Item> actual = Lines(menu);
    ASSERT_EQ(actual.size(), expected.size()) << menu.title().toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].id, expected[i].id) << "line " << i;
        EXPECT_EQ(actual[i].text.toStdString(), expected[i].text.toStdString()) << "line " << i;
    }
}

QMenu* Popup(QMenuBar& bar, int index) {
    return bar.actions().value(index) ? bar.actions()[index]->menu() : nullptr;
}

using MenuTest = ShellTest;

TEST_F(MenuTest, PopupsItemsIdsSeparatorsAndSubmenuInOrder) {
    QMenuBar& bar = *StartShell().window().menuBar();
    ASSERT_EQ(bar.actions().size(), 2);
    QMenu* game = Popup(bar, 0);
    QMenu* help = Popup(bar, 1);
    ASSERT_TRUE(game && help);
    EXPECT_EQ(game->title(), QStringLiteral("ｹﾞｰﾑ(&G)"));
    EXPECT_EQ(help->title(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    ExpectLines(*game, {{104, QStringLiteral("任意の面でスタート(&R)")},
                        {106, QStringLiteral("面を指定してスタート(&D)...")},
                        {118, QStringLiteral("面を検索してスタート(&F)...")},
                        {113, QStringLiteral("チャレンジ面でスタート(&C)...")},
                        {0, {}},
                        {101, QStringLiteral("７ブロック（初級）(&E)")},
                        {102, QStringLiteral("12ブロック（中級）(&M)")},
                        {103, QStringLiteral("14ブロック（上級）(&H)")},
                        {105, QStringLiteral("任意サイズ(&A)...")},
                        {0, {}},
                        {-1, QStringLiteral("ドラッグブロックの表示(&B)")},
                        {108, QStringLiteral("効果音(&S)")},
                        {0, {}},
                        {111, QStringLiteral("終了(&X)")}});
    QMenu* drag = game->actions()[10]->menu();
    ASSERT_NE(drag, nullptr);
    ExpectLines(*drag, {{115, QStringLiteral("そのまま(&N)")},
                        {116, QStringLiteral("フラッシュ(&F)")},
                        {117, QStringLiteral("点線枠(&L)")}});
    ExpectLines(*help, {{107, QStringLiteral("目次(&C)...")},
                        {119, QStringLiteral("履歴でスタート(&H)...")},
                        {110, QStringLiteral("バージョン情報(&A)...")}});
}

TEST_F(MenuTest, MnemonicsAreUniqueWithinEachPopup) {
    QMenuBar& bar = *StartShell().window().menuBar();
    std::vector<QMenu*> menus{Popup(bar, 0), Popup(bar, 1)};
    menus.push_back(menus[0]->actions()[10]->menu());
    for (const QMenu* menu : menus) {
        QSet<int> keys;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            ASSERT_FALSE(mnemonic.isEmpty()) << action->text().toStdString();
            EXPECT_FALSE(keys.contains(mnemonic[0].toCombined())) << action->text().toStdString();
            keys.insert(mnemonic[0].toCombined());
        }
    }
    EXPECT_EQ(QKeySequence::mnemonic(Popup(bar, 0)->title()), QKeySequence(Qt::ALT | Qt::Key_G));
    EXPECT_EQ(QKeySequence::mnemonic(Popup(bar, 1)->title()), QKeySequence(Qt::ALT | Qt::Key_H));
}

TEST_F(MenuTest, OnlyTheMarkedItemsAreCheckable) {
    StartShell();
    const QSet<int> checkable{101, 102, 103, 105, 108, 115, 116, 117};
    for (int id :
         {101, 102, 103, 104, 105, 106, 107, 108, 110, 111, 113, 115, 116, 117, 118, 119}) {
        ASSERT_NE(Action(id), nullptr) << id;
        EXPECT_EQ(Action(id)->isCheckable(), checkable.contains(id)) << id;
    }
    EXPECT_EQ(Action(109), nullptr);
    EXPECT_EQ(Action(112), nullptr);
}

struct MarkCase {
    const char* name;
    const char* settings;
    int sizeItem; // the one checked among 101, 102, 103, 105
    bool sound;
    int dragItem; // the one checked among 115..117, or 0 for none
};

void PrintTo(const MarkCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuMarks : public ShellTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MenuMarks, FollowTheSettingsAtStart) {
    const MarkCase& c = GetParam();
    WriteSettings(c.settings);
    StartShell();
    for (int id : {101, 102, 103, 105}) {
        EXPECT_EQ(Action(id)->isChecked(), id == c.sizeItem) << id;
    }
    EXPECT_EQ(Action(108)->isChecked(), c.sound);
    for (int id : {115, 116, 117}) {
        EXPECT_EQ(Action(id)->isChecked(), id == c.dragItem) << id;
    }
    for (int id : {104, 105, 106, 107, 108, 110, 111, 113, 118, 119}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MenuMarks,
    ::testing::Values(
        MarkCase{"NoFile", "", 101, true, 115},
        MarkCase{"Medium", "[FENX]\nx_size=12\ny_size=4\n", 102, true, 115},
        MarkCase{"HardSilent", "[FENX]\nx_size=7\ny_size=8\nsound=0\n", 103, false, 115},
        MarkCase{"Size8x5", "[FENX]\nx_size=8\ny_size=5\n", 105, true, 115},
        MarkCase{"ClampedFlash", "[FENX]\nx_size=40\ny_size=12\ndrag_type=1\n", 105, true, 116},
        MarkCase{"DottedSound5", "[FENX]\ndrag_type=2\nsound=5\n", 101, true, 117},
        MarkCase{"DragType7", "[FENX]\ndrag_type=7\n", 101, true, 0},
        MarkCase{"DragTypeMinus1", "[FENX]\ndrag_type=-1\n", 101, true, 0}),
    [](const ::testing::TestParamInfo<MarkCase>& test) { return std::string(test.param.name); });

TEST_F(MenuTest, SoundToggleMovesTheMarkAndWritesTheSetting) {
    StartShell();
    ASSERT_TRUE(Action(108)->isChecked());
    Choose(108);
    EXPECT_FALSE(Action(108)->isChecked());
    EXPECT_NE(SettingsText().find("sound=0"), std::string::npos) << SettingsText();
    Choose(108);
    EXPECT_TRUE(Action(108)->isChecked());
    EXPECT_NE(SettingsText().find("sound=1"), std::string::npos) << SettingsText();
}

TEST_F(MenuTest, DisplayModeChoiceMarksOneItemAndWritesIt) {
    WriteSettings("[FENX]\ndrag_type=7\n");
    StartShell();
    Choose(117);
    EXPECT_FALSE(Action(115)->isChecked());
    EXPECT_FALSE(Action(116)->isChecked());
    EXPECT_TRUE(Action(117)->isChecked());
    EXPECT_NE(SettingsText().find("drag_type=2"), std::string::npos);
    // Choosing the checked item again keeps its mark: the game decides.
    Choose(117);
    EXPECT_TRUE(Action(117)->isChecked());
    Choose(115);
    EXPECT_TRUE(Action(115)->isChecked());
    EXPECT_FALSE(Action(117)->isChecked());
    EXPECT_NE(SettingsText().find("drag_type=0"), std::string::npos);
}

TEST_F(MenuTest, AnOpenDialogGraysItsItemUntilItCloses) {
    GameShell& shell = StartShell();
    const std::pair<DialogKind, int> dialogs[] = {{DialogKind::Size, 105},
                                                  {DialogKind::StageNumber, 106},
                                                  {DialogKind::Challenge, 113},
                                                  {DialogKind::Search, 118},
                                                  {DialogKind::History, 119}};
    const std::vector<int> grayable{105, 106, 113, 118};
    for (const auto& [dialog, id] : dialogs) {
        Choose(id);
        QDialog* open = shell.dialogs().Find(dialog);
        ASSERT_NE(open, nullptr) << id;
        // Only its own item grays; the history item stays usable while its
        // dialog is open.
        for (int other : grayable) {
            EXPECT_EQ(Action(other)->isEnabled(), other != id) << id << " " << other;
        }
        EXPECT_TRUE(Action(119)->isEnabled()) << id;
        open->reject();
        for (int other : grayable) {
            EXPECT_TRUE(Action(other)->isEnabled()) << id << " " << other;
        }
    }
    // Two open at once gray two items; closing one restores only its own.
    Choose(105);
    Choose(113);
    EXPECT_FALSE(Action(105)->isEnabled());
    EXPECT_FALSE(Action(113)->isEnabled());
    shell.dialogs().Find(DialogKind::Size)->reject();
    EXPECT_TRUE(Action(105)->isEnabled());
    EXPECT_FALSE(Action(113)->isEnabled());
    // A change of the game's marks keeps the grayed item grayed.
    Choose(108);
    EXPECT_FALSE(Action(108)->isChecked());
    EXPECT_FALSE(Action(113)->isEnabled());
}

} // namespace
} // namespace fenx
