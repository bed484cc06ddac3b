// SPDX-License-Identifier: MIT
// The keys of play, as the desktop game maps them, in the engine's order
// of its keys (PlayKey): Ctrl+Z undo; Ctrl+Shift+Z and Ctrl+Y redo; F5
// restart; the arrows (and the keypad's 8, 4, 6, 2); Home, Page Up, End,
// Page Down (and the keypad's 7, 9, 1, 3) the diagonals; Space and Enter
// pick up or put down (held down, once); Escape puts down. Alt with a letter is the menu's.
'use strict';

(function (Fenx) {
  const Key = { Left: 0, Right: 1, Up: 2, Down: 3, UpLeft: 4, UpRight: 5, DownLeft: 6,
                DownRight: 7, PickUpOrPutDown: 8, PutDown: 9, Undo: 10, Redo: 11, Restart: 12 };
  const plain = {
    ArrowLeft: Key.Left, ArrowRight: Key.Right, ArrowUp: Key.Up, ArrowDown: Key.Down,
    Home: Key.UpLeft, PageUp: Key.UpRight, End: Key.DownLeft, PageDown: Key.DownRight,
    ' ': Key.PickUpOrPutDown, Enter: Key.PickUpOrPutDown, Escape: Key.PutDown, F5: Key.Restart,
  };
  // With Num Lock on the keypad gives digits; off, the keys above.
  const keypadDigits = {
    Numpad4: Key.Left, Numpad6: Key.Right, Numpad8: Key.Up, Numpad2: Key.Down,
    Numpad7: Key.UpLeft, Numpad9: Key.UpRight, Numpad1: Key.DownLeft, Numpad3: Key.DownRight,
  };

  // The engine's number for the key of this keydown event, or undefined.
  function playKeyOf(event) {
    if (event.altKey || event.metaKey) {
      return undefined;
    }
    if (event.ctrlKey) {
      const letter = event.key.toLowerCase();
      if (letter === 'z') {
        return event.shiftKey ? Key.Redo : Key.Undo;
      }
      return letter === 'y' && !event.shiftKey ? Key.Redo : undefined;
    }
    if (event.shiftKey) {
      return undefined;
    }
    if (Object.hasOwn(keypadDigits, event.code) && /^[0-9]$/.test(event.key)) {
      return keypadDigits[event.code];
    }
    return Object.hasOwn(plain, event.key) ? plain[event.key] : undefined;
  }

  Fenx.playKeyOf = playKeyOf;
})((window.Fenx = window.Fenx || {}));
