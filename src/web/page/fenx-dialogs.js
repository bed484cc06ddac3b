// SPDX-License-Identifier: MIT
// The dialogs with the desktop game's controls and texts: stage number,
// size, challenge list, history, the about box and the help page. Every
// rule a dialog applies is the engine's.
'use strict';

(function (Fenx) {
  const { ID, Kind, makeCaption, makeDialog, openFromTable, runModal, endModal } = Fenx.frame;
  let help = null;

  // --- 面の指定: the stage-number dialog ---------------------------------
  const SEED = {
    title: '面の指定', width: 130, height: 125, controls: [
      ['static', -1, '面 (0～65535)', [11, 7, 49, 8]],
      ['edit', 1001, '', [70, 5, 45, 12]],
      ['button', 7, 'ｸﾘｱｰ(&A)', [10, 25, 30, 15]],
      ['button', 1032, '+1(&I)', [10, 55, 25, 14]],
      ['button', 1033, '-1(&D)', [10, 75, 25, 14]],
      ['button', 1011, '&7', [70, 25, 15, 15]],
      ['button', 1012, '&8', [85, 25, 15, 15]],
      ['button', 1013, '&9', [100, 25, 15, 15]],
      ['button', 1008, '&4', [70, 41, 15, 15]],
      ['button', 1009, '&5', [85, 41, 15, 15]],
      ['button', 1010, '&6', [100, 41, 15, 15]],
      ['button', 1005, '&1', [70, 57, 15, 15]],
      ['button', 1006, '&2', [85, 57, 15, 15]],
      ['button', 1007, '&3', [100, 57, 15, 15]],
      ['button', 1004, '&0', [70, 73, 15, 15]],
      ['button', ID.start, 'スタート(&S)', [10, 105, 50, 14]],
      ['button', ID.close, '閉じる(&C)', [70, 105, 50, 14], 'default'],
    ],
  };

  function openStageNumber() {
    openFromTable(Kind.stageNumber, SEED, (made) => {
      const engine = Fenx.engine;
      const edit = made.control(1001);
      Fenx.game.hideChallengeStageNumber();
      edit.setNumber(Fenx.game.currentStageNumber());
      made.dialog.showNumber = (n) => edit.setNumber(n);
      made.focus = edit;
      return {
        command(id) {
          if (id >= 1004 && id <= 1013) {
            edit.setNumber(engine.keypadDigit(edit.value, id - 1004));
          } else if (id === 7) {
            edit.setNumber(0);
          } else if (id === 1032) {
            edit.setNumber(engine.keypadNext(edit.value));
          } else if (id === 1033) {
            edit.setNumber(engine.keypadPrevious(edit.value));
          } else if (id === ID.start) {
            const n = engine.keypadStart(edit.value);
            if (n >= 0) {
              Fenx.game.startStageNumber(n); // its start writes the number back
            }
          }
        },
      };
    });
  }


  // --- サイズの変更: the size dialog --------------------------------------
  const RESIZE = {
    title: 'サイズの変更', width: 135, height: 63, controls: [
      ['static', -1, '横幅 (7～38)', [10, 10, 40, 8]],
      ['edit', 1000, '', [60, 5, 25, 14]],
      ['updown', 1005, '', [85, 8, 9, 10]],
      ['static', -1, '高さ (3～10)', [10, 25, 40, 8]],
      ['edit', 1001, '', [60, 22, 25, 14]],
      ['updown', 1006, '', [85, 23, 9, 10]],
      ['button', ID.start, 'スタート(&S)', [10, 45, 50, 14]],
      ['button', ID.close, '閉じる(&C)', [75, 45, 50, 14], 'default'],
    ],
  };

  function openSize() {
    openFromTable(Kind.size, RESIZE, (made) => {
      const game = Fenx.game;
      const width = made.control(1000);
      const height = made.control(1001);
      made.dialog.showSize = (w, h) => { width.setNumber(w); height.setNumber(h); };
      made.dialog.showSize(game.stageWidth(), game.stageHeight());
      made.focus = width;
      return {
        command(id) {
          if (id !== ID.start) {
            return;
          }
          // A size that holds no whole number of blocks starts nothing.
          const size = Fenx.engine.sizeDialogStart(width.value, height.value,
                                                   game.stageWidth(), game.stageHeight());
          if (size) {
            game.startStageOfSize(size.width, size.height, -1);
          }
        },
      };
    });
  }


  // --- チャレンジ面選択: the challenge list ---------------------------------
  const CHALLENGE = {
    title: 'チャレンジ面選択　', width: 191, height: 139, controls: [
      ['list', ID.list, '', [7, 7, 177, 104]],
      ['button', ID.start, 'スタート(&S)', [13, 118, 50, 14]],
      ['button', ID.close, '閉じる(&C)', [126, 118, 50, 14], 'default'],
    ],
  };

  function openChallenge() {
    Fenx.game.takeStoredChallengeProgress();
    openFromTable(Kind.challenge, CHALLENGE, (made) => {
      const list = made.control(ID.list);
      list.setLines(Fenx.game.challengeLines());
      made.dialog.markSolved = (row) => list.replaceLine(row, Fenx.game.challengeLines()[row]);
      made.focus = list;
      const start = (row) => {
        if (row >= 0) {
          Fenx.game.startChallenge(row);
        }
      };
      return { command: (id) => id === ID.start && start(list.selected), listOpen: start };
    });
  }


  // --- 履歴: the history --------------------------------------------------
  const HISTORY = {
    title: '履歴', width: 127, height: 183, controls: [
      ['static', -1, '        日付     時刻 サイズ  面', [7, 7, 91, 8]],
      ['list', ID.list, '', [7, 17, 113, 135]],
      ['button', ID.start, 'スタート(&S)', [7, 162, 50, 14]],
      ['button', ID.close, '閉じる(&C)', [70, 162, 50, 14], 'default'],
    ],
  };

  function openHistory() {
    // Its item stays usable while it is open: choosing it again brings the
    // open dialog forward with the lines it read when it opened.
    openFromTable(Kind.history, HISTORY, (made) => {
      const entries = Fenx.engine.historyLines();
      const list = made.control(ID.list);
      list.setLines(entries.map((e) => e.line));
      made.focus = list;
      const start = (row) => {
        const entry = entries[row];
        if (entry) {
          Fenx.game.startStageOfSize(entry.width, entry.height, entry.stage);
        }
      };
      return { command: (id) => id === ID.start && start(list.selected), listOpen: start };
    });
  }


  // --- The about box ------------------------------------------------------
  const ABOUT = {
    title: 'FENXのバージョン', width: 122, height: 145, controls: [
      ['static', -1, 'DODI', [13, 9, 96, 8], 'centred'],
      ['icon', -1, '', [51, 21, 18, 21]],
      ['static', -1, 'Version 2.0', [0, 48, 121, 8], 'centred'],
      ['static', -1, 'Update 97/08/26', [17, 57, 88, 9], 'centred'],
      ['button', ID.ok, 'OK(&O)', [33, 124, 55, 12], 'default'],
    ],
  };

  function openAbout() {
    const made = makeDialog(ABOUT, (id) => {
      if (id === ID.ok || id === ID.cancel) {
        endModal(made);
      }
    });
    made.dialog.classList.add('about');
    runModal(made, [56, 34]);
  }

  // --- The help page, in the page ------------------------------------------
  function openHelp() {
    if (!help) {
      help = document.createElement('dialog');
      help.className = 'fenx-dialog help';
      const caption = makeCaption('FENX ヘルプ', () => help.close());
      const frame = document.createElement('iframe');
      frame.title = 'FENX ヘルプ';
      help.append(caption, frame);
      help.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
          help.close();
        }
      });
      document.body.append(help);
    }
    help.querySelector('iframe').src = 'fenx-help.html#top';
    if (!help.open) {
      help.show();
    }
    help.querySelector('iframe').focus();
  }

  Fenx.dialogs = {
    openStageNumber,
    openSize,
    openChallenge,
    openHistory,
    openAbout,
    openHelp,
    openSearch: () => Fenx.search.open(),
    // What the game tells the open dialogs.
    stageNumberShown(n) {
      Fenx.frame.find(Kind.stageNumber)?.showNumber(n);
    },
    stageSizeChanged(w, h) {
      Fenx.frame.find(Kind.size)?.showSize(w, h);
    },
    challengeSolved(row) {
      Fenx.frame.find(Kind.challenge)?.markSolved(row);
    },
    followWindow: () => Fenx.frame.followWindow(),
    closeAll() {
      Fenx.frame.closeAll();
      help = null;
    },
  };
})((window.Fenx = window.Fenx || {}));
