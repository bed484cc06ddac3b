// SPDX-License-Identifier: MIT
// The four sounds through Web Audio, from the game's own WAV files. One
// voice: a new sound cuts off the one playing. Browsers allow audio only
// after the player has first pressed a key or a button, so the files are
// fetched at once but decoded only then; a sound asked for before that
// stays silent rather than playing late.
'use strict';

(function (Fenx) {
  // In the order of the engine's sound table.
  const FILES = ['sndtada.wav', 'sndclick.wav', 'sndslide.wav', 'sndopen.wav'];
  const files = [];   // the fetched bytes
  const buffers = []; // decoded, once audio is allowed
  let audio = null;
  let voice = null;

  async function fetchFile(index) {
    try {
      const response = await fetch(FILES[index]);
      files[index] = response.ok ? await response.arrayBuffer() : null;
    } catch (error) {
      files[index] = null; // a sound that cannot be had stays silent
    }
  }

  function decodeAll() {
    files.forEach((bytes, index) => {
      if (bytes && buffers[index] === undefined) {
        buffers[index] = null;
        audio.decodeAudioData(bytes.slice(0)).then(
          (buffer) => { buffers[index] = buffer; },
          () => {});
      }
    });
  }

  Fenx.sound = {
    // Resolves when every file is fetched or known to be missing.
    load() {
      return Promise.all(FILES.map((_, i) => fetchFile(i)));
    },
    // Called on every key and button press: the first one lets audio in.
    unlock() {
      if (!window.AudioContext) {
        return;
      }
      if (!audio) {
        audio = new AudioContext();
      }
      if (audio.state === 'suspended') {
        audio.resume().catch(() => {});
      }
      decodeAll();
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
})((window.Fenx = window.Fenx || {}));
