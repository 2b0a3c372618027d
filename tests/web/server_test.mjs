// The pages' server against requests a browser would never send, and a file
// removed while it is sent: each gets its answer, and the server goes on
// serving. A ctest test (label web); it serves a folder of its own.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync, unlinkSync, writeFileSync } from 'node:fs';
import { get } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { serveFolder } from '../../web/serve.mjs';

let folder, server;
const big = 8 * 1024 * 1024;
before(async () => {
    folder = mkdtempSync(path.join(tmpdir(), 'glut-demos-serve-'));
    mkdirSync(path.join(folder, 'web', 'runtime'), { recursive: true });
    mkdirSync(path.join(folder, 'web', 'highlight'));
    writeFileSync(path.join(folder, 'web', 'index.html'), '<!DOCTYPE html><title>index</title>\n');
    writeFileSync(path.join(folder, 'web', 'runtime', 'made-with.txt'), 'made with\n');
    writeFileSync(path.join(folder, 'web', 'highlight', 'LICENSE'), 'a licence\n');
    writeFileSync(path.join(folder, 'web', 'big.wasm'), Buffer.alloc(big, 7));
    server = await serveFolder(folder);
});
after(() => {
    server?.close();
    rmSync(folder, { recursive: true, force: true });
});

// The path as given, not as a URL parser would make it: status, headers,
// body, and onResponse called as the answer starts; no answer in 10 s fails.
function request(rawPath, onResponse = () => {}) {
    return new Promise((resolve, reject) => {
        get(`${server.url}${rawPath}`.replace(/^(http:\/\/[^/]+).*$/, '$1'), { path: rawPath }, (response) => {
            onResponse(response);
            const chunks = [];
            response.on('data', (chunk) => chunks.push(chunk));
            response.on('end', () => resolve({ status: response.statusCode, headers: response.headers,
                body: Buffer.concat(chunks) }));
            response.on('error', reject);
        }).on('error', reject).setTimeout(10000, function () {
            this.destroy(new Error(`no answer to ${rawPath.slice(0, 40)} in 10 s`));
        });
    });
}

test('a request the server cannot serve gets a 4xx answer, and the server goes on', async () => {
    const bad = [
        ['/%ff', 400], ['/web/%E0%A4%A', 400], ['/web/index.html%00.png', 400],
        [`/web/${'a'.repeat(5000)}.html`, 414],
    ];
    for (const [rawPath, status] of bad) {
        const { status: seen, headers } = await request(rawPath);
        assert.equal(seen, status, `${rawPath.slice(0, 40)}: the status`);
        assert.equal(headers['x-content-type-options'], 'nosniff', `${rawPath.slice(0, 40)}: nosniff`);
    }
    const outside = ['/../../../../etc/passwd', '/%2e%2e/%2e%2e/%2e%2e/etc/passwd', '/web/..%2f..%2f..%2fetc%2fpasswd'];
    for (const rawPath of outside) {
        const { status, body } = await request(rawPath);
        assert.ok(status >= 400 && status < 500, `${rawPath}: ${status}, not a 4xx`);
        assert.doesNotMatch(body.toString(), /root:/, `${rawPath}: a file out of the site was served`);
    }
    const { status, body } = await request('/web/index.html');
    assert.equal(status, 200, 'the server serves after the bad requests');
    assert.match(body.toString(), /<title>index<\/title>/);
});

test('a folder without its slash is sent to it, and text is served as text', async () => {
    for (const [rawPath, location] of [['/web', '/web/'], ['/web?paused', '/web/?paused'], ['/', '/web/']]) {
        const { status, headers } = await request(rawPath);
        assert.ok(status === 301 || status === 302, `${rawPath}: ${status}, not a redirect`);
        assert.equal(headers.location, location, `${rawPath}: where it sends`);
    }
    assert.equal((await request('/web/')).status, 200);
    for (const rawPath of ['/web/runtime/made-with.txt', '/web/highlight/LICENSE'])
        assert.equal((await request(rawPath)).headers['content-type'], 'text/plain; charset=utf-8', rawPath);
    assert.equal((await request('/web/big.wasm')).headers['content-type'], 'application/wasm');
    const missing = await request('/web/no_such_program.html');
    assert.equal(missing.status, 404);
    assert.match(missing.body.toString(), /no such page or program/);
});

test('a file removed while it is sent arrives whole, and the server goes on', async () => {
    const file = path.join(folder, 'web', 'big.wasm');
    const { status, body } = await request('/web/big.wasm', () => unlinkSync(file));
    assert.equal(status, 200);
    assert.equal(body.length, big, 'the bytes sent');
    assert.equal((await request('/web/big.wasm')).status, 404, 'gone afterwards');
    assert.equal((await request('/web/index.html')).status, 200, 'the server serves after it');
});
