// Serves the site over HTTP on this machine only, with the types browsers
// need for WebAssembly; the pages are in web/ under the folder, as in docs/,
// and a missing page is answered in words.
//   node web/serve.mjs FOLDER [PORT]     (./demo.sh --web runs it)
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png', '.webp': 'image/webp',
    '.json': 'application/json',
};

// Resolves with { url, close } once the server listens on 127.0.0.1.
export function serveFolder(folder, port = 0) {
    const root = path.resolve(folder);
    const server = createServer((request, response) => {
        const wanted = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        if (wanted === '/') {
            response.writeHead(302, { location: '/web/' }).end();
            return;
        }
        let file = path.join(root, path.normalize(wanted));
        if (!file.startsWith(root + path.sep) && file !== root) {
            response.writeHead(403, { 'content-type': 'text/plain' }).end('Forbidden\n');
            return;
        }
        try {
            if (statSync(file).isDirectory())
                file = path.join(file, 'index.html');
            statSync(file);
        } catch {
            response.writeHead(404, { 'content-type': 'text/html; charset=utf-8' });
            response.end('<!DOCTYPE html><title>Not here</title><p>There is no such page or program here. ' +
                '<a href="/web/index.html">The programs</a> are listed on the index.</p>\n');
            return;
        }
        // Kept by the browser, and asked for again only to learn that it
        // has not changed: the runtime module is fetched once for every page.
        const modified = new Date(Math.floor(statSync(file).mtimeMs / 1000) * 1000);
        const since = Date.parse(request.headers['if-modified-since'] || '');
        if (!Number.isNaN(since) && since >= modified.getTime()) {
            response.writeHead(304).end();
            return;
        }
        response.writeHead(200, {
            'content-type': types[path.extname(file)] || 'application/octet-stream',
            'cache-control': 'no-cache',
            'last-modified': modified.toUTCString(),
        });
        createReadStream(file).pipe(response);
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
