// SPDX-License-Identifier: MIT
// 面検索: the stage search. Nineteen lists, one under the picture of each
// orientation, say how many blocks of it a stage must have; a set-all list
// and 一括設定 set them all at once. Search returns the game to its title
// and tests every stage number of the range at the current size in a
// worker, while a modal box shows how far it has come; Cancel keeps exactly
// the matches among the numbers tested in order. Start (or a double click)
// plays the selected result. The conditions and the range last as long as
// the page; the results go with the dialog.
'use strict';

(function (Fenx) {
  const TICK_MS = 200;
  const CONDITION_TEXTS = ['任意', '０個', '１個', '２個', '３個', '４個',
                           '１以上', '２以上', '３以上', '４以上'];
  // Top-left corners of the lists: orientations 0..18, then set-all.
  const COMBOS = [
    [1020, 18, 56], [1170, 55, 56], [1171, 91, 56], [1021, 18, 109], [1172, 54, 109],
    [1173, 91, 109], [1174, 128, 109], [1022, 18, 164], [1175, 54, 164], [1176, 91, 164],
    [1177, 128, 164], [1023, 173, 56], [1178, 173, 109], [1179, 173, 164], [1180, 173, 216],
    [1024, 18, 216], [1181, 54, 216], [1182, 91, 216], [1183, 128, 216], [1184, 18, 243],
  ];
  const ORIENTATIONS = 19;

  const SEARCH = {
    title: '面検索', width: 294, height: 269, controls: [
      ['button', 6, '一括設定(&A)', [53, 243, 50, 14], 'default'],
      ['static', -1, '検索範囲              ～', [124, 247, 67, 8]],
      ['edit', 1026, '', [153, 244, 28, 14]],
      ['edit', 1027, '', [193, 244, 28, 14]],
      ['static', -1, '検索結果', [239, 6, 28, 8]],
      ['list', 1008, '', [223, 16, 61, 175]],
      ['button', 4, '検索(&F)', [234, 199, 50, 14]],
      ['button', 5, 'スタート(&S)', [234, 217, 50, 14]],
      ['button', 3, '閉じる(&C)', [234, 244, 50, 14], 'default'],
    ],
  };

  const PROGRESS = {
    title: '面検索実行', width: 171, height: 101, controls: [
      ['static', -1, '検索しています...', [7, 7, 49, 8]],
      ['static', 1030, '', [7, 45, 157, 8]],
      ['static', 1031, '', [7, 60, 157, 8]],
      ['button', 2, 'ｷｬﾝｾﾙ(&C)', [62, 80, 50, 14]],
    ],
  };

  const criteria = {
    conditions: new Array(ORIENTATIONS).fill(0),
    setAll: 0,
    rangeStart: 0,
    rangeEnd: 65535,
  };

  // The orientations' pictures, copied from the engine's gallery.
  function drawGallery(client) {
    const canvas = document.createElement('canvas');
    canvas.className = 'gallery';
    canvas.width = client.offsetWidth || parseInt(client.style.width, 10);
    canvas.height = client.offsetHeight || parseInt(client.style.height, 10);
    const game = Fenx.game;
    const width = game.galleryWidth();
    if (width === 0) {
      return canvas;
    }
    const pixels = game.galleryPixels().slice();
    const colours = game.colours();
    const context = canvas.getContext('2d');
    const copies = Fenx.engine.galleryCopies();
    for (let c = 0; c < copies.length; c += 8) {
      const [dx, dy, w, h, sx, sy] = copies.slice(c, c + 6);
      const image = context.createImageData(w, h);
      for (let y = 0; y < h; ++y) {
        for (let x = 0; x < w; ++x) {
          const colour = colours[pixels[(sy + y) * width + sx + x]];
          const at = 4 * (y * w + x);
          image.data[at] = (colour >>> 16) & 0xff;
          image.data[at + 1] = (colour >>> 8) & 0xff;
          image.data[at + 2] = colour & 0xff;
          image.data[at + 3] = 255;
        }
      }
      context.putImageData(image, dx, dy);
    }
    return canvas;
  }

  function open() {
    Fenx.frame.openFromTable(Fenx.frame.Kind.search, SEARCH, (made) => {
      const game = Fenx.game;
      const engine = Fenx.engine;
      const stages = []; // the results' stage numbers
      const updateSearchButton = () => {
        made.control(4).disabled =
          !engine.canSearch(criteria.conditions, game.stageWidth(), game.stageHeight());
      };
      const startResult = (row) => {
        if (row >= 0 && row < stages.length) {
          game.startStageNumber(stages[row]);
        }
      };
      const addResults = (found) => {
        const list = made.control(1008);
        for (const stage of found) {
          stages.push(stage);
          const line = document.createElement('div');
          line.setAttribute('role', 'option');
          line.textContent = ' ' + stages.length + ' : ' + stage;
          list.append(line);
        }
        list.select(stages.length - 1); // the newest is selected and shown
      };
      const search = () => {
        const range = engine.searchRange(made.control(1026).value, made.control(1027).value,
                                         criteria.rangeStart, criteria.rangeEnd);
        criteria.rangeStart = range.first;
        criteria.rangeEnd = range.last;
        game.showTitleScreen(); // searching replaces the stage in play
        stages.length = 0;
        made.control(1008).setLines([]);
        runProgress(criteria.conditions.slice(), game.stageWidth(), game.stageHeight(), range,
                    addResults);
      };
      made.dialog.classList.add('search');
      made.client.prepend(drawGallery(made.client));
      const combos = COMBOS.map(([id, x, y], row) => {
        const combo = document.createElement('select');
        combo.className = 'combo';
        combo.dataset.id = id;
        for (const text of CONDITION_TEXTS) {
          combo.append(new Option(text));
        }
        combo.selectedIndex = row < ORIENTATIONS ? criteria.conditions[row] : criteria.setAll;
        combo.style.left = Fenx.frame.px(x, true) + 'px';
        combo.style.top = Fenx.frame.px(y, false) + 'px';
        combo.style.width = Fenx.frame.px(35, true) + 'px';
        combo.addEventListener('change', () => {
          if (row < ORIENTATIONS) {
            criteria.conditions[row] = combo.selectedIndex;
          } else {
            criteria.setAll = combo.selectedIndex;
          }
          updateSearchButton();
        });
        return combo;
      });
      // Tab walks the conditions first, then the rest in table order.
      made.client.prepend(...combos);
      made.control(1026).setNumber(criteria.rangeStart);
      made.control(1027).setNumber(criteria.rangeEnd);
      updateSearchButton();
      made.focus = combos[0];
      const setAll = () => {
        combos.slice(0, ORIENTATIONS).forEach((combo, i) => {
          combo.selectedIndex = criteria.setAll;
          criteria.conditions[i] = criteria.setAll;
        });
        updateSearchButton();
      };
      return {
        command(id) {
          if (id === 6) {
            setAll();
          } else if (id === 4) {
            search();
          } else if (id === 5) {
            startResult(made.control(1008).selected);
          }
        },
        listOpen: startResult,
      };
    });
  }

  // The modal progress box; the search runs in a worker of its own.
  function runProgress(conditions, width, height, range, receive) {
    const engine = Fenx.engine;
    const total = range.last - range.first + 1;
    const worker = new Worker('fenx-worker.js');
    const state = { done: 0, matches: [], finished: false };
    let handed = 0;
    let timer = null;
    const made = Fenx.frame.makeDialog(PROGRESS, (id) => {
      if (id === 2) {
        end(); // the matches received are those of the numbers tested so far
      }
    });
    const bar = document.createElement('progress');
    bar.max = 100;
    bar.value = 0;
    bar.dataset.id = 1029;
    bar.className = 'bar';
    Fenx.frame.place(bar, [7, 27, 157, 14]);
    made.client.append(bar);
    made.dialog.classList.add('progress');

    const showFigures = (done) => {
      const percent = engine.percentDone(done, total);
      bar.value = percent;
      made.control(1030).textContent = '検索面数 : ' + done + '/' + total + ' (' + percent + '%)';
      made.control(1031).textContent = '適合面数 : ' + handed;
    };
    const handOver = () => {
      const found = state.matches.splice(0);
      handed += found.length;
      if (found.length) {
        receive(found);
      }
    };
    function end() {
      clearInterval(timer);
      worker.terminate();
      handOver();
      Fenx.frame.endModal(made);
      Fenx.search.running = null;
    }
    worker.onmessage = (event) => {
      const report = event.data;
      state.done = report.done;
      state.matches.push(...report.matches);
      state.finished = report.finished;
    };
    timer = setInterval(() => {
      // The figures as they stand now; the matches behind them go to the list.
      const done = state.done;
      handOver();
      if (state.finished) {
        end();
        return;
      }
      showFigures(done);
    }, TICK_MS);
    showFigures(0);
    Fenx.frame.runModal(made, null);
    Fenx.search.running = { state, total };
    worker.postMessage({ job: 'search', conditions, width, height,
                         first: range.first, last: range.last });
  }

  Fenx.search = { open, criteria, running: null };
})((window.Fenx = window.Fenx || {}));
