// SPDX-License-Identifier: MIT
// The page around the game: loads the engine and the sprite sheet, shows
// the engine's 8-bit surface in the canvas at an integer zoom, hands it the
// keys, the play timer and the menu commands (the mouse and the touch
// screen through fenx-input.js), keeps the address fragment on the stage in
// play, and answers the calls the engine's platform makes (title,
// pictures, sounds, storage).
'use strict';

(function (Fenx) {
  const TICK_MS = 100;
  const PLAN_BUDGET_MS = 5000;

  const canvas = document.getElementById('surface');
  const context = canvas.getContext('2d', { alpha: false });
  let engine = null;
  let game = null;
  let palette = new Uint32Array(256);
  let zoom = 1;
  let linkedZoom = 0; // 0: the largest zoom that fits
  let applicationActive = true;
  let ended = false;

  // --- The link in the address fragment ---------------------------------
  // "#w=7&h=4&n=4829&zoom=2" in any order; anything else is ignored.
  function parseLink(fragment) {
    const link = {};
    for (const part of fragment.replace(/^#/, '').split('&')) {
      const m = /^(w|h|n|zoom)=(\d{1,10})$/.exec(part);
      if (!m) {
        continue;
      }
      const value = Number(m[2]);
      if (m[1] === 'zoom' && value >= 1 && value <= 4) {
        link.zoom = value;
      } else if (m[1] === 'n' && value <= 2147483647) {
        link.n = value;
      } else if (m[1] === 'w' || m[1] === 'h') {
        link[m[1]] = value;
      }
    }
    // A size counts only whole: both keys, and a size a stage can have.
    if (link.w === undefined || link.h === undefined || !engine.isStageSize(link.w, link.h)) {
      delete link.w;
      delete link.h;
    }
    return link;
  }

  function showLink(text) {
    const zoomPart = linkedZoom ? '&zoom=' + linkedZoom : '';
    const wanted = '#' + text + zoomPart;
    if (location.hash !== wanted) {
      history.replaceState(null, '', wanted);
    }
  }

  // --- The picture -------------------------------------------------------
  function takePalette() {
    const colours = game.colours(); // 0xAARRGGBB
    for (let i = 0; i < 256; ++i) {
      const c = colours[i];
      // Canvas pixels are R, G, B, A in memory: little-endian 0xAABBGGRR.
      palette[i] = (0xff000000 | ((c & 0xff) << 16) | (c & 0xff00) | ((c >>> 16) & 0xff)) >>> 0;
    }
  }

  function present(x, y, width, height) {
    const surfaceWidth = game.surfaceWidth();
    const surfaceHeight = game.surfaceHeight();
    const x0 = Math.max(0, x);
    const y0 = Math.max(0, y);
    const x1 = Math.min(surfaceWidth, x + width);
    const y1 = Math.min(surfaceHeight, y + height);
    if (x1 <= x0 || y1 <= y0) {
      return;
    }
    const pixels = game.surfacePixels();
    const image = context.createImageData(x1 - x0, y1 - y0);
    const out = new Uint32Array(image.data.buffer);
    const w = x1 - x0;
    for (let row = y0; row < y1; ++row) {
      let from = row * surfaceWidth + x0;
      let to = (row - y0) * w;
      for (let i = 0; i < w; ++i) {
        out[to++] = palette[pixels[from++]];
      }
    }
    context.putImageData(image, x0, y0);
  }

  function fittingZoom() {
    if (linkedZoom) {
      return linkedZoom;
    }
    const ratio = window.devicePixelRatio || 1;
    const bar = document.getElementById('menubar').offsetHeight;
    for (let z = 4; z > 1; --z) {
      if ((canvas.width * z) / ratio <= window.innerWidth &&
          (canvas.height * z) / ratio + bar <= window.innerHeight) {
        return z;
      }
    }
    return 1;
  }

  // Each surface pixel a square of zoom x zoom device pixels.
  function applyZoom() {
    zoom = fittingZoom();
    const ratio = window.devicePixelRatio || 1;
    canvas.style.width = (canvas.width * zoom) / ratio + 'px';
    canvas.style.height = (canvas.height * zoom) / ratio + 'px';
    document.getElementById('window').style.width = canvas.style.width;
  }

  function resize(width, height) {
    canvas.width = width;
    canvas.height = height;
    takePalette();
    applyZoom();
    Fenx.dialogs.followWindow();
  }

  // --- The platform's calls ---------------------------------------------
  const pageCalls = {
    setTitle(text) {
      document.title = text;
      if (game && game.challengeActive()) {
        // A challenge's number alone would give the stage without its
        // fixed blocks: the link keeps the size only.
        showLink('w=' + game.stageWidth() + '&h=' + game.stageHeight());
      }
    },
    present,
    resize,
    cursorInside: () => Fenx.input.cursorInside(),
    playSound: (index) => Fenx.sound.play(index),
    storageRead(key) {
      try {
        return window.localStorage.getItem(key);
      } catch (error) {
        return null; // storage switched off: nothing is kept
      }
    },
    storageWrite(key, text) {
      try {
        window.localStorage.setItem(key, text);
        return true;
      } catch (error) {
        return false; // full or switched off: this run goes on
      }
    },
    gameChanged(kind, value, value2) {
      switch (kind) {
        case 0:
          Fenx.menu.apply(game.menuState());
          break;
        case 1:
          showLink('w=' + game.stageWidth() + '&h=' + game.stageHeight() + '&n=' + value);
          Fenx.dialogs.stageNumberShown(value);
          break;
        case 2:
          Fenx.dialogs.stageSizeChanged(value, value2);
          break;
        case 3:
          Fenx.dialogs.challengeSolved(value);
          break;
      }
    },
  };

  // --- The play timer ------------------------------------------------------
  // A tick every 100 ms; the frames a tick asks for come at the clock
  // readings it names. Nothing runs while another window is active or a
  // menu is open.
  let pacing = null;
  const now = () => Math.floor(performance.now()) >>> 0;
  const gateOpen = () => applicationActive && !Fenx.menu.anyOpen() && !ended;

  function schedule(due) {
    if (due < 0) {
      return;
    }
    const wait = (due - now()) | 0; // signed: a reading past a wrap is later
    pacing = setTimeout(pacedFrame, Math.max(wait, 0));
  }

  function tick() {
    clearTimeout(pacing);
    pacing = null;
    if (gateOpen()) {
      schedule(game.onPlayTimer());
    }
  }

  function pacedFrame() {
    pacing = null;
    if (gateOpen()) {
      schedule(game.onPacedFrame());
    }
  }

  // --- The H key: the next move, planned in a worker ------------------------
  let planner = null; // {worker, busy}

  function planWorker() {
    if (planner && planner.busy) {
      planner.worker.terminate(); // a plan for an older position
      planner = null;
    }
    if (!planner) {
      const worker = new Worker('fenx-worker.js');
      planner = { worker, busy: false };
      const mine = planner;
      worker.onmessage = (event) => {
        mine.busy = false;
        const answer = event.data;
        if (answer.plan && game && !ended) {
          game.planArrived(answer.position, answer.blocks, answer.plan.cells, answer.plan.drags);
        }
      };
    }
    return planner;
  }

  // The H key's next move, or with playOut Shift+H's play-out of the plan.
  function requestNextMove(playOut) {
    if ((playOut ? game.requestPlayOut() : game.requestNextMove()) !== 2) {
      return;
    }
    const question = game.nextMoveQuestion();
    const p = planWorker();
    p.busy = true;
    p.worker.postMessage({ job: 'plan', budgetMs: PLAN_BUDGET_MS, ...question });
  }

  // While a play-out runs, the first key or press anywhere on the page only
  // stops it: the event goes no further, nor do the key's repeats and the
  // press's click.
  let stoppingKey = null;
  let stoppingPress = false;

  function stopsPlayOut(event) {
    if (!game || ended || !game.playingOut()) {
      return false;
    }
    game.stopPlayOut();
    event.preventDefault();
    event.stopImmediatePropagation();
    return true;
  }

  function bindPlayOutStop() {
    window.addEventListener('keydown', (event) => {
      if (stopsPlayOut(event)) {
        stoppingKey = event.code;
      } else if (event.repeat && event.code === stoppingKey) {
        event.preventDefault();
        event.stopImmediatePropagation();
      }
    }, true);
    window.addEventListener('keyup', (event) => {
      if (event.code === stoppingKey) {
        stoppingKey = null;
      }
    }, true);
    // A press stopped at pointerdown makes no mouse events.
    window.addEventListener('pointerdown', (event) => {
      stoppingPress = stopsPlayOut(event);
    }, true);
    window.addEventListener('mousedown', (event) => {
      stopsPlayOut(event);
    }, true);
    window.addEventListener('click', (event) => {
      if (stoppingPress) {
        stoppingPress = false;
        event.preventDefault();
        event.stopImmediatePropagation();
      }
    }, true);
  }

  function bindKeys() {
    bindPlayOutStop();
    document.addEventListener('keydown', (event) => {
      Fenx.sound.unlock();
      if (Fenx.menu.handleKey(event)) {
        event.preventDefault();
        return;
      }
      const inDialog = event.target instanceof Element && event.target.closest('dialog');
      if (inDialog || !game || ended) {
        return;
      }
      const key = Fenx.playKeyOf(event);
      if (key !== undefined) {
        // Not the page's: arrows and Space do not scroll it, F5 does not
        // reload it.
        event.preventDefault();
        game.onKey(key, event.repeat);
      } else if (!event.altKey && !event.ctrlKey && !event.metaKey &&
                 (event.key === 'h' || event.key === 'H')) {
        requestNextMove(event.shiftKey);
      }
    });
  }

  // --- Commands ------------------------------------------------------------
  const Effect = { None: 0, OpenHelp: 1, OpenAbout: 2, Quit: 3, OpenSize: 4,
                   OpenStageNumber: 5, OpenChallenge: 6, OpenSearch: 7, OpenHistory: 8 };

  function runCommand(id) {
    if (ended) {
      return;
    }
    switch (game.onCommand(id)) {
      case Effect.OpenHelp: Fenx.dialogs.openHelp(); break;
      case Effect.OpenAbout: Fenx.dialogs.openAbout(); break;
      case Effect.Quit: quit(); break;
      case Effect.OpenSize: Fenx.dialogs.openSize(); break;
      case Effect.OpenStageNumber: Fenx.dialogs.openStageNumber(); break;
      case Effect.OpenChallenge: Fenx.dialogs.openChallenge(); break;
      case Effect.OpenSearch: Fenx.dialogs.openSearch(); break;
      case Effect.OpenHistory: Fenx.dialogs.openHistory(); break;
    }
    Fenx.menu.apply(game.menuState());
  }

  function shutDown() {
    if (!ended && game) {
      ended = true;
      if (planner) {
        planner.worker.terminate();
      }
      game.shutDown();
    }
  }

  // The page cannot close its own tab: the game ends and says so.
  function quit() {
    Fenx.dialogs.closeAll();
    shutDown();
    document.body.classList.add('ended');
  }

  // --- Start -----------------------------------------------------------------
  function followLink(starting) {
    const link = parseLink(location.hash);
    if (link.zoom !== linkedZoom) {
      linkedZoom = link.zoom || 0;
      applyZoom();
    }
    if (starting && link.w !== undefined) {
      game.storeLinkedSize(link.w, link.h);
    }
    return link;
  }

  function startStageOfLink(link) {
    if (link.n === undefined) {
      return;
    }
    if (link.w !== undefined) {
      game.startStageOfSize(link.w, link.h, link.n);
    } else {
      game.startStageNumber(link.n);
    }
  }

  async function fetchBytes(name) {
    const response = await fetch(name);
    if (!response.ok) {
      throw new Error(name + ': ' + response.status);
    }
    return new Uint8Array(await response.arrayBuffer());
  }

  async function start() {
    const [loaded, sheet] = await Promise.all([FenxEngine(), fetchBytes('fenx00.bmp')]);
    engine = loaded;
    const decoder = new TextDecoder();
    engine.fenxText = (pointer, length) =>
      decoder.decode(engine.HEAPU8.subarray(pointer, pointer + length));
    engine.fenxPage = pageCalls;
    game = new engine.FenxGame(sheet);
    if (!game.ready()) {
      throw new Error('fenx00.bmp is no sprite sheet');
    }
    Fenx.engine = engine;
    Fenx.game = game;
    Fenx.runCommand = runCommand;
    Fenx.menu.build(runCommand);
    const link = followLink(true);
    game.startUp();
    resize(game.surfaceWidth(), game.surfaceHeight());
    Fenx.menu.apply(game.menuState());
    Fenx.input.bind(game, canvas, () => ended);
    window.addEventListener('blur', () => { applicationActive = false; });
    window.addEventListener('focus', () => { applicationActive = true; });
    // Another tab stored settings: challenges solved there show here too.
    window.addEventListener('storage', (event) => {
      if (!ended && event.key === 'fenx.ini') {
        game.takeStoredChallengeProgress();
      }
    });
    bindKeys();
    setInterval(tick, TICK_MS);
    game.showTitleScreen();
    Fenx.sound.load().then(() => {
      if (!ended) {
        game.playStartJingle();
      }
    });
    startStageOfLink(link);
    window.addEventListener('hashchange', () => startStageOfLink(followLink(false)));
    window.addEventListener('resize', applyZoom);
    window.addEventListener('pagehide', shutDown);
    // A page brought back from the browser's cache had ended: start afresh.
    window.addEventListener('pageshow', (event) => {
      if (event.persisted) {
        location.reload();
      }
    });
    document.body.classList.add('ready');
  }

  Fenx.start = start;
})((window.Fenx = window.Fenx || {}));
