// SPDX-License-Identifier: MIT
// Playing in the browser, driven in headless Chromium as a player drives
// it: its pictures against fenx-cli's, real mouse and finger drags, the
// keys, the H key's move and the solution played out.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const {
  PLAYING, SOLVED, TITLE, canvasOrigin, differingPixels, fieldAnchors, fitsRows, gameLink,
  liftableBlock, newContext, openGame, phase, renderPng, replaySolve, useBrowser, waitForPhase,
} = require('./browser_harness.js');

useBrowser();

test('the title and a linked stage after its fly-in are the pictures fenx-cli renders', async () => {
  const { page, context } = await openGame('#zoom=1');
  assert.equal(await page.evaluate(() => document.querySelector('title').textContent), 'ＤＯＤＩ');
  assert.equal(await differingPixels(page, renderPng(['7', '4', '0', '--view', 'title'])), 0);

  for (const [w, h, n] of [[7, 4, 4829], [38, 10, 60000]]) {
    const link = `#w=${w}&h=${h}&n=${n}&zoom=1`;
    await page.goto(gameLink(link));
    await page.waitForFunction(() => document.body.classList.contains('ready'));
    await waitForPhase(page, PLAYING);
    assert.equal(await differingPixels(page, renderPng([String(w), String(h), String(n)])), 0,
                 `${w} x ${h} stage ${n}`);
    // The window title of the desktop game, and a link to the stage in play.
    assert.equal(await page.evaluate(() => document.querySelector('title').textContent), ` ${n} 面`);
    assert.equal(await page.evaluate(() => location.hash), link);
  }
  // Keys in any order; a size that is no stage size is ignored.
  await page.goto(gameLink('#n=77&zoom=1&junk=3&w=9&h=3'));
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
  const context = await newContext({ deviceScaleFactor: 1, timezoneId: 'UTC', hasTouch: true });
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
  const anchors = () => fieldAnchors(page);
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
  const anchors = () => fieldAnchors(page);
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
