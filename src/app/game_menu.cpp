#include "app/game_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace fenx {

GameMenu::GameMenu(QMenuBar& bar, QObject* parent) : QObject(parent) {
    QMenu* game = AddPopup(bar.addMenu(QStringLiteral("ｹﾞｰﾑ(&G)")));
    AddCommand(game, CmdRandomStage, QStringLiteral("任意の面でスタート(&R)"));
    AddCommand(game, CmdStageNumber, QStringLiteral("面を指定してスタート(&D)..."));
    AddCommand(game, CmdSearch, QStringLiteral("面を検索してスタート(&F)..."));
    AddCommand(game, CmdChallenge, QStringLiteral("チャレンジ面でスタート(&C)..."));
    game->addSeparator();
    AddCommand(game, CmdSizeEasy, QStringLiteral("７ブロック（初級）(&E)"), true);
    AddCommand(game, CmdSizeMedium, QStringLiteral("12ブロック（中級）(&M)"), true);
    AddCommand(game, CmdSizeHard, QStringLiteral("14ブロック（上級）(&H)"), true);
    AddCommand(game, CmdAnySize, QStringLiteral("任意サイズ(&A)..."), true);
    game->addSeparator();
    QMenu* drag = AddPopup(game->addMenu(QStringLiteral("ドラッグブロックの表示(&B)")));
    AddCommand(drag, CmdDragPlain, QStringLiteral("そのまま(&N)"), true);
    AddCommand(drag, CmdDragFlash, QStringLiteral("フラッシュ(&F)"), true);
    AddCommand(drag, CmdDragDotted, QStringLiteral("点線枠(&L)"), true);
    AddCommand(game, CmdSound, QStringLiteral("効果音(&S)"), true);
    game->addSeparator();
    AddCommand(game, CmdExit, QStringLiteral("終了(&X)"));

    QMenu* help = AddPopup(bar.addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)")));
    AddCommand(help, CmdHelpContents, QStringLiteral("目次(&C)..."));
    AddCommand(help, CmdHistory, QStringLiteral("履歴でスタート(&H)..."));
    AddCommand(help, CmdAbout, QStringLiteral("バージョン情報(&A)..."));
}

QMenu* GameMenu::AddPopup(QMenu* menu) {
    // A submenu counts on its own: closing it leaves its parent open.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { open_.insert(menu); });
    connect(menu, &QMenu::aboutToHide, this, [this, menu] { open_.remove(menu); });
    return menu;
}

void GameMenu::AddCommand(QMenu* menu, int id, const QString& text, bool checkable) {
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setCheckable(checkable);
    actions_.insert(id, action);
    connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
}

QAction* GameMenu::Action(int id) const {
    return actions_.value(id, nullptr);
}

void GameMenu::SetChecked(int id, bool checked) {
    if (QAction* action = Action(id)) {
        action->setChecked(checked);
    }
}

void GameMenu::SetEnabled(int id, bool enabled) {
    if (QAction* action = Action(id)) {
        action->setEnabled(enabled);
    }
}

void GameMenu::Apply(const MenuState& state) {
    constexpr int kSizeItems[] = {CmdSizeEasy, CmdSizeMedium, CmdSizeHard, CmdAnySize};
    for (int i = 0; i < 4; ++i) {
        SetChecked(kSizeItems[i], state.marks.sizeMark == i);
    }
    SetChecked(CmdSound, state.marks.soundChecked);
    constexpr int kDragItems[] = {CmdDragPlain, CmdDragFlash, CmdDragDotted};
    for (int i = 0; i < 3; ++i) {
        SetChecked(kDragItems[i], state.marks.dragModeMark == i);
    }
    SetEnabled(CmdChallenge, state.challengeEnabled);
    SetEnabled(CmdSearch, state.searchEnabled);
    SetEnabled(CmdAnySize, state.anySizeEnabled);
    SetEnabled(CmdStageNumber, state.stageNumberEnabled);
}

} // namespace fenx
