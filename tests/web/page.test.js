// SPDX-License-Identifier: MIT
// The browser version, driven in headless Chromium as a player drives it:
// its pictures against fenx-cli's, real mouse drags, the menus and dialogs,
// the browser's storage across a reload and when it holds junk.
//   FENX_WEB  the built page (build/web)
//   FENX_CLI  fenx-cli of a native build (build/test/src/fenx-cli)
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');
const { serve } = require('../../scripts/serve-web.js');

const top = path.resolve(__dirname, '../..');
const webFolder = process.env.FENX_WEB || path.join(top, 'build/web');
const cli = process.env.FENX_CLI || path.join(top, 'build/test/src/fenx-cli');
// Every page runs at this moment in UTC, so the hour that picks the
// background is known.
const FIXED_TIME = new Date('2026-03-14T10:30:00Z');
const HOUR = 10;

let server;
let browser;
let origin;

test.before(async () => {
  server = await serve(webFolder, 0);
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

test.after(async () => {
  await browser?.close();
  server?.close();
});

function runCli(...args) {
  return execFileSync(cli, args, { encoding: 'utf8' });
}

function renderPng(args) {
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'fenx-web-')), 'view.png');
  runCli('render', ...args.slice(0, 3), file, '--hour', String(HOUR), ...args.slice(3));
  return fs.readFileSync(file).toString('base64');
}

// A fresh browser context (empty storage) and a page at the link, with
// every console error and page error collected.
async function openGame(hash, { context, prepare } = {}) {
  const own = context || (await browser.newContext({ deviceScaleFactor: 1, timezoneId: 'UTC',
                                                     viewport: { width: 1280, height: 800 } }));
  const page = await own.newPage();
  await page.clock.setFixedTime(FIXED_TIME);
  page.errors = [];
  page.on('console', (m) => { if (m.type() === 'error') page.errors.push(m.text()); });
  page.on('pageerror', (e) => page.errors.push(e.message));
  if (prepare) {
    await prepare(page);
  }
  await page.goto(`${origin}/index.html${hash}`);
  await page.waitForFunction(() => document.body.classList.contains('ready'));
  return { page, context: own };
}

const phase = (page) => page.evaluate(() => Fenx.game.phase());
const PLAYING = 1;
const SOLVED = 3;
const TITLE = 0;

async function waitForPhase(page, wanted) {
  await page.waitForFunction((p) => Fenx.game.phase() === p, wanted, { timeout: 20000 });
}

// How many canvas pixels differ from the PNG (decoded by the browser).
async function differingPixels(page, pngBase64) {
  return page.evaluate(async (png) => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const canvas = document.getElementById('surface');
    if (bitmap.width !== canvas.width || bitmap.height !== canvas.height) {
      return `size ${canvas.width}x${canvas.height}, expected ${bitmap.width}x${bitmap.height}`;
    }
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    scratch.drawImage(bitmap, 0, 0);
    const want = scratch.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const have = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let differing = 0;
    for (let i = 0; i < want.length; i += 4) {
      if (want[i] !== have[i] || want[i + 1] !== have[i + 1] || want[i + 2] !== have[i + 2]) {
        ++differing;
      }
    }
    return differing;
  }, pngBase64);
}

// Whether block b of a field view `width` cells wide fits dy rows lower (higher for
// dy < 0): only the cells it would cover count, and they must be free or
// its own.
function fitsRows(view, width, rows, b, dy) {
  const owner = (x, y) => (x < 0 || y < 0 || x >= width || y >= rows ? 'outside' : view.cells[y * width + x]);
  return Array.from(view.cells).every((v, i) => v !== b ||
    [owner(i % width, Math.floor(i / width) + dy)].every((o) => o === -1 || o === b));
}

// A block that can rise two rows.
function liftableBlock(view, width, rows) {
  for (let b = 0; b < view.anchors.length / 2; ++b) {
    if (fitsRows(view, width, rows, b, -1) && fitsRows(view, width, rows, b, -2)) {
      return b;
    }
  }
  return -1;
}

async function canvasOrigin(page) {
  const box = await page.locator('#surface').boundingBox();
  return { x: box.x, y: box.y };
}

async function chooseMenu(page, top, id) {
  await page.locator('#menubar .title').nth(top).click();
  await page.locator(`#menubar [data-id="${id}"]`).click();
}

// Plays fenx-cli solve's drags with the real mouse.
async function replaySolve(page, args) {
  const lines = runCli('solve', ...args).trim().split('\n');
  assert.match(lines[lines.length - 1], /^solved \d+ \d+$/);
  const at = await canvasOrigin(page);
  for (const line of lines.slice(0, -1)) {
    const numbers = line.split(' ').slice(1).map(Number);
    await page.mouse.move(at.x + numbers[0] + 0.5, at.y + numbers[1] + 0.5);
    await page.mouse.down();
    for (let i = 2; i < numbers.length; i += 2) {
      await page.mouse.move(at.x + numbers[i] + 0.5, at.y + numbers[i + 1] + 0.5);
    }
    await page.mouse.up();
  }
  return lines.length - 1;
}

test('the title and a linked stage after its fly-in are the pictures fenx-cli renders', async () => {
  const { page, context } = await openGame('#zoom=1');
  assert.equal(await page.evaluate(() => document.querySelector('title').textContent), 'ＤＯＤＩ');
  assert.equal(await differingPixels(page, renderPng(['7', '4', '0', '--view', 'title'])), 0);

  for (const [w, h, n] of [[7, 4, 4829], [38, 10, 60000]]) {
    const link = `#w=${w}&h=${h}&n=${n}&zoom=1`;
    await page.goto(`${origin}/index.html${link}`);
    await page.waitForFunction(() => document.body.classList.contains('ready'));
    await waitForPhase(page, PLAYING);
    assert.equal(await differingPixels(page, renderPng([String(w), String(h), String(n)])), 0,
                 `${w} x ${h} stage ${n}`);
    // The window title of the desktop game, and a link to the stage in play.
    assert.equal(await page.evaluate(() => document.querySelector('title').textContent), ` ${n} 面`);
    assert.equal(await page.evaluate(() => location.hash), link);
  }
  // Keys in any order; a size that is no stage size is ignored.
  await page.goto(`${origin}/index.html#n=77&zoom=1&junk=3&w=9&h=3`);
  await page.waitForFunction(() => Fenx.game.currentStageNumber() === 77);
  assert.deepEqual(await page.evaluate(() => [Fenx.game.stageWidth(), Fenx.game.stageHeight(),
                                             Fenx.game.currentStageNumber()]), [38, 10, 77]);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('a real mouse drag walks the block toward the cursor and never into another', async () => {
  const { page, context } = await openGame('#w=7&h=4&n=4829&zoom=1');
  await waitForPhase(page, PLAYING);
  const before = await page.evaluate(() => Fenx.game.fieldView());
  const width = 7;
  const fits = (view, b, dy) => fitsRows(view, width, 8, b, dy);
  const block = liftableBlock(before, width, 8);
  assert.ok(block >= 0, 'some block has two free rows above it');
  const [column, row] = [before.anchors[2 * block], before.anchors[2 * block + 1]];
  const at = await canvasOrigin(page);
  const centre = (cell) => (cell + 1) * 16 + 8;
  // Up two rows: the block follows. Then far down and across into the
  // pile: it stops where the next step would overlap.
  await page.mouse.move(at.x + centre(column), at.y + centre(row));
  await page.mouse.down();
  await page.mouse.move(at.x + centre(column), at.y + centre(row - 1));
  await page.mouse.move(at.x + centre(column), at.y + centre(row - 2));
  await page.mouse.up();
  const lifted = await page.evaluate(() => Fenx.game.fieldView());
  const moved = Array.from(before.anchors);
  moved[2 * block + 1] = row - 2;
  assert.deepEqual(Array.from(lifted.anchors), moved);

  await page.mouse.move(at.x + centre(column), at.y + centre(row - 2));
  await page.mouse.down();
  await page.mouse.move(at.x + centre(column), at.y + 400); // below the field
  await page.mouse.up();
  const dropped = await page.evaluate(() => Fenx.game.fieldView());
  const fell = dropped.anchors[2 * block + 1] - (row - 2);
  // Straight down as far as every step fits, and not one row further.
  assert.ok(fell >= 2, 'back down to where it was, at least');
  const shifted = { cells: Array.from(lifted.cells, (v) => (v === block ? -1 : v)) };
  for (let i = 0; i < lifted.cells.length; ++i) {
    if (lifted.cells[i] === block) {
      shifted.cells[i + fell * width] = block;
    }
  }
  assert.deepEqual(Array.from(dropped.cells), shifted.cells);
  assert.equal(fits(dropped, block, 1), false,
               'the next step down would overlap or leave the field');
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('a finger drags a block, and held still on a block shows the placement hint', async () => {
  const context = await browser.newContext({ deviceScaleFactor: 1, timezoneId: 'UTC', hasTouch: true });
  const { page } = await openGame('#w=7&h=4&n=4829&zoom=1', { context });
  await waitForPhase(page, PLAYING);
  const cdp = await context.newCDPSession(page);
  const at = await canvasOrigin(page);
  const touch = (type, x, y) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x: at.x + x, y: at.y + y }] });
  const before = await page.evaluate(() => Fenx.game.fieldView());
  // A finger that moves drags: a block that can rise, up one row.
  const block = liftableBlock(before, 7, 8);
  const [column, row] = [before.anchors[2 * block], before.anchors[2 * block + 1]];
  const centre = (cell) => (cell + 1) * 16 + 8;
  await touch('touchStart', centre(column), centre(row));
  await touch('touchMove', centre(column), centre(row) - 12);
  await touch('touchMove', centre(column), centre(row) - 16);
  await touch('touchEnd');
  const after = await page.evaluate(() => Fenx.game.fieldView());
  const moved = Array.from(before.anchors);
  moved[2 * block + 1] = row - 1;
  assert.deepEqual(Array.from(after.anchors), moved);

  // Held still: the hint blinks in the picture until the finger lifts.
  const picture = () => page.evaluate(() => Array.from(Fenx.game.surfacePixels()).join());
  const still = await picture();
  await touch('touchStart', centre(column), centre(row - 1));
  let changed = false;
  for (let i = 0; i < 40 && !changed; ++i) {
    await page.waitForTimeout(50);
    changed = (await picture()) !== still;
  }
  assert.ok(changed, 'the hint shows');
  await touch('touchEnd');
  await page.waitForTimeout(150);
  assert.equal(await picture(), still, 'the hint ends with the finger');
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('the keys carry a block, undo, redo and restart it, and F5 does not reload the page', async () => {
  const { page, context } = await openGame('#w=7&h=4&n=4829&zoom=1');
  await waitForPhase(page, PLAYING);
  const anchors = async () => Array.from((await page.evaluate(() => Fenx.game.fieldView())).anchors);
  const start = await anchors();
  const block = liftableBlock(await page.evaluate(() => Fenx.game.fieldView()), 7, 8);
  const [column, row] = [start[2 * block], start[2 * block + 1]];
  // From the bottom-left cell to the block's anchor, and up one row. Space
  // is held down: its auto-repeat neither puts the block down nor picks it
  // up again.
  for (const key of [...Array(7 - row).fill('ArrowUp'), ...Array(column).fill('ArrowRight')]) {
    await page.keyboard.press(key);
  }
  await page.keyboard.down('Space');
  await page.keyboard.down('Space');
  await page.keyboard.up('Space');
  for (const key of ['Numpad8', 'Enter']) {
    await page.keyboard.press(key);
  }
  const moved = Array.from(start);
  moved[2 * block + 1] = row - 1;
  assert.deepEqual(await anchors(), moved);
  await page.evaluate(() => { window.stillThisPage = true; });
  for (const [key, after] of [['Control+z', start], ['Control+Shift+Z', moved], ['Control+z', start],
                              ['Control+y', moved], ['F5', start]]) {
    await page.keyboard.press(key);
    assert.deepEqual(await anchors(), after, key);
  }
  assert.equal(await page.evaluate(() => window.stillThisPage), true);
  // Once the mouse moves the keyboard cursor goes: the start view.
  const at = await canvasOrigin(page);
  await page.mouse.move(at.x + 5, at.y + 5);
  assert.equal(await differingPixels(page, renderPng(['7', '4', '4829'])), 0);
  await page.keyboard.press('Control+z');
  assert.deepEqual(await anchors(), moved);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('the H key shows a move, and replaying fenx-cli solve with the mouse solves the stage and shows the solved animation', async () => {
  const { page, context } = await openGame('#w=7&h=4&n=4829&zoom=1');
  await waitForPhase(page, PLAYING);
  // The H key's next move, planned in a worker, shows until a press.
  await page.keyboard.press('h');
  await page.waitForFunction(() => Fenx.game.nextMoveShowing(), null, { timeout: 15000 });
  await replaySolve(page, ['7', '4', '4829']);
  assert.equal(await phase(page), SOLVED);
  const first = await page.locator('#surface').screenshot();
  await page.waitForTimeout(300);
  const later = await page.locator('#surface').screenshot();
  assert.notDeepEqual(first, later, 'the solved animation moves');
  await waitForPhase(page, TITLE); // an ordinary stage returns to the title
  // The stage left is written to the history when the next one starts.
  await page.locator('#surface').click({ position: { x: 70, y: 80 } });
  await waitForPhase(page, PLAYING);
  const log = await page.evaluate(() => localStorage.getItem('fenx.log'));
  assert.equal(log, '1 26/03/14 10:30 7 4 4829\n');
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('Shift+H plays the solution out, and a key then only stops it where undo takes the moves back', async () => {
  const { page, context } = await openGame('#w=7&h=4&n=4829&zoom=1');
  await waitForPhase(page, PLAYING);
  const anchors = async () => Array.from((await page.evaluate(() => Fenx.game.fieldView())).anchors);
  const start = await anchors();
  await page.keyboard.press('Shift+H');
  await page.waitForFunction(() => Fenx.game.playingOut(), null, { timeout: 15000 });
  await page.waitForTimeout(3000); // a few drags
  await page.keyboard.press('ArrowLeft');
  assert.equal(await page.evaluate(() => Fenx.game.playingOut()), false);
  const stopped = await anchors();
  assert.notDeepEqual(stopped, start);
  await page.waitForTimeout(500);
  assert.deepEqual(await anchors(), stopped, 'nothing moves after the stop');
  // The key was not acted on: the keyboard cursor it would show is not
  // there, so the picture is the field alone, as a mouse move leaves it.
  const before = await page.locator('#surface').screenshot();
  const at = await canvasOrigin(page);
  await page.mouse.move(at.x + 5, at.y + 5);
  assert.deepEqual(await page.locator('#surface').screenshot(), before);
  let undone = 0;
  while (undone < 40 && JSON.stringify(await anchors()) !== JSON.stringify(start)) {
    await page.keyboard.press('Control+z');
    ++undone;
  }
  assert.deepEqual(await anchors(), start);
  assert.ok(undone >= 2, `${undone} moves played`);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('a challenge solved is marked in another open tab at once and still after a reload', async () => {
  const { page, context } = await openGame('#zoom=1');
  await chooseMenu(page, 0, 113);
  const dialog = page.locator('dialog[open]');
  await dialog.locator('[role=option]').first().click();
  await dialog.locator('button', { hasText: 'スタート' }).click();
  await waitForPhase(page, PLAYING);
  assert.equal(await page.evaluate(() => Fenx.game.challengeActive()), true);
  // A second tab with the list open hears of the mark once it is stored.
  const { page: other } = await openGame('#zoom=1', { context });
  await chooseMenu(other, 0, 113);
  const otherFirst = other.locator('dialog[open] [role=option]').first();
  assert.match(await otherFirst.textContent(), /^□/);
  await page.bringToFront();
  await replaySolve(page, ['7', '4', '0']);
  assert.match(await dialog.locator('[role=option]').first().textContent(), /^■/);
  await other.waitForFunction(
    () => document.querySelector('dialog[open] [role=option]').textContent.startsWith('■'));
  assert.deepEqual(other.errors, []);
  await other.close();

  await page.reload();
  await page.waitForFunction(() => document.body.classList.contains('ready'));
  await chooseMenu(page, 0, 113);
  const lines = await page.locator('dialog[open] [role=option]').allTextContents();
  assert.equal(lines.length, 55);
  assert.equal(lines[0], '■  7ブロック  初級1 まずは小手調べ');
  assert.ok(lines.slice(1).every((line) => line.startsWith('□')));
  // The menu item is grayed while the dialog is open.
  assert.equal(await page.locator('#menubar [data-id="113"]').getAttribute('aria-disabled'), 'true');
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('the stage-number and size dialogs start stages with their buttons and gray their items while open', async () => {
  const { page, context } = await openGame('#zoom=1');
  const item = (id) => page.locator(`#menubar [data-id="${id}"]`).getAttribute('aria-disabled');
  await chooseMenu(page, 0, 106);
  const seed = page.locator('dialog[open]');
  assert.equal(await item(106), 'true');
  await seed.locator('button', { hasText: 'ｸﾘｱｰ' }).click();
  for (const digit of ['7', '1', '2']) {
    await seed.locator('button', { hasText: new RegExp(`^${digit}$`) }).click();
  }
  await page.keyboard.press('Alt+s'); // スタート(&S)
  await page.waitForFunction(() => Fenx.game.currentStageNumber() === 712);
  await waitForPhase(page, PLAYING); // menu commands wait for the fly-in
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('dialog[open]').count(), 0);
  assert.equal(await item(106), 'false');

  await chooseMenu(page, 0, 105);
  const size = page.locator('dialog[open]');
  const edits = size.locator('input');
  assert.deepEqual([await edits.nth(0).inputValue(), await edits.nth(1).inputValue()], ['7', '4']);
  await edits.nth(0).fill('39');
  await size.locator('.updown button').nth(2).click(); // the height's up arrow
  assert.equal(await edits.nth(1).inputValue(), '5');
  // 39 x 5 is pulled to 38 x 5, which holds no whole number of blocks.
  await size.locator('button', { hasText: 'スタート' }).click();
  assert.deepEqual(await page.evaluate(() => [Fenx.game.stageWidth(), Fenx.game.stageHeight()]), [7, 4]);
  await size.locator('.updown button').nth(2).click();
  await size.locator('button', { hasText: 'スタート' }).click();
  await waitForPhase(page, PLAYING);
  assert.deepEqual(await page.evaluate(() => [Fenx.game.stageWidth(), Fenx.game.stageHeight()]), [38, 6]);
  assert.deepEqual([await edits.nth(0).inputValue(), await edits.nth(1).inputValue()], ['38', '6']);
  await size.locator('.close-box').click();
  assert.equal(await item(105), 'false');
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('a dialog that has no room beside the game stays whole inside a narrow window', async () => {
  const context = await browser.newContext({ deviceScaleFactor: 1, viewport: { width: 700, height: 600 } });
  const { page } = await openGame('#zoom=3', { context });
  await chooseMenu(page, 0, 118);
  const box = await page.locator('dialog[open]').boundingBox();
  assert.ok(box.x >= 0 && box.x + box.width <= 700, `dialog from ${box.x} to ${box.x + box.width}`);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test('the search dialog lists what fenx-cli search finds, and Cancel keeps the tested prefix', async () => {
  const { page, context } = await openGame('#w=12&h=4&zoom=1');
  await chooseMenu(page, 0, 118);
  const dialog = page.locator('dialog[open]');
  const combos = dialog.locator('select');
  await combos.nth(0).selectOption({ label: '２以上' });
  await combos.nth(15).selectOption({ label: '１個' });
  const edits = dialog.locator('input');
  await edits.nth(0).fill('9000');
  await edits.nth(1).fill('2000'); // given end first: searched from its lower end
  await dialog.locator('button', { hasText: '検索' }).click();
  await page.waitForFunction(() => !Fenx.search.running, null, { timeout: 60000 });
  const conditions = '7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,0,0,0';
  const expected = runCli('search', '12', '4', '--conditions', conditions, '--range', '2000', '9000')
    .trim().split(/\s+/).filter(Boolean).map(Number);
  assert.ok(expected.length > 0);
  const lines = await dialog.locator('[role=option]').allTextContents();
  assert.deepEqual(lines, expected.map((n, i) => ` ${i + 1} : ${n}`));

  assert.deepEqual(page.errors, []);
  await context.close();

  // The whole range at the largest size, cancelled while it runs.
  const large = await openGame('#w=38&h=10&zoom=1');
  await chooseMenu(large.page, 0, 118);
  const running = large.page.locator('dialog[open]');
  // Conditions and range belong to the page run: a new page starts afresh.
  await running.locator('select').nth(0).selectOption({ label: '２以上' });
  await running.locator('select').nth(15).selectOption({ label: '１個' });
  await running.locator('button', { hasText: '検索' }).click();
  await large.page.waitForFunction(() => Fenx.search.running && Fenx.search.running.state.done > 512);
  const done = await large.page.evaluate(() => {
    const tested = Fenx.search.running.state.done;
    document.querySelector('dialog.progress .client button').click();
    return tested;
  });
  assert.ok(done < 65536, 'cancelled before the end');
  const tested = runCli('search', '38', '10', '--conditions', conditions, '--range', '0', String(done - 1))
    .trim().split(/\s+/).filter(Boolean).map(Number);
  const kept = (await running.locator('[role=option]').allTextContents())
    .map((line) => Number(line.split(':')[1]));
  assert.deepEqual(kept, tested);
  assert.equal(await large.page.locator('dialog.progress').count(), 0, 'the progress box has gone');
  assert.deepEqual(large.page.errors, []);
  await large.context.close();
});

test('junk in the stored settings and history does not stop the page', async () => {
  const junkIni = '\u0000\u0001garbage\n[FENX]\nx_size=abc\ny_size=\nchallenge=' + 'z'.repeat(300) +
    '\nsound=0\nmine=kept\n[other]\nx=1\n';
  const junkLog = 'not a line\n\u0000\u0000\u0000\n1 26/03/01 09:00 12 4 4829\n9 99/99/99 99:99 99 99 99\n' +
    '0 26/03/02 08:00 5 4 1\n' + 'x'.repeat(5000);
  const { page, context } = await openGame('#zoom=1', {
    prepare: (p) => p.addInitScript(([ini, log]) => {
      if (!sessionStorage.getItem('seeded')) {
        sessionStorage.setItem('seeded', '1');
        localStorage.setItem('fenx.ini', ini);
        localStorage.setItem('fenx.log', log);
      }
    }, [junkIni, junkLog]),
  });
  // Defaults where the text means nothing, the sound switch as stored.
  assert.equal(await differingPixels(page, renderPng(['7', '4', '0', '--view', 'title'])), 0);
  assert.equal(await page.evaluate(() => Fenx.game.soundEnabled()), false);
  const ini = await page.evaluate(() => localStorage.getItem('fenx.ini'));
  assert.match(ini, /^\u0000\u0001garbage\n\[FENX\]\nx_size=7\ny_size=4\n/);
  assert.match(ini, /mine=kept\n\[other\]\nx=1\n$/);
  // The history lists the one line the game could have written.
  await chooseMenu(page, 1, 119);
  const lines = await page.locator('dialog[open] [role=option]').allTextContents();
  assert.deepEqual(lines, ['■  26/03/01 09:00  12x4  4829']);
  assert.deepEqual(page.errors, []);
  await context.close();
});
