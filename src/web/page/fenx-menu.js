// SPDX-License-Identifier: MIT
// The menu bar: the game menu with its display-mode submenu and the help
// menu, with the desktop game's texts. Usable with the mouse and the keys:
// Alt with a menu's marked letter or F10 opens it, the arrows walk it, Enter
// or an item's marked letter chooses, Escape closes. Check marks and grayed
// items follow the engine's menu state. While a menu is open the play
// timer stands still.
'use strict';

(function (Fenx) {
  const check = true;
  const MENUS = [
    { text: 'ｹﾞｰﾑ(&G)', items: [
      { id: 104, text: '任意の面でスタート(&R)' },
      { id: 106, text: '面を指定してスタート(&D)...' },
      { id: 118, text: '面を検索してスタート(&F)...' },
      { id: 113, text: 'チャレンジ面でスタート(&C)...' },
      null,
      { id: 101, text: '７ブロック（初級）(&E)', check },
      { id: 102, text: '12ブロック（中級）(&M)', check },
      { id: 103, text: '14ブロック（上級）(&H)', check },
      { id: 105, text: '任意サイズ(&A)...', check },
      null,
      { text: 'ドラッグブロックの表示(&B)', items: [
        { id: 115, text: 'そのまま(&N)', check },
        { id: 116, text: 'フラッシュ(&F)', check },
        { id: 117, text: '点線枠(&L)', check },
      ] },
      { id: 108, text: '効果音(&S)', check },
      null,
      { id: 111, text: '終了(&X)' },
    ] },
    { text: 'ﾍﾙﾌﾟ(&H)', items: [
      { id: 107, text: '目次(&C)...' },
      { id: 119, text: '履歴でスタート(&H)...' },
      { id: 110, text: 'バージョン情報(&A)...' },
    ] },
  ];

  const items = new Map(); // command id -> element
  const tops = [];         // {button, popup}
  let choose = null;
  let openTop = -1;

  // "任意サイズ(&A)..." as text with its marked letter underlined.
  function label(text) {
    const span = document.createElement('span');
    span.className = 'label';
    const at = text.indexOf('&');
    if (at < 0) {
      span.textContent = text;
      return span;
    }
    span.append(text.slice(0, at));
    const u = document.createElement('u');
    u.textContent = text[at + 1];
    span.append(u, text.slice(at + 2));
    span.dataset.mnemonic = text[at + 1].toLowerCase();
    return span;
  }

  function buildPopup(entries) {
    const popup = document.createElement('div');
    popup.className = 'popup';
    popup.setAttribute('role', 'menu');
    popup.hidden = true;
    for (const entry of entries) {
      if (!entry) {
        const line = document.createElement('div');
        line.className = 'separator';
        line.setAttribute('role', 'separator');
        popup.append(line);
        continue;
      }
      const item = document.createElement('div');
      item.className = 'item';
      item.tabIndex = -1;
      item.setAttribute('role', entry.check ? 'menuitemcheckbox' : 'menuitem');
      const mark = document.createElement('span');
      mark.className = 'mark';
      item.append(mark, label(entry.text));
      if (entry.items) {
        const sub = buildPopup(entry.items);
        sub.classList.add('submenu');
        item.setAttribute('aria-haspopup', 'true');
        item.classList.add('has-submenu');
        item.append(sub);
        item.addEventListener('mouseenter', () => openSubmenu(item, false));
      } else {
        item.dataset.id = entry.id;
        items.set(entry.id, item);
        item.addEventListener('mouseenter', () => { closeSubmenus(popup); item.focus(); });
      }
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        activate(item);
      });
      popup.append(item);
    }
    return popup;
  }

  function openSubmenu(item, focusFirst) {
    const popup = item.parentElement;
    closeSubmenus(popup);
    const sub = item.querySelector(':scope > .submenu');
    sub.hidden = false;
    item.focus();
    if (focusFirst) {
      entries(sub)[0].focus();
    }
  }

  function closeSubmenus(popup) {
    for (const sub of popup.querySelectorAll('.submenu')) {
      sub.hidden = true;
    }
  }

  function entries(popup) {
    return Array.from(popup.children).filter((e) => e.classList.contains('item'));
  }

  function activate(item) {
    if (item.classList.contains('has-submenu')) {
      openSubmenu(item, true);
      return;
    }
    if (item.getAttribute('aria-disabled') === 'true') {
      return;
    }
    closeAll();
    choose(Number(item.dataset.id));
  }

  function open(index, focusFirst) {
    closeAll();
    openTop = index;
    const { button, popup } = tops[index];
    button.classList.add('open');
    button.setAttribute('aria-expanded', 'true');
    popup.hidden = false;
    (focusFirst ? entries(popup)[0] : button).focus();
  }

  function closeAll() {
    for (const { button, popup } of tops) {
      button.classList.remove('open');
      button.setAttribute('aria-expanded', 'false');
      popup.hidden = true;
      closeSubmenus(popup);
    }
    const wasOpen = openTop >= 0;
    openTop = -1;
    if (wasOpen && document.activeElement && document.activeElement.closest('#menubar')) {
      document.activeElement.blur();
    }
  }

  // The popup the keys act in: the deepest one open.
  function activePopup() {
    const popup = tops[openTop].popup;
    const subs = Array.from(popup.querySelectorAll('.submenu')).filter((s) => !s.hidden);
    return subs.length ? subs[subs.length - 1] : popup;
  }

  function move(popup, step) {
    const list = entries(popup);
    const at = list.indexOf(document.activeElement);
    const next = at < 0 ? (step > 0 ? 0 : list.length - 1) : (at + step + list.length) % list.length;
    list[next].focus();
  }

  function mnemonicOf(element) {
    const l = element.querySelector(':scope > .label');
    return l ? l.dataset.mnemonic : undefined;
  }

  function keyInOpenMenu(event) {
    const popup = activePopup();
    const inSubmenu = popup.classList.contains('submenu');
    switch (event.key) {
      case 'ArrowDown': move(popup, 1); return true;
      case 'ArrowUp': move(popup, -1); return true;
      case 'ArrowRight':
        if (document.activeElement.classList.contains('has-submenu')) {
          openSubmenu(document.activeElement, true);
        } else {
          open((openTop + 1) % tops.length, true);
        }
        return true;
      case 'ArrowLeft':
        if (inSubmenu) {
          popup.hidden = true;
          popup.parentElement.focus();
        } else {
          open((openTop + tops.length - 1) % tops.length, true);
        }
        return true;
      case 'Enter':
      case ' ':
        if (document.activeElement.classList.contains('item')) {
          activate(document.activeElement);
        }
        return true;
      case 'Escape':
      case 'F10':
      case 'Alt':
        if (inSubmenu && event.key === 'Escape') {
          popup.hidden = true;
          popup.parentElement.focus();
        } else {
          closeAll();
        }
        return true;
      default: {
        const hit = entries(popup).find((e) => mnemonicOf(e) === event.key.toLowerCase());
        if (hit) {
          activate(hit);
          return true;
        }
        return event.key.length === 1; // other letters do nothing while a menu is open
      }
    }
  }

  Fenx.menu = {
    build(onChoose) {
      choose = onChoose;
      const bar = document.getElementById('menubar');
      MENUS.forEach((menu, index) => {
        const top = document.createElement('div');
        top.className = 'top';
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'title';
        button.setAttribute('aria-haspopup', 'true');
        button.setAttribute('aria-expanded', 'false');
        button.append(label(menu.text));
        const popup = buildPopup(menu.items);
        button.addEventListener('mousedown', (event) => {
          event.preventDefault();
          event.stopPropagation();
          if (openTop === index) {
            closeAll();
          } else {
            open(index, false);
          }
        });
        button.addEventListener('mouseenter', () => {
          if (openTop >= 0 && openTop !== index) {
            open(index, false);
          }
        });
        top.append(button, popup);
        bar.append(top);
        tops.push({ button, popup, mnemonic: mnemonicOf(button) });
      });
      document.addEventListener('mousedown', (event) => {
        if (openTop >= 0 && !event.target.closest('#menubar')) {
          closeAll();
        }
      }, true);
    },
    anyOpen: () => openTop >= 0,
    // Keys for the menus; true when the key was the menu's.
    handleKey(event) {
      if (openTop >= 0) {
        return keyInOpenMenu(event);
      }
      if (event.target instanceof Element && event.target.closest('dialog')) {
        return false;
      }
      if (event.key === 'F10') {
        open(0, true);
        return true;
      }
      if (event.altKey && !event.ctrlKey) {
        const index = tops.findIndex((t) => t.mnemonic === event.key.toLowerCase());
        if (index >= 0) {
          open(index, true);
          return true;
        }
      }
      return false;
    },
    apply(state) {
      const sizeItems = [101, 102, 103, 105];
      sizeItems.forEach((id, i) => setChecked(id, state.sizeMark === i));
      setChecked(108, state.soundChecked);
      [115, 116, 117].forEach((id, i) => setChecked(id, state.dragModeMark === i));
      setEnabled(113, state.challengeEnabled);
      setEnabled(118, state.searchEnabled);
      setEnabled(105, state.anySizeEnabled);
      setEnabled(106, state.stageNumberEnabled);
    },
    item: (id) => items.get(id),
  };

  function setChecked(id, checked) {
    const item = items.get(id);
    item.setAttribute('aria-checked', checked ? 'true' : 'false');
    item.querySelector('.mark').textContent = checked ? '✓' : '';
  }

  function setEnabled(id, enabled) {
    items.get(id).setAttribute('aria-disabled', enabled ? 'false' : 'true');
  }
})((window.Fenx = window.Fenx || {}));
