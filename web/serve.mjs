// Serves the site over HTTP on this machine only, with the types browsers
// need for WebAssembly; the pages are in web/ under the folder, as in docs/,
// and a missing page is answered in words. A request it cannot serve gets
// its 4xx or 5xx answer, and the server goes on serving the others.
//   node web/serve.mjs FOLDER [PORT]     (./demo.sh --web runs it)
import { open } from 'node:fs/promises';
import { createServer } from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm',
    '.png': 'image/png', '.webp': 'image/webp', '.json': 'application/json', '.txt': 'text/plain; charset=utf-8',
};
// Files without a type of their own that are text: licences.
const textNames = /^(LICENSE|COPYING)/;
const longestPath = 1024;

function typeOf(file) {
    if (types[path.extname(file)])
        return types[path.extname(file)];
    return textNames.test(path.basename(file)) ? types['.txt'] : 'application/octet-stream';
}

function answer(response, status, text) {
    response.writeHead(status, { 'content-type': types['.txt'] }).end(`${text}\n`);
}

function notHere(response) {
    response.writeHead(404, { 'content-type': types['.html'] });
    response.end('<!DOCTYPE html><title>Not here</title><p>There is no such page or program here. ' +
        '<a href="/web/index.html">The programs</a> are listed on the index.</p>\n');
}

// The file a request names, opened, or an answer already given.
async function openWanted(root, request, response) {
    const url = new URL(request.url, 'http://localhost');
    if (url.pathname.length > longestPath)
        return answer(response, 414, 'The address is too long');
    let wanted;
    try {
        wanted = decodeURIComponent(url.pathname);
    } catch {
        return answer(response, 400, 'The address has a malformed escape');
    }
    if (wanted.includes('\0'))
        return answer(response, 400, 'The address holds a NUL');
    if (wanted === '/') {
        response.writeHead(302, { location: '/web/' }).end();
        return null;
    }
    const file = path.join(root, path.normalize(wanted));
    if (!file.startsWith(root + path.sep) && file !== root)
        return answer(response, 403, 'Forbidden');
    // Opened before it is looked at, so that a file removed meanwhile is
    // still read whole, and one removed before is simply not here.
    for (const candidate of [file, path.join(file, 'index.html')]) {
        let handle;
        try {
            handle = await open(candidate, 'r');
        } catch {
            return notHere(response);
        }
        const stat = await handle.stat();
        if (!stat.isDirectory())
            return { handle, stat, file: candidate };
        await handle.close();
        // A folder's address ends with a slash, so that its pages' links
        // are relative to it.
        if (!wanted.endsWith('/')) {
            response.writeHead(301, { location: `${url.pathname}/${url.search}` }).end();
            return null;
        }
    }
    return notHere(response);
}

async function serve(root, request, response) {
    response.setHeader('x-content-type-options', 'nosniff');
    const opened = await openWanted(root, request, response);
    if (!opened)
        return;
    const { handle, stat, file } = opened;
    // Kept by the browser, and asked for again only to learn that it has
    // not changed: the runtime module is fetched once for every page.
    const modified = new Date(Math.floor(stat.mtimeMs / 1000) * 1000);
    const since = Date.parse(request.headers['if-modified-since'] || '');
    if (!Number.isNaN(since) && since >= modified.getTime()) {
        await handle.close();
        response.writeHead(304).end();
        return;
    }
    response.writeHead(200, {
        'content-type': typeOf(file), 'content-length': stat.size, 'cache-control': 'no-cache',
        'last-modified': modified.toUTCString(),
    });
    const stream = handle.createReadStream();
    stream.on('error', () => response.destroy());
    stream.pipe(response);
}

// Resolves with { url, close } once the server listens on 127.0.0.1.
export function serveFolder(folder, port = 0) {
    const root = path.resolve(folder);
    const server = createServer((request, response) => {
        serve(root, request, response).catch(() => {
            if (!response.headersSent)
                answer(response, 500, 'The server could not read that file');
            else
                response.destroy();
        });
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve({
            url: `http://127.0.0.1:${server.address().port}`,
            close: () => server.close(),
        }));
    });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port] = process.argv.slice(2);
    const { url } = await serveFolder(folder, Number(port || 0));
    console.log(`Serving ${folder} at ${url}/web/ (Ctrl-C stops it)`);
}
