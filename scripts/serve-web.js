#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Serves the browser version's folder of static files on the loopback
// address until interrupted:
//   node scripts/serve-web.js [FOLDER] [PORT]   (build/web, 8000)
// Only files inside the folder are served, with the types browsers need
// (the engine's .wasm as application/wasm); nothing is written.
'use strict';

const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.bmp': 'image/bmp',
  '.png': 'image/png',
  '.wav': 'audio/wav',
};

function serve(folder, port, host = '127.0.0.1') {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405).end();
      return;
    }
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    } catch (error) {
      response.writeHead(400).end();
      return;
    }
    if (name.endsWith('/')) {
      name += 'index.html';
    }
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(404).end();
      return;
    }
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Content-Length': bytes.length,
        'Cache-Control': 'no-cache',
      });
      response.end(request.method === 'HEAD' ? undefined : bytes);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => resolve(server));
  });
}

module.exports = { serve };

if (require.main === module) {
  const folder = process.argv[2] || 'build/web';
  const port = Number(process.argv[3] || 8000);
  serve(folder, port).then(
    (server) => {
      const address = server.address();
      console.log(`FENX: serving ${folder} on http://${address.address}:${address.port}/ until interrupted (Ctrl+C)`);
      process.on('SIGINT', () => server.close(() => process.exit(0)));
      process.on('SIGTERM', () => server.close(() => process.exit(0)));
    },
    (error) => {
      console.error(`serve-web: cannot listen on 127.0.0.1:${port}: ${error.message}`);
      process.exit(1);
    });
}
