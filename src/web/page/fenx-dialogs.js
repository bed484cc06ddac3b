// SPDX-License-Identifier: MIT
// The dialogs as HTML: each built from its table of controls, placed in
// dialog units of the dialog font, with the desktop game's texts. The
// selection dialogs stay open beside the game (at most one of each kind,
// their menu items grayed meanwhile); the about box and the search's
// progress are modal and take the input from everything else. Keys work as
// in any dialog: Tab walks the controls in table order, Enter presses the
// default button (or the button that has the focus), Escape is Cancel, Alt
// with a button's marked letter presses it. Every rule a dialog applies is
// the engine's.
'use strict';

window.Fenx = window.Fenx || {};

(function () {
  const Fenx = window.Fenx;
  const ID = { ok: 1, cancel: 2, close: 3, start: 5, list: 1008 };
  // The kinds the engine grays menu items for.
  const Kind = { challenge: 0, search: 1, stageNumber: 2, size: 3, history: 4 };
  const LARGEST_EDIT_NUMBER = 99999;
  const FONT = '12px IPAPGothic, "IPA PGothic", sans-serif';
  const GAP = 8;

  let base = null;
  const open = new Map(); // kind -> dialog
  let help = null;

  function baseUnits() {
    if (!base) {
      const measure = document.createElement('canvas').getContext('2d');
      measure.font = FONT;
      const metrics = measure.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
      const height = Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
      base = Fenx.engine.baseUnits(Math.round(metrics.width), height);
    }
    return base;
  }

  function px(units, horizontal) {
    const b = baseUnits();
    return Fenx.engine.unitsToPixels(units, horizontal, b.x, b.y);
  }

  function place(element, [x, y, w, h]) {
    element.style.left = px(x, true) + 'px';
    element.style.top = px(y, false) + 'px';
    element.style.width = px(w, true) + 'px';
    element.style.height = px(h, false) + 'px';
  }

  // Text with "&X" as X underlined; the letter becomes the mnemonic.
  function withMnemonic(element, text) {
    const at = text.indexOf('&');
    if (at < 0) {
      element.textContent = text;
      return;
    }
    const u = document.createElement('u');
    u.textContent = text[at + 1];
    element.append(text.slice(0, at), u, text.slice(at + 2));
    element.dataset.mnemonic = text[at + 1].toLowerCase();
  }

  // The title bar with its close box.
  function makeCaption(text, onClose) {
    const caption = document.createElement('div');
    caption.className = 'caption';
    const title = document.createElement('span');
    title.textContent = text;
    const closeBox = document.createElement('button');
    closeBox.type = 'button';
    closeBox.className = 'close-box';
    closeBox.tabIndex = -1;
    closeBox.setAttribute('aria-label', '閉じる');
    closeBox.textContent = '×';
    closeBox.addEventListener('click', onClose);
    caption.append(title, closeBox);
    return caption;
  }

  // --- Controls ------------------------------------------------------------
  function numberEdit() {
    const edit = document.createElement('input');
    edit.type = 'text';
    edit.inputMode = 'numeric';
    edit.autocomplete = 'off';
    edit.spellcheck = false;
    edit.className = 'edit';
    let kept = '';
    // Text the edit may not hold is refused: it keeps what it had.
    edit.addEventListener('input', () => {
      if (Fenx.engine.isEditText(edit.value)) {
        kept = edit.value;
      } else {
        edit.value = kept;
      }
    });
    edit.setNumber = (n) => { edit.value = String(n); kept = edit.value; };
    edit.number = () => Fenx.engine.editNumber(edit.value); // -1: none
    edit.step = (delta) => {
      const n = Math.max(0, edit.number()) + delta;
      edit.setNumber(Math.min(LARGEST_EDIT_NUMBER, Math.max(0, n)));
    };
    edit.addEventListener('keydown', (event) => {
      if (edit.arrows && (event.key === 'ArrowUp' || event.key === 'ArrowDown')) {
        edit.step(event.key === 'ArrowUp' ? 1 : -1);
        event.preventDefault();
      }
    });
    return edit;
  }

  // Arrows on the right edge of the edit before them.
  function upDown(edit, rect) {
    const box = document.createElement('div');
    box.className = 'updown';
    for (const [text, delta] of [['▲', 1], ['▼', -1]]) {
      const arrow = document.createElement('button');
      arrow.type = 'button';
      arrow.tabIndex = -1;
      arrow.textContent = text;
      arrow.addEventListener('click', () => edit.step(delta));
      box.append(arrow);
    }
    edit.arrows = box;
    const width = px(rect[2], true);
    edit.style.width = parseInt(edit.style.width, 10) - width + 'px';
    box.style.left = parseInt(edit.style.left, 10) + parseInt(edit.style.width, 10) + 'px';
    box.style.top = edit.style.top;
    box.style.width = width + 'px';
    box.style.height = edit.style.height;
    return box;
  }

  // A list box of lines, at most one selected; a double click or the
  // engine's Start takes the selected line.
  function listBox(onOpen) {
    const list = document.createElement('div');
    list.className = 'list';
    list.tabIndex = 0;
    list.setAttribute('role', 'listbox');
    list.selected = -1;
    list.select = (index) => {
      const lines = list.children;
      if (list.selected >= 0 && lines[list.selected]) {
        lines[list.selected].removeAttribute('aria-selected');
      }
      list.selected = index;
      if (index >= 0 && lines[index]) {
        lines[index].setAttribute('aria-selected', 'true');
        lines[index].scrollIntoView({ block: 'nearest' });
      }
    };
    list.setLines = (texts) => {
      list.replaceChildren(...texts.map((text) => {
        const line = document.createElement('div');
        line.setAttribute('role', 'option');
        line.textContent = text;
        return line;
      }));
      list.selected = -1;
    };
    list.replaceLine = (index, text) => {
      if (list.children[index]) {
        list.children[index].textContent = text;
      }
    };
    list.addEventListener('mousedown', (event) => {
      const line = event.target.closest('[role=option]');
      if (line) {
        list.select(Array.prototype.indexOf.call(list.children, line));
      }
    });
    list.addEventListener('dblclick', (event) => {
      if (event.target.closest('[role=option]')) {
        onOpen(list.selected);
      }
    });
    list.addEventListener('keydown', (event) => {
      const count = list.children.length;
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: 10, PageUp: -10 };
      if (count && event.key in moves) {
        const from = list.selected < 0 ? -1 : list.selected;
        list.select(Math.min(count - 1, Math.max(0, from + moves[event.key])));
        event.preventDefault();
      } else if (count && (event.key === 'Home' || event.key === 'End')) {
        list.select(event.key === 'Home' ? 0 : count - 1);
        event.preventDefault();
      }
    });
    return list;
  }

  // --- Dialogs -------------------------------------------------------------
  // layout: {title, width, height, controls: [[kind, id, text, rect, flags]]}
  // with kinds 'static', 'edit', 'updown', 'button', 'list', 'icon'.
  function makeDialog(layout, command, onListOpen) {
    const dialog = document.createElement('dialog');
    dialog.className = 'fenx-dialog';
    const caption = makeCaption(layout.title, () => command(ID.cancel));
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = px(layout.width, true) + 'px';
    client.style.height = px(layout.height, false) + 'px';
    dialog.append(caption, client);

    const controls = new Map();
    let defaultButton = null;
    let previous = null;
    for (const [kind, id, text, rect, flags] of layout.controls) {
      let element;
      if (kind === 'static') {
        element = document.createElement('div');
        element.className = 'static' + (flags === 'centred' ? ' centred' : '');
        element.textContent = text;
      } else if (kind === 'edit') {
        element = numberEdit();
      } else if (kind === 'button') {
        element = document.createElement('button');
        element.type = 'button';
        element.className = 'button';
        withMnemonic(element, text);
        element.addEventListener('click', () => command(id));
        if (flags === 'default') {
          defaultButton = element;
        }
      } else if (kind === 'list') {
        element = listBox(onListOpen || (() => {}));
      } else if (kind === 'icon') {
        element = document.createElement('img');
        element.src = 'fenx-32.png';
        element.alt = '';
        element.className = 'icon';
      } else if (kind === 'updown') {
        element = upDown(previous, rect);
        client.append(element);
        continue;
      }
      place(element, rect);
      if (kind === 'icon') {
        element.style.width = element.style.height = '32px';
      }
      if (id !== -1) {
        element.dataset.id = id;
        controls.set(id, element);
      }
      client.append(element);
      previous = element;
    }
    if (defaultButton) {
      defaultButton.classList.add('default');
    }

    dialog.addEventListener('cancel', (event) => {
      event.preventDefault(); // Escape on a modal box: Cancel, like the others
      command(ID.cancel);
    });
    dialog.addEventListener('keydown', (event) => {
      event.stopPropagation();
      if (event.key === 'Escape') {
        event.preventDefault();
        command(ID.cancel);
      } else if (event.key === 'Enter' && !(event.target instanceof HTMLButtonElement)) {
        event.preventDefault();
        if (defaultButton) {
          defaultButton.click();
        }
      } else if (event.altKey && event.key.length === 1) {
        const button = client.querySelector(
          'button[data-mnemonic="' + CSS.escape(event.key.toLowerCase()) + '"]');
        if (button) {
          event.preventDefault();
          button.focus();
          button.click();
        }
      }
    });
    return { dialog, client, control: (id) => controls.get(id) };
  }

  // Beside the game, below the dialogs already there, so none hides it.
  function placeBeside(dialog) {
    const game = document.getElementById('window').getBoundingClientRect();
    let top = game.top + window.scrollY;
    const left = game.right + window.scrollX + GAP;
    for (const other of open.values()) {
      if (other !== dialog && other.open) {
        top = Math.max(top, other.offsetTop + other.offsetHeight + GAP);
      }
    }
    dialog.style.left = left + 'px';
    dialog.style.top = top + 'px';
  }

  // A modeless dialog of this kind: the open one comes forward, or a new
  // one is made, shown and its menu item grayed until it closes.
  function openModeless(kind, make) {
    const existing = open.get(kind);
    if (existing) {
      document.body.append(existing); // to the front
      existing.querySelector('.client [tabindex], .client button, .client input')?.focus();
      return existing;
    }
    const made = make(() => {
      if (open.get(kind) === made.dialog) {
        open.delete(kind);
        Fenx.game.setDialogOpen(kind, false);
      }
      made.dialog.remove();
    });
    open.set(kind, made.dialog);
    document.body.append(made.dialog);
    made.dialog.show();
    placeBeside(made.dialog);
    Fenx.game.setDialogOpen(kind, true);
    (made.focus || made.dialog.querySelector('.client button'))?.focus();
    return made.dialog;
  }

  // A modal box: until it ends, nothing else takes input.
  function runModal(made, atOwner) {
    document.body.append(made.dialog);
    made.dialog.showModal();
    if (atOwner) {
      const canvas = document.getElementById('surface').getBoundingClientRect();
      made.dialog.style.margin = '0';
      made.dialog.style.left = canvas.left + px(atOwner[0], true) + 'px';
      made.dialog.style.top = canvas.top + px(atOwner[1], false) + 'px';
    }
    (made.focus || made.dialog.querySelector('.client button'))?.focus();
  }

  function endModal(made) {
    made.dialog.close();
    made.dialog.remove();
  }

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
    openModeless(Kind.stageNumber, (closed) => {
      const engine = Fenx.engine;
      let edit = null;
      const made = makeDialog(SEED, (id) => {
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
        } else if (id === ID.close || id === ID.cancel) {
          closed();
        }
      });
      edit = made.control(1001);
      Fenx.game.hideChallengeStageNumber();
      edit.setNumber(Fenx.game.currentStageNumber());
      made.dialog.showNumber = (n) => edit.setNumber(n);
      made.focus = edit;
      return made;
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
    openModeless(Kind.size, (closed) => {
      const game = Fenx.game;
      let width = null;
      let height = null;
      const made = makeDialog(RESIZE, (id) => {
        if (id === ID.start) {
          // A size that holds no whole number of blocks starts nothing.
          const size = Fenx.engine.sizeDialogStart(width.value, height.value,
                                                   game.stageWidth(), game.stageHeight());
          if (size) {
            game.startStageOfSize(size.width, size.height, -1);
          }
        } else if (id === ID.close || id === ID.cancel) {
          closed();
        }
      });
      width = made.control(1000);
      height = made.control(1001);
      made.dialog.showSize = (w, h) => { width.setNumber(w); height.setNumber(h); };
      made.dialog.showSize(game.stageWidth(), game.stageHeight());
      made.focus = width;
      return made;
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
    openModeless(Kind.challenge, (closed) => {
      let list = null;
      const start = (row) => {
        if (row >= 0) {
          Fenx.game.startChallenge(row);
        }
      };
      const made = makeDialog(CHALLENGE, (id) => {
        if (id === ID.start) {
          start(list.selected);
        } else if (id === ID.close || id === ID.cancel) {
          closed();
        }
      }, start);
      list = made.control(ID.list);
      list.setLines(Fenx.game.challengeLines());
      made.dialog.markSolved = (row) => list.replaceLine(row, Fenx.game.challengeLines()[row]);
      made.focus = list;
      return made;
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
    openModeless(Kind.history, (closed) => {
      const entries = Fenx.engine.historyLines();
      let list = null;
      const start = (row) => {
        const entry = entries[row];
        if (entry) {
          Fenx.game.startStageOfSize(entry.width, entry.height, entry.stage);
        }
      };
      const made = makeDialog(HISTORY, (id) => {
        if (id === ID.start) {
          start(list.selected);
        } else if (id === ID.close || id === ID.cancel) {
          closed();
        }
      }, start);
      list = made.control(ID.list);
      list.setLines(entries.map((e) => e.line));
      made.focus = list;
      return made;
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
    ID,
    Kind,
    px,
    makeDialog,
    openModeless,
    runModal,
    endModal,
    openStageNumber,
    openSize,
    openChallenge,
    openHistory,
    openAbout,
    openHelp,
    openSearch: () => Fenx.search.open(),
    find: (kind) => open.get(kind),
    // What the game tells the open dialogs.
    stageNumberShown(n) {
      open.get(Kind.stageNumber)?.showNumber(n);
    },
    stageSizeChanged(w, h) {
      open.get(Kind.size)?.showSize(w, h);
    },
    challengeSolved(row) {
      open.get(Kind.challenge)?.markSolved(row);
    },
    // The game's window changed its size: the dialogs beside it move along.
    followWindow() {
      const game = document.getElementById('window').getBoundingClientRect();
      let top = game.top + window.scrollY;
      for (const dialog of open.values()) {
        dialog.style.left = game.right + window.scrollX + GAP + 'px';
        dialog.style.top = top + 'px';
        top += dialog.offsetHeight + GAP;
      }
    },
    closeAll() {
      for (const dialog of document.querySelectorAll('dialog[open]')) {
        dialog.close();
        dialog.remove();
      }
      open.clear();
      help = null;
    },
  };
})();
