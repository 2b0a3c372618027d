// The web pages' benchmark: what the site downloads (gzip-compressed, as a
// web server sends it), the time from opening a page the browser has cached
// to its first frame, and the cost of a frame of each moving program in the
// page against the same program natively on softpipe, measured in one run;
// then the frames a second each moving program shows on a phone's screen at
// device pixel ratios 1, 2 and 3.
//   node tools/web_bench.mjs [--browser chromium|firefox] [--frames N] [--seconds S] [--against SITE]
// after ./test.sh (or the release and web builds): it reads build-web/site
// and the release build's frame benchmark and catalogue reader. --against
// names another build's site (build-web/site of another checkout) whose
// frames are measured beside this one's, turn about.
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { launch } from '../web/browsers.mjs';
import { serveFolder } from '../web/serve.mjs';

const root = path.join(path.dirname(fileURLToPath(import.meta.url)), '..');
const site = path.join(root, 'build-web/site/web');
const option = (name, fallback) => {
    const at = process.argv.indexOf(name);
    return at > 0 ? process.argv[at + 1] : fallback;
};
const browserName = option('--browser', 'chromium');
const frames = Number(option('--frames', '200'));
const moving = execFileSync(path.join(root, 'build/catalogue/make_catalogue'),
    [path.join(root, 'catalogue/programs.txt'), 'list', 'moving'], { encoding: 'utf8' }).split('\n').filter(Boolean);
const programs = readdirSync(site).filter((file) => file.endsWith('.wasm'))
    .map((file) => file.slice(0, -'.wasm'.length));

const kib = (bytes) => (bytes / 1024).toFixed(0);
const compressed = (file) => gzipSync(readFileSync(path.join(site, file)), { level: 9 }).length;
const shared = ['runtime/glut_runtime.wasm', 'runtime/glut_runtime.js', 'page.js', 'run.js', 'input.js',
    'capture_view.js', 'source.js', 'page.css', 'index.html', 'highlight/highlight.js'];
const sharedBytes = shared.reduce((sum, file) => sum + compressed(file), 0);
const ownBytes = programs.reduce((sum, name) => sum + compressed(`${name}.wasm`) + compressed(`${name}.html`), 0);
console.log(`Download, gzip -9: runtime and shared files ${kib(sharedBytes)} KiB ` +
    `(glut_runtime.wasm ${kib(compressed('runtime/glut_runtime.wasm'))} KiB), the ${programs.length} programs' own ` +
    `pages and modules ${kib(ownBytes)} KiB; all pages together ${kib(sharedBytes + ownBytes)} KiB`);

const server = await serveFolder(path.dirname(site));
const browser = await launch(browserName);
// Opens a program's page, held, from this site or another's, and waits for
// its first frame: when it came, in ms.
async function open(page, name, url = server.url) {
    await page.goto(`${url}/web/${name}.html?paused`);
    for (const deadline = Date.now() + 30000; Date.now() < deadline;) {
        const first = await page.evaluate(() => glutPage.firstFrame);
        if (first)
            return Number(first);
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
    throw new Error(`${name} showed no frame`);
}

const page = await browser.newPage();
await open(page, 'color_cube'); // fills the browser's cache
const firsts = [];
for (const name of programs)
    firsts.push(`${name} ${await open(page, name)}`);
console.log(`First frame, ms from opening a cached page in ${browserName}: ${firsts.join(', ')}`);
console.log(`Memory: ${(await page.evaluate(() => glutPage.program.HEAPU8.length)) / 1048576} MiB of WebAssembly memory ` +
    'a page, fixed: a program that needed more would stop with an error');

// The native figure is the frame benchmark's CPU time per frame of the
// same program with softpipe, in the toolkit's own loop.
const nativeTable = execFileSync(path.join(root, 'build/tools/frame_bench'), ['--rounds', '3', '--softpipe'],
    { encoding: 'utf8' });
const nativeFrame = (name) => Number(new RegExp(`^\\| \`${name}\` \\| (\\d+) `, 'm').exec(nativeTable)?.[1]);
console.log(`\nA frame (idle call, display pass, frame shown), softpipe both; the page's the median of 3 runs of ` +
    `${frames}, the desktop's frame_bench's CPU time per frame (median of 3 rounds of 2 s):`);
console.log('| Program | native us/frame | page us/frame | page / native |\n|---|---:|---:|---:|');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
for (const name of moving) {
    const web = [];
    for (let round = 0; round < 3; ++round) {
        await open(page, name);
        web.push(1000 * await page.evaluate((n) => glutPage.program._glut_web_time_frames(n), frames) / frames);
    }
    const [n, w] = [nativeFrame(name), median(web)];
    console.log(`| \`${name}\` | ${n.toFixed(0)} | ${w.toFixed(0)} | ${(w / n).toFixed(2)} |`);
}

// This site's frames against another's, pages opened turn about, each the
// least of 3 runs of 100 frames on each of 7 openings: the least is the
// frame with the least else on the machine.
const against = option('--against', null);
if (against) {
    const other = await serveFolder(against);
    const least = async (url, name) => {
        await open(page, name, url);
        const runs = [];
        for (let run = 0; run < 3; ++run)
            runs.push(10 * await page.evaluate(() => glutPage.program._glut_web_time_frames(100)));
        return Math.min(...runs);
    };
    console.log(`\nA frame here against ${against}, the least of 7 x 3 runs of 100, us:`);
    console.log('| Program | there | here | here / there |\n|---|---:|---:|---:|');
    for (const name of moving) {
        const [there, here] = [[], []];
        for (let turn = 0; turn < 7; ++turn) {
            there.push(await least(other.url, name));
            here.push(await least(server.url, name));
        }
        const [a, b] = [Math.min(...there), Math.min(...here)];
        console.log(`| \`${name}\` | ${a.toFixed(0)} | ${b.toFixed(0)} | ${(b / a).toFixed(3)} |`);
    }
    other.close();
}

// A capture of each program's first frame, from Capture to its list shown
// with the window after its last call; then the window after a call chosen
// in its list, the first, middle and last (the slowest of the three).
console.log(`\nA capture in ${browserName}, ms: the first frame's calls recorded and listed, and the window ` +
    'after a call chosen in the list (the slowest of its first, middle and last):');
console.log('| Program | calls | capture ms | a call chosen ms |\n|---|---:|---:|---:|');
for (const name of programs) {
    await open(page, name);
    const [calls, captured, chosen] = await page.evaluate(async () => {
        const start = performance.now();
        document.getElementById('capture').click();
        const list = document.getElementById('calls');
        while (!list.querySelector('[aria-selected="true"]'))
            await new Promise((resolve) => requestAnimationFrame(resolve));
        const captured = performance.now() - start;
        const rows = [...list.children];
        const times = [0, rows.length >> 1, rows.length - 1].map((i) => {
            const before = performance.now();
            rows[i].click();
            return performance.now() - before;
        });
        return [rows.length, captured, Math.max(...times)];
    });
    console.log(`| \`${name}\` | ${calls} | ${captured.toFixed(0)} | ${chosen.toFixed(0)} |`);
}

// On a phone's screen (390 x 844 page pixels) at each device pixel ratio,
// the frames a second the page shows while the program runs, at the canvas
// the page's pixel budget gives and at every device pixel (the page's
// choice, which matters above ratio 1).
const seconds = Number(option('--seconds', '3'));
console.log(`\nFrames a second shown on a phone's screen, ${seconds} s running, in ${browserName} ` +
    '(the browser shows at most one frame per animation frame, 60 a second):');
console.log('| Program | ratio | canvas (budget) | frames/s | canvas (every device pixel) | frames/s |');
console.log('|---|---:|---:|---:|---:|---:|');
const phone = await browser.newPage();
async function shown(name, ratio, full) {
    await phone.setViewport({ width: 390, height: 844, deviceScaleFactor: ratio, isMobile: true, hasTouch: true });
    await phone.goto(`${server.url}/web/${name}.html`);
    const passes = () => phone.evaluate(() => glutPage.program?.running ? glutPage.program._glut_web_display_passes() : 0);
    for (const deadline = Date.now() + 30000; await passes() === 0;)
        if (Date.now() > deadline)
            throw new Error(`${name} showed no frame`);
    if (full)
        await phone.click('#full');
    // The browser compiles the runtime's optimised code in the first
    // seconds, beside the program: measured after it.
    await new Promise((resolve) => setTimeout(resolve, 3000));
    const size = await phone.$eval('#canvas', (c) => `${c.width}x${c.height}`);
    const [start, startCount] = [performance.now(), await passes()];
    await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
    return [size, ((await passes()) - startCount) * 1000 / (performance.now() - start)];
}
for (const name of moving)
    for (const ratio of [1, 2, 3]) {
        const [size, rate] = await shown(name, ratio, false);
        const [fullSize, fullRate] = ratio > 1 ? await shown(name, ratio, true) : [size, rate];
        console.log(`| \`${name}\` | ${ratio} | ${size} | ${rate.toFixed(0)} | ${fullSize} | ${fullRate.toFixed(0)} |`);
    }
await browser.close();
server.close();
