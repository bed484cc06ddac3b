// SPDX-License-Identifier: MIT
// The mouse and the touch screen on the game's canvas, in surface pixels.
// A held mouse button keeps the cursor's moves and its release with the
// game wherever the cursor goes, and the game hears whether the cursor is
// still inside the page. A finger drags once it moves, shows the placement
// hint when it is held still on a block, and clicks when it is lifted at
// once.
'use strict';

(function (Fenx) {
  // Holding a finger still this long on a block shows the placement hint.
  const LONG_PRESS_MS = 500;
  const TOUCH_SLOP_PX = 8;

  let game = null;
  let canvas = null;
  let ended = () => false;
  let cursorInside = true;

  function surfacePoint(event) {
    const box = canvas.getBoundingClientRect();
    return {
      x: Math.floor(((event.clientX - box.left) * canvas.width) / box.width),
      y: Math.floor(((event.clientY - box.top) * canvas.height) / box.height),
    };
  }

  function watchCursor(event) {
    cursorInside = event.clientX >= 0 && event.clientY >= 0 &&
      event.clientX < window.innerWidth && event.clientY < window.innerHeight;
  }

  function bind(playedGame, surface, hasEnded) {
    game = playedGame;
    canvas = surface;
    ended = hasEnded;
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // Once the game has ended, the canvas takes no more input.
    for (const type of ['pointerdown', 'mousedown', 'pointermove', 'pointerup', 'pointercancel']) {
      canvas.addEventListener(type, (event) => {
        if (ended()) {
          event.stopImmediatePropagation();
        }
      });
    }
    canvas.addEventListener('pointerdown', (event) => {
      Fenx.sound.unlock();
      if (event.pointerType === 'mouse') {
        // Moves and the release reach the game wherever the cursor goes.
        canvas.setPointerCapture(event.pointerId);
      } else {
        touchDown(event);
      }
    });
    canvas.addEventListener('mousedown', (event) => {
      // The second press of a double click does nothing.
      if (event.detail === 2 || Fenx.menu.anyOpen()) {
        return;
      }
      const p = surfacePoint(event);
      if (event.button === 0) {
        game.leftButtonDown(p.x, p.y);
      } else if (event.button === 2) {
        game.rightButtonDown(p.x, p.y);
      }
    });
    canvas.addEventListener('pointermove', (event) => {
      watchCursor(event);
      if (event.pointerType === 'mouse') {
        const p = surfacePoint(event);
        game.mouseMove(p.x, p.y, (event.buttons & 1) !== 0, (event.buttons & 2) !== 0);
      } else {
        touchMove(event);
      }
    });
    canvas.addEventListener('pointerup', (event) => {
      if (event.pointerType !== 'mouse') {
        touchUp(event);
      } else if (event.button === 0) {
        game.leftButtonUp();
      } else if (event.button === 2) {
        game.rightButtonUp();
      }
    });
    canvas.addEventListener('pointercancel', (event) => {
      if (event.pointerType !== 'mouse') {
        touchUp(event);
      }
    });
    window.addEventListener('pointermove', watchCursor);
    document.documentElement.addEventListener('mouseleave', () => { cursorInside = false; });
    document.documentElement.addEventListener('mouseenter', () => { cursorInside = true; });
  }

  // A finger: a drag once it moves, the placement hint when it is held
  // still, a click when it is lifted at once.
  let touch = null;

  function touchDown(event) {
    if (touch) {
      return; // one finger plays
    }
    canvas.setPointerCapture(event.pointerId);
    const start = surfacePoint(event);
    touch = { id: event.pointerId, start, client: [event.clientX, event.clientY], mode: 'wait' };
    touch.timer = setTimeout(() => {
      touch.mode = 'hint';
      game.rightButtonDown(start.x, start.y);
    }, LONG_PRESS_MS);
  }

  function touchMove(event) {
    if (!touch || event.pointerId !== touch.id) {
      return;
    }
    const p = surfacePoint(event);
    if (touch.mode === 'wait') {
      const moved = Math.hypot(event.clientX - touch.client[0], event.clientY - touch.client[1]);
      if (moved < TOUCH_SLOP_PX) {
        return;
      }
      clearTimeout(touch.timer);
      touch.mode = 'drag';
      game.leftButtonDown(touch.start.x, touch.start.y);
    }
    game.mouseMove(p.x, p.y, touch.mode === 'drag', touch.mode === 'hint');
  }

  function touchUp(event) {
    if (!touch || event.pointerId !== touch.id) {
      return;
    }
    clearTimeout(touch.timer);
    if (touch.mode === 'hint') {
      game.rightButtonUp();
    } else {
      if (touch.mode === 'wait') {
        game.leftButtonDown(touch.start.x, touch.start.y);
      }
      game.leftButtonUp();
    }
    touch = null;
  }


  Fenx.input = { bind, cursorInside: () => cursorInside };
})((window.Fenx = window.Fenx || {}));
