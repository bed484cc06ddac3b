// SPDX-License-Identifier: MIT
// What the browser tests share: the built page served, headless Chromium,
// fresh pages at a link, fenx-cli's pictures and solutions, and the player's
// own mouse.
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

// Serves the page and starts the browser before the file's tests, and
// stops both after them.
function useBrowser() {
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
}

// A fresh browser context (empty storage) with these options.
function newContext(options) {
  return browser.newContext(options);
}

// The address of the page with this link part (#...).
function gameLink(hash) {
  return `${origin}/index.html${hash}`;
}

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
  const own = context ||
    (await newContext({ deviceScaleFactor: 1, timezoneId: 'UTC', viewport: { width: 1280, height: 800 } }));
  const page = await own.newPage();
  await page.clock.setFixedTime(FIXED_TIME);
  page.errors = [];
  page.on('console', (m) => { if (m.type() === 'error') page.errors.push(m.text()); });
  page.on('pageerror', (e) => page.errors.push(e.message));
  if (prepare) {
    await prepare(page);
  }
  await page.goto(gameLink(hash));
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

// Where every block of the page's field stands, as [column, row, ...].
async function fieldAnchors(page) {
  return Array.from((await page.evaluate(() => Fenx.game.fieldView())).anchors);
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

module.exports = {
  HOUR, PLAYING, SOLVED, TITLE, canvasOrigin, chooseMenu, differingPixels, fieldAnchors, fitsRows,
  gameLink, liftableBlock, newContext, openGame, phase, renderPng, replaySolve, runCli, useBrowser,
  waitForPhase,
};
