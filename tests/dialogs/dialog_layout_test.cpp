// Each dialog has exactly the controls of its table: kinds, ids, texts,
// order, default button, and positions converted from dialog units.
#include <QFontInfo>
#include <QLabel>

#include <cstdio>

#include <vector>

#include "dialog_fixture.h"
#include "dialogs/about_box.h"
#include "dialogs/challenge_dialog.h"
#include "dialogs/dialog_font.h"
#include "dialogs/dialog_list.h"
#include "dialogs/history_dialog.h"
#include "dialogs/size_dialog.h"
#include "dialogs/stage_number_dialog.h"
#include "dialogs/up_down_arrows.h"

namespace fenx {
namespace {

enum class Kind { Static, Edit, Button, UpDown, Icon, List };

struct Expected {
    Kind kind;
    const char* name;
    const char* text;
    DialogRect units; // empty: checked elsewhere
};

Kind KindOf(const QWidget& widget) {
    if (qobject_cast<const NumberEdit*>(&widget)) {
        return Kind::Edit;
    }
    if (qobject_cast<const QPushButton*>(&widget)) {
        return Kind::Button;
    }
    if (qobject_cast<const UpDownArrows*>(&widget)) {
        return Kind::UpDown;
    }
    if (qobject_cast<const DialogList*>(&widget)) {
        return Kind::List;
    }
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label && label->text().isEmpty() ? Kind::Icon : Kind::Static;
}

QString TextOf(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    return {};
}

QRect Pixels(DialogRect units, DialogBaseUnits base) {
    const DialogRect r = ToPixels(units, base);
    return {r.x, r.y, r.width, r.height};
}

void ExpectControls(const TemplateDialog& dialog, const std::vector<Expected>& expected) {
    const std::vector<QWidget*>& controls = dialog.controls();
    ASSERT_EQ(controls.size(), expected.size());
    const DialogBaseUnits base = BaseUnitsOf(dialog.font());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QWidget& control = *controls[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(control.parentWidget(), &dialog);
        EXPECT_EQ(KindOf(control), e.kind);
        EXPECT_EQ(control.objectName().toStdString(), e.name);
        EXPECT_EQ(TextOf(control).toStdString(), e.text);
        // Edits with arrows, arrows and icons are placed by rules of their own.
        if (e.units != DialogRect{}) {
            EXPECT_EQ(control.geometry(), Pixels(e.units, base));
        }
    }
    // Nothing else lives in the dialog.
    EXPECT_EQ(dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(expected.size()));
}

std::vector<std::string> DefaultButtons(const TemplateDialog& dialog) {
    std::vector<std::string> names;
    for (const QWidget* control : dialog.controls()) {
        if (const auto* button = qobject_cast<const QPushButton*>(control);
            button && button->isDefault()) {
            names.push_back(button->objectName().toStdString());
        }
    }
    return names;
}

// Names of the controls Tab visits, starting from the first, until it comes
// back round; then Shift+Tab from there must go the other way.
std::vector<std::string> TabWalk(TemplateDialog& dialog) {
    std::vector<std::string> names;
    QWidget* first = dialog.focusWidget();
    if (!first) {
        return names;
    }
    QWidget* at = first;
    do {
        names.push_back(at->objectName().toStdString());
        QTest::keyClick(at, Qt::Key_Tab);
        at = dialog.focusWidget();
    } while (at && at != first && names.size() < 40);
    return names;
}

using DialogLayoutTest = DialogTest;

TEST_F(DialogLayoutTest, DialogFontIsTheJapaneseGothicAtNinePoints) {
    const QFont font = DialogFont();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(font.pointSize(), 9);
    const DialogBaseUnits base = BaseUnitsOf(font);
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QString::fromLatin1(kBaseUnitLetters.data()));
    EXPECT_EQ(base.x, (letters / 26 + 1) / 2);
    EXPECT_EQ(base.y, metrics.height());
    std::printf("dialog base units: %d x %d (52 letters %d pixels wide)\n", base.x, base.y,
                letters);
}

TEST_F(DialogLayoutTest, StageNumberDialogFollowsItsTable) {
    StartShell();
    auto* dialog = OpenByMenu<StageNumberDialog>(106, DialogKind::StageNumber);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("面の指定"));
    const DialogBaseUnits base = dialog->baseUnits();
    EXPECT_EQ(base, BaseUnitsOf(DialogFont()));
    EXPECT_EQ(dialog->size(), QSize(HorizontalPixels(130, base), VerticalPixels(125, base)));
    ExpectControls(*dialog, {
                                {Kind::Static, "static0", "面 (0～65535)", {11, 7, 49, 8}},
                                {Kind::Edit, "1001", "", {70, 5, 45, 12}},
                                {Kind::Button, "7", "ｸﾘｱｰ(&A)", {10, 25, 30, 15}},
                                {Kind::Button, "1032", "+1(&I)", {10, 55, 25, 14}},
                                {Kind::Button, "1033", "-1(&D)", {10, 75, 25, 14}},
                                {Kind::Button, "1011", "&7", {70, 25, 15, 15}},
                                {Kind::Button, "1012", "&8", {85, 25, 15, 15}},
                                {Kind::Button, "1013", "&9", {100, 25, 15, 15}},
                                {Kind::Button, "1008", "&4", {70, 41, 15, 15}},
                                {Kind::Button, "1009", "&5", {85, 41, 15, 15}},
                                {Kind::Button, "1010", "&6", {100, 41, 15, 15}},
                                {Kind::Button, "1005", "&1", {70, 57, 15, 15}},
                                {Kind::Button, "1006", "&2", {85, 57, 15, 15}},
                                {Kind::Button, "1007", "&3", {100, 57, 15, 15}},
                                {Kind::Button, "1004", "&0", {70, 73, 15, 15}},
                                {Kind::Button, "5", "スタート(&S)", {10, 105, 50, 14}},
                                {Kind::Button, "3", "閉じる(&C)", {70, 105, 50, 14}},
                            });
    EXPECT_EQ(DefaultButtons(*dialog), std::vector<std::string>{"3"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    const std::vector<std::string> tabs{"1001", "7",    "1032", "1033", "1011", "1012",
                                        "1013", "1008", "1009", "1010", "1005", "1006",
                                        "1007", "1004", "5",    "3"};
    EXPECT_EQ(TabWalk(*dialog), tabs);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(dialog->focusWidget()->objectName(), QStringLiteral("3"));
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(dialog->focusWidget()->objectName(), QStringLiteral("5"));
}

TEST_F(DialogLayoutTest, SizeDialogFollowsItsTableWithArrowsOnTheirEdits) {
    StartShell();
    auto* dialog = OpenByMenu<SizeDialog>(105, DialogKind::Size);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("サイズの変更"));
    const DialogBaseUnits base = dialog->baseUnits();
    EXPECT_EQ(dialog->size(), QSize(HorizontalPixels(135, base), VerticalPixels(63, base)));
    ExpectControls(*dialog, {
                                {Kind::Static, "static0", "横幅 (7～38)", {10, 10, 40, 8}},
                                {Kind::Edit, "1000", "", {}},
                                {Kind::UpDown, "1005", "", {}},
                                {Kind::Static, "static3", "高さ (3～10)", {10, 25, 40, 8}},
                                {Kind::Edit, "1001", "", {}},
                                {Kind::UpDown, "1006", "", {}},
                                {Kind::Button, "5", "スタート(&S)", {10, 45, 50, 14}},
                                {Kind::Button, "3", "閉じる(&C)", {75, 45, 50, 14}},
                            });
    // Each edit keeps its box, 60, 5, 25 x 14 and 60, 22, 25 x 14, but the
    // arrows, 9 units wide, take its right end at the edit's height.
    const struct {
        const char* edit;
        const char* arrows;
        DialogRect box;
    } pairs[] = {{"1000", "1005", {60, 5, 25, 14}}, {"1001", "1006", {60, 22, 25, 14}}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.edit);
        const QRect box = Pixels(pair.box, base);
        const int arrows = HorizontalPixels(9, base);
        QWidget* edit = dialog->findChild<QWidget*>(pair.edit);
        QWidget* updown = dialog->findChild<QWidget*>(pair.arrows);
        ASSERT_TRUE(edit && updown);
        EXPECT_EQ(edit->geometry(), QRect(box.x(), box.y(), box.width() - arrows, box.height()));
        EXPECT_EQ(updown->geometry(),
                  QRect(box.x() + box.width() - arrows, box.y(), arrows, box.height()));
        EXPECT_EQ(&static_cast<UpDownArrows*>(updown)->buddy(), edit);
        EXPECT_EQ(updown->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(DefaultButtons(*dialog), std::vector<std::string>{"3"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(TabWalk(*dialog), (std::vector<std::string>{"1000", "1001", "5", "3"}));
}

TEST_F(DialogLayoutTest, ChallengeDialogFollowsItsTable) {
    StartShell();
    auto* dialog = OpenByMenu<ChallengeDialog>(113, DialogKind::Challenge);
    ASSERT_NE(dialog, nullptr);
    // The title ends in an ideographic space.
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("チャレンジ面選択\u3000"));
    const DialogBaseUnits base = dialog->baseUnits();
    EXPECT_EQ(dialog->size(), QSize(HorizontalPixels(191, base), VerticalPixels(139, base)));
    ExpectControls(*dialog, {
                                {Kind::List, "1008", "", {7, 7, 177, 104}},
                                {Kind::Button, "5", "スタート(&S)", {13, 118, 50, 14}},
                                {Kind::Button, "3", "閉じる(&C)", {126, 118, 50, 14}},
                            });
    EXPECT_EQ(DefaultButtons(*dialog), std::vector<std::string>{"3"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(TabWalk(*dialog), (std::vector<std::string>{"1008", "5", "3"}));
}

TEST_F(DialogLayoutTest, HistoryDialogFollowsItsTable) {
    StartShell();
    auto* dialog = OpenByMenu<HistoryDialog>(119, DialogKind::History);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("履歴"));
    const DialogBaseUnits base = dialog->baseUnits();
    EXPECT_EQ(dialog->size(), QSize(HorizontalPixels(127, base), VerticalPixels(183, base)));
    // Eight blanks before 日付, five before 時刻, one before サイズ, two before
    // 面; the header spans the list, whose columns its titles stand over.
    ExpectControls(
        *dialog, {
                     {Kind::Static, "static0", "        日付     時刻 サイズ  面", {7, 7, 113, 8}},
                     {Kind::List, "1008", "", {7, 17, 113, 135}},
                     {Kind::Button, "5", "スタート(&S)", {7, 162, 50, 14}},
                     {Kind::Button, "3", "閉じる(&C)", {70, 162, 50, 14}},
                 });
    EXPECT_EQ(DefaultButtons(*dialog), std::vector<std::string>{"3"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(TabWalk(*dialog), (std::vector<std::string>{"1008", "5", "3"}));
}

TEST_F(DialogLayoutTest, AboutBoxFollowsItsTable) {
    GameShell& shell = StartShell();
    Choose(110);
    auto* box = qobject_cast<AboutBox*>(shell.dialogs().Modal());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("FENXのバージョン"));
    const DialogBaseUnits base = box->baseUnits();
    EXPECT_EQ(box->size(), QSize(HorizontalPixels(122, base), VerticalPixels(145, base)));
    ExpectControls(*box, {
                             {Kind::Static, "static0", "DODI", {13, 9, 96, 8}},
                             {Kind::Icon, "static1", "", {}},
                             {Kind::Static, "static2", "Version 2.0", {0, 48, 121, 8}},
                             {Kind::Static, "static3", "Update 97/08/26", {17, 57, 88, 9}},
                             {Kind::Button, "1", "OK(&O)", {33, 124, 55, 12}},
                         });
    for (const char* name : {"static0", "static2", "static3"}) {
        auto* label = box->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
    }
    // The icon sits at 51, 21 in the program's own icon at its usual size.
    auto* icon = box->findChild<QLabel*>("static1");
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(shell.window().windowIcon().isNull());
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->geometry(),
              QRect(HorizontalPixels(51, base), VerticalPixels(21, base), 32, 32));
    EXPECT_EQ(DefaultButtons(*box), std::vector<std::string>{"1"});
    // Placed 56, 34 units from the corner of the main window's picture.
    EXPECT_EQ(box->pos(), shell.window().surface().mapToGlobal(
                              QPoint(HorizontalPixels(56, base), VerticalPixels(34, base))));
    Press(*box, kIdOk);
}

} // namespace
} // namespace fenx
