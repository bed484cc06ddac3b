// SPDX-License-Identifier: MIT
// The browser page around the game, driven in headless Chromium: the
// challenge marks across tabs and a reload, the menus and dialogs, and the
// browser's storage when it holds junk.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const {
  PLAYING, chooseMenu, differingPixels, newContext, openGame, renderPng, replaySolve, runCli,
  useBrowser, waitForPhase,
} = require('./browser_harness.js');

useBrowser();

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
  const context = await newContext({ deviceScaleFactor: 1, viewport: { width: 700, height: 600 } });
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
