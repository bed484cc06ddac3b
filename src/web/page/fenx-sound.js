// SPDX-License-Identifier: MIT
// The four sounds through Web Audio, decoded once from the game's own WAV
// files. One voice: a new sound cuts off the one playing. Browsers keep
// audio locked until the player first presses a key or a button; a sound
// asked for before that stays silent rather than playing late.
'use strict';

window.Fenx = window.Fenx || {};

(function () {
  // In the order of the engine's sound table.
  const FILES = ['sndtada.wav', 'sndclick.wav', 'sndslide.wav', 'sndopen.wav'];
  const buffers = [];
  let audio = null;
  let voice = null;

  function context() {
    if (!audio && window.AudioContext) {
      audio = new AudioContext();
    }
    return audio;
  }

  async function decode(index) {
    try {
      const response = await fetch(FILES[index]);
      const bytes = await response.arrayBuffer();
      buffers[index] = await context().decodeAudioData(bytes);
    } catch (error) {
      buffers[index] = null; // a sound that cannot be had stays silent
    }
  }

  window.Fenx.sound = {
    // Resolves when every sound is ready or known to be missing.
    load() {
      if (!context()) {
        return Promise.resolve();
      }
      return Promise.all(FILES.map((_, i) => decode(i)));
    },
    unlock() {
      if (audio && audio.state === 'suspended') {
        audio.resume().catch(() => {});
      }
    },
    play(index) {
      const buffer = buffers[index];
      if (!buffer || !audio || audio.state !== 'running') {
        return;
      }
      if (voice) {
        voice.onended = null;
        voice.stop();
      }
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.onended = () => {
        if (voice === source) {
          voice = null;
        }
      };
      source.start();
      voice = source;
    },
  };
})();
