// SPDX-License-Identifier: MIT
// The page's worker: the same engine, for the jobs that take long, so the
// page never stalls. A job runs to its end; the page cancels one by ending
// the worker.
//   {job: 'plan', position, width, height, blocks, budgetMs}
//     -> {job: 'plan', position, blocks, plan: {cells, drags} or null}
//   {job: 'search', conditions, width, height, first, last}
//     -> {job: 'search', done, matches} after each slice, in order, so that
//        every match below first + done has been sent; the last has done =
//        the whole range and finished: true.
'use strict';

importScripts('fenx-engine.js');

const SEARCH_SLICE = 256;
const REPORT_MS = 50;
const waiting = [];
let engine = null;

function plan(job) {
  const made = engine.planNextMove(job.blocks, job.width, job.height, job.budgetMs);
  postMessage({ job: 'plan', position: job.position, blocks: job.blocks, plan: made });
}

function search(job) {
  const total = job.last - job.first + 1;
  let matches = [];
  let reported = performance.now();
  for (let s = job.first; s <= job.last; s += SEARCH_SLICE) {
    const end = Math.min(job.last, s + SEARCH_SLICE - 1);
    const found = engine.searchSlice(job.conditions, job.width, job.height, s, end);
    if (found === null) {
      postMessage({ job: 'search', done: s - job.first, matches, finished: true });
      return;
    }
    matches = matches.concat(Array.from(found));
    const done = end - job.first + 1;
    if (done === total || performance.now() - reported >= REPORT_MS) {
      postMessage({ job: 'search', done, matches, finished: done === total });
      matches = [];
      reported = performance.now();
    }
  }
}

function run(job) {
  if (job.job === 'plan') {
    plan(job);
  } else if (job.job === 'search') {
    search(job);
  }
}

onmessage = (event) => {
  if (engine) {
    run(event.data);
  } else {
    waiting.push(event.data);
  }
};

FenxEngine().then((loaded) => {
  engine = loaded;
  waiting.splice(0).forEach(run);
});
