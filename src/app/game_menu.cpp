#include "app/game_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace fenx {

GameMenu::GameMenu(QMenuBar& bar, QObject* parent) : QObject(parent) {
    // The texts are the Japanese ones; tr() gives them in the language the
    // program speaks, with the same access keys.
    QMenu* game = AddPopup(bar.addMenu(tr("ｹﾞｰﾑ(&G)")));
    AddCommand(game, CmdRandomStage, tr("任意の面でスタート(&R)"));
    AddCommand(game, CmdStageNumber, tr("面を指定してスタート(&D)..."));
    AddCommand(game, CmdSearch, tr("面を検索してスタート(&F)..."));
    AddCommand(game, CmdChallenge, tr("チャレンジ面でスタート(&C)..."));
    game->addSeparator();
    AddCommand(game, CmdSizeEasy, tr("７ブロック（初級）(&E)"), true);
    AddCommand(game, CmdSizeMedium, tr("12ブロック（中級）(&M)"), true);
    AddCommand(game, CmdSizeHard, tr("14ブロック（上級）(&H)"), true);
    AddCommand(game, CmdAnySize, tr("任意サイズ(&A)..."), true);
    game->addSeparator();
    QMenu* drag = AddPopup(game->addMenu(tr("ドラッグブロックの表示(&B)")));
    AddCommand(drag, CmdDragPlain, tr("そのまま(&N)"), true);
    AddCommand(drag, CmdDragFlash, tr("フラッシュ(&F)"), true);
    AddCommand(drag, CmdDragDotted, tr("点線枠(&L)"), true);
    AddCommand(game, CmdSound, tr("効果音(&S)"), true);
    game->addSeparator();
    AddCommand(game, CmdExit, tr("終了(&X)"));

    QMenu* help = AddPopup(bar.addMenu(tr("ﾍﾙﾌﾟ(&H)")));
    AddCommand(help, CmdHelpContents, tr("目次(&C)..."));
    AddCommand(help, CmdHistory, tr("履歴でスタート(&H)..."));
    AddCommand(help, CmdAbout, tr("バージョン情報(&A)..."));
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
