// SPDX-License-Identifier: MIT
// The frame of every dialog as HTML: built from its table of controls,
// placed in dialog units of the dialog font. The selection dialogs stay
// open beside the game (at most one of each kind, their menu items grayed
// meanwhile); the modal boxes take the input from everything else. Keys
// work as in any dialog: Tab walks the controls in table order, Enter
// presses the default button (or the button that has the focus), Escape is
// Cancel, Alt with a button's marked letter presses it.
'use strict';

(function (Fenx) {
  const ID = { ok: 1, cancel: 2, close: 3, start: 5, list: 1008 };
  // The kinds the engine grays menu items for.
  const Kind = { challenge: 0, search: 1, stageNumber: 2, size: 3, history: 4 };
  const FONT = '12px IPAPGothic, "IPA PGothic", sans-serif';
  const GAP = 8;

  let base = null;
  const open = new Map(); // kind -> dialog

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
    edit.stepBy = (delta) => edit.setNumber(Fenx.engine.editStep(edit.value, delta));
    edit.addEventListener('keydown', (event) => {
      if (edit.arrows && (event.key === 'ArrowUp' || event.key === 'ArrowDown')) {
        edit.stepBy(event.key === 'ArrowUp' ? 1 : -1);
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
      arrow.addEventListener('click', () => edit.stepBy(delta));
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

  // Right of the game where the dialog fits in the browser's window;
  // where it does not, as far right as it fits whole, over the game if it
  // must: a dialog is never cut off at the window's edge.
  function besideLeft(dialog, game) {
    const room = document.documentElement.clientWidth - dialog.offsetWidth - GAP;
    return window.scrollX + Math.max(GAP, Math.min(game.right + GAP, room));
  }

  // Beside the game, below the dialogs already there, so none hides it.
  function placeBeside(dialog) {
    const game = document.getElementById('window').getBoundingClientRect();
    let top = game.top + window.scrollY;
    const left = besideLeft(dialog, game);
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
        Fenx.menu.apply(Fenx.game.menuState()); // its item usable again
      }
      made.dialog.remove();
    });
    open.set(kind, made.dialog);
    document.body.append(made.dialog);
    made.dialog.show();
    placeBeside(made.dialog);
    Fenx.game.setDialogOpen(kind, true);
    Fenx.menu.apply(Fenx.game.menuState()); // its item grayed while it is open
    (made.focus || made.dialog.querySelector('.client button'))?.focus();
    return made.dialog;
  }

  // A modeless dialog from its table. Close and Cancel end it; `build`
  // fills the dialog once it is made and gives what its other buttons do,
  // {command(id)}, and what a double click on a line of its list does,
  // {listOpen(row)}.
  function openFromTable(kind, layout, build) {
    return openModeless(kind, (closed) => {
      let handlers = {};
      const made = makeDialog(layout, (id) => {
        if (id === ID.close || id === ID.cancel) {
          closed();
        } else if (handlers.command) {
          handlers.command(id);
        }
      }, (row) => handlers.listOpen && handlers.listOpen(row));
      handlers = build(made);
      return made;
    });
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


  Fenx.frame = {
    ID,
    Kind,
    px,
    place,
    makeCaption,
    makeDialog,
    openFromTable,
    runModal,
    endModal,
    find: (kind) => open.get(kind),
    // The game's window changed its size: the dialogs beside it move along.
    followWindow() {
      const game = document.getElementById('window').getBoundingClientRect();
      let top = game.top + window.scrollY;
      for (const dialog of open.values()) {
        dialog.style.left = besideLeft(dialog, game) + 'px';
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
    },
  };
})((window.Fenx = window.Fenx || {}));
