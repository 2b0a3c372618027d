// The programs in real browsers: every page's first frame, the moving
// programs' frames after some idle calls, mouse and keys given as a user
// gives them, windows resized by their corner and pages on a 2x screen, each
// compared with what the same program draws natively with Mesa's softpipe at
// the same size; and what the page gives the learner: its control strip, its
// command line, its source. Run by test.sh's browser pass:
//   DEMO_SITE=build-web/site DEMO_RECORDERS=build/tools DEMO_CATALOGUE=... \
//   DEMO_BROWSERS=chromium,firefox node --test tests/web/
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { PNG } from 'pngjs';
import { browserNames, launch } from '../../web/browsers.mjs';
import { serveFolder } from '../../web/serve.mjs';

const site = process.env.DEMO_SITE;
const sourceRoot = path.dirname(path.dirname(process.env.DEMO_CATALOGUE));
const recorders = process.env.DEMO_RECORDERS;
const catalogue = (question) =>
    execFileSync(process.env.DEMO_MAKE_CATALOGUE, [process.env.DEMO_CATALOGUE, question], { encoding: 'utf8' })
        .split('\n').filter((line) => line !== '');
const programs = catalogue('--programs');
const moving = catalogue('--moving');
const steps = 7;

// Input as a user gives it, and the same as the recorder's cues.
const click = (button, x, y) => ({ kind: 'click', button, x, y });
const key = (character) => ({ kind: 'key', character });
const drag = (x, y, dx, dy) => ({ kind: 'drag', x, y, dx, dy });
const buttons = { left: 0, middle: 1, right: 2 };
const cues = (actions) => actions.flatMap((action) => {
    if (action.kind === 'click')
        return [`press:${buttons[action.button]}:${action.x}:${action.y}`,
                `release:${buttons[action.button]}:${action.x}:${action.y}`];
    if (action.kind === 'key')
        return [`key:${action.character.charCodeAt(0)}`];
    return [`press:0:${action.x}:${action.y}`, `motion:${action.x + action.dx}:${action.y + action.dy}`,
            `release:0:${action.x + action.dx}:${action.y + action.dy}`];
}).join(',');

// What each idea's input does, then the idle calls that show it.
const inputs = [
    { program: 'color_cube', actions: [click('middle', 250, 250)], steps },
    { program: 'color_cube', actions: [click('left', 100, 400)], steps },
    { program: 'texgen_sphere', actions: [click('right', 30, 30), key('2')], steps },
    { program: 'mesh_emblem', actions: [key(' '), key(' ')], steps: 3 },
    { program: 'texgen_sphere', actions: [key('2'), key('1')], steps },
    { program: 'checker_sphere', actions: [click('left', 200, 200)], steps },
    { program: 'wire_sphere_spin', actions: [click('middle', 10, 10)], steps },
    { program: 'material_sphere', actions: [key('o')], steps: 0 },
    { program: 'material_sphere', actions: [key('o'), key('o')], steps: 0 },
    { program: 'mesh_emblem', actions: [drag(320, 240, 60, -40)], steps: 0 },
    { program: 'mesh_emblem', actions: [key(' ')], steps: 3 },
    { program: 'line_stipple', args: ['-geometry', '200x120+5+5'], actions: [], steps: 0 },
];

// The native frame, drawn by softpipe in the recorder's private X server;
// with the GL's version, to tell whether the page's Mesa is the same.
const natives = new Map();
let work;
function native(program, actions, count, options = [], size = null) {
    const id = `${program} ${cues(actions)} ${count} ${options.join(' ')} ${size}`;
    if (!natives.has(id)) {
        const file = path.join(work, `${natives.size}.png`);
        const args = ['--frame', file, '--steps', String(count)];
        if (size)
            args.push('--size', size.join('x'));
        if (actions.length > 0)
            args.push('--input', cues(actions));
        args.push('--', ...options);
        const version = execFileSync(path.join(recorders, `${program}_record`), args,
            { encoding: 'utf8', env: { ...process.env, GALLIUM_DRIVER: 'softpipe' } }).trim();
        const png = PNG.sync.read(readFileSync(file));
        natives.set(id, { version, width: png.width, height: png.height, data: png.data });
    }
    return natives.get(id);
}

// Equal to the byte where the desktop's Mesa is the page's own series
// (22.3); against another Mesa, at most 0.5% of the pixels off by more than
// 8 in a channel, the suite's tolerance elsewhere.
function assertSamePicture(seen, expected, what) {
    assert.deepEqual([seen.width, seen.height], [expected.width, expected.height], `${what}: size`);
    let off = 0, first = null;
    for (let i = 0; i < seen.data.length; i += 4) {
        const differs = [0, 1, 2].some((c) => Math.abs(seen.data[i + c] - expected.data[i + c]) > 0);
        const far = [0, 1, 2].some((c) => Math.abs(seen.data[i + c] - expected.data[i + c]) > 8);
        if (differs && first === null) {
            const p = i / 4;
            first = `at (${p % seen.width}, ${Math.floor(p / seen.width)}) the page shows ` +
                `${[...seen.data.slice(i, i + 3)]}, the desktop ${[...expected.data.slice(i, i + 3)]}`;
        }
        if (expected.version.includes('Mesa 22.3') ? differs : far)
            ++off;
    }
    const pixels = seen.width * seen.height;
    if (expected.version.includes('Mesa 22.3'))
        assert.equal(off, 0, `${what}: ${off} of ${pixels} pixels differ from the desktop's softpipe; first ${first}`);
    else
        assert.ok(off <= pixels * 0.005, `${what}: ${off} of ${pixels} pixels differ by more than 8 from the ` +
            `desktop's softpipe (${expected.version}, not the page's Mesa 22.3); first ${first}`);
}

async function poll(what, check, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    for (;;) {
        const value = await check();
        if (value)
            return value;
        if (Date.now() > deadline)
            throw new Error(`timed out waiting for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

for (const browserName of (process.env.DEMO_BROWSERS || browserNames.join(',')).split(',')) {
    describe(`in ${browserName}`, () => {
        let server, browser, pages;
        before(async () => {
            work ??= mkdtempSync(path.join(tmpdir(), 'glut-demos-web-'));
            server = await serveFolder(site);
            pages = `${server.url}/web`;
            browser = await launch(browserName);
        });
        after(async () => {
            await browser?.close();
            server?.close();
        });

        // Opens a program's page held before its first idle call; the
        // page's errors fail the test.
        async function open(program, query = 'paused', scale = 1) {
            const page = await browser.newPage();
            await page.setViewport({ width: 1280, height: 1000, deviceScaleFactor: scale });
            const errors = [];
            page.on('pageerror', (error) => errors.push(error.message));
            page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
            await page.goto(`${pages}/${program}.html?${query}`);
            await poll(`${program}'s first frame`,
                () => page.evaluate(() => window.Module?.calledRun && Module._glut_web_display_passes() > 0));
            page.errors = errors;
            return page;
        }
        const counts = (page) => page.evaluate(() => [Module._glut_web_idle_calls(), Module._glut_web_display_passes()]);
        // The canvas's pixels, through a PNG: the canvas is opaque, so its
        // colours come back as they were put.
        const canvas = async (page) => {
            const url = await page.$eval('#canvas', (c) => c.toDataURL('image/png'));
            return PNG.sync.read(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
        };
        // Steps one idle call at a time, each shown before the next, while
        // the program has an idle callback.
        async function step(page, count) {
            for (let i = 0; i < count && await page.evaluate(() => Module._glut_web_idling()); ++i) {
                const [idle, shown] = await counts(page);
                await page.evaluate(() => Module._glut_web_step());
                await poll('an idle call and its display', async () => {
                    const [nowIdle, nowShown] = await counts(page);
                    return nowIdle === idle + 1 && nowShown > shown;
                });
            }
        }
        // Input as a user gives it; the toolkit's loop hands it on at its
        // next pass, in an animation frame.
        const nextFrames = (page) => page.evaluate(() => new Promise((resolve) =>
            requestAnimationFrame(() => requestAnimationFrame(() => resolve()))));
        async function give(page, actions) {
            const box = await (await page.$('#canvas')).boundingBox();
            for (const action of actions) {
                if (action.kind === 'key') {
                    await page.focus('#canvas');
                    await page.keyboard.press(action.character);
                } else if (action.kind === 'click') {
                    await page.mouse.click(box.x + action.x, box.y + action.y, { button: action.button });
                } else {
                    await page.mouse.move(box.x + action.x, box.y + action.y);
                    await page.mouse.down();
                    await page.mouse.move(box.x + action.x + action.dx, box.y + action.y + action.dy);
                    await page.mouse.up();
                }
                await nextFrames(page);
            }
        }

        for (const program of programs) {
            test(`${program}: the first frame is the desktop's`, async () => {
                const page = await open(program);
                assertSamePicture(await canvas(page), native(program, [], 0), program);
                assert.deepEqual(await counts(page), [0, 1], `${program}: held before its first idle call`);
                assert.deepEqual(page.errors, [], `${program}: errors on the page`);
                await page.close();
            });
        }
        for (const program of moving) {
            test(`${program}: after ${steps} idle calls, the desktop's frame`, async () => {
                const page = await open(program, `steps=${steps}`);
                await poll(`${steps} idle calls`, async () => (await counts(page))[0] === steps);
                await poll('the last one shown', async () => (await counts(page))[1] === steps + 1);
                assertSamePicture(await canvas(page), native(program, [], steps), `${program} after ${steps}`);
                await page.close();
            });
        }
        for (const { program, args = [], actions, steps: count } of inputs) {
            test(`${program} ${args.join(' ')}: ${cues(actions)} then ${count} idle calls, as on the desktop`,
                async () => {
                    const page = await open(program, `paused&args=${encodeURIComponent(args.join(' '))}`);
                    await give(page, actions);
                    await step(page, count);
                    assertSamePicture(await canvas(page), native(program, actions, count, args), program);
                    await page.close();
                });
        }
        test('mesh_emblem: Escape ends it with status 0, and the page says so', async () => {
            const page = await open('mesh_emblem');
            await page.focus('#canvas');
            await page.keyboard.press('Escape');
            const status = await poll('the end', () => page.evaluate(() => document.body.dataset.exitStatus));
            assert.equal(status, '0');
            assert.match(await page.$eval('#status', (p) => p.textContent), /ended with status 0/);
            const [idle] = await counts(page).catch(() => [0]);
            await new Promise((resolve) => setTimeout(resolve, 200));
            assert.equal((await counts(page).catch(() => [0]))[0], idle, 'nothing runs after the end');
            await page.close();
        });
        test('the index links every program, in the catalogue\'s order', async () => {
            const page = await browser.newPage();
            await page.goto(`${server.url}/`);
            assert.equal(new URL(page.url()).pathname, '/web/', 'the root of the site leads to the pages');
            const links = await page.$$eval('li a', (as) => as.map((a) => a.getAttribute('href')));
            assert.deepEqual(links, programs.map((name) => `${name}.html`));
            await page.close();
        });
        test('a page opened from a file, or of no program, says so in words', async () => {
            const page = await browser.newPage();
            await page.goto(`file://${path.resolve(site, 'web', 'color_cube.html')}`);
            assert.match(await page.$eval('#status', (p) => p.textContent), /must be served over HTTP/);
            const response = await page.goto(`${pages}/no_such_program.html`);
            assert.equal(response.status(), 404);
            assert.match(await page.evaluate(() => document.body.textContent), /no such page or program/);
            await page.close();
        });
        // Resized by dragging the window's corner, as a user does: the
        // program's reshape runs, and the picture is the native program's
        // at the size the canvas now has.
        const resizes = [
            { program: 'color_cube', dx: -120, dy: -260 },  // keeps its aspect
            { program: 'line_stipple', dx: 140, dy: -100 }, // stretches; the dashes keep their length
            { program: 'mesh_emblem', dx: -300, dy: 60 },   // keeps its perspective's aspect
        ];
        for (const { program, dx, dy } of resizes) {
            test(`${program}: resized by its corner, the desktop's frame at that size`, async () => {
                const page = await open(program);
                const before = await page.$eval('#canvas', (c) => [c.width, c.height]);
                const [, shown] = await counts(page);
                const box = await (await page.$('#client')).boundingBox();
                const corner = { x: box.x + box.width - 3, y: box.y + box.height - 3 };
                await page.mouse.move(corner.x, corner.y);
                await page.mouse.down();
                await page.mouse.move(corner.x + dx / 2, corner.y + dy / 2);
                await page.mouse.move(corner.x + dx, corner.y + dy);
                await page.mouse.up();
                const size = await poll('the canvas at its new size', async () => {
                    const now = await page.$eval('#canvas', (c) => [c.width, c.height]);
                    return Math.abs(now[0] - before[0] - dx) <= 2 && Math.abs(now[1] - before[1] - dy) <= 2 &&
                        (await counts(page))[1] > shown && now;
                });
                await nextFrames(page);
                assertSamePicture(await canvas(page), native(program, [], 0, [], size),
                    `${program} resized to ${size.join('x')}`);
                assert.equal((await counts(page))[0], 0, `${program}: resizing makes no idle call`);
                await page.close();
            });
        }
        // On a 2x screen a program's window has twice the pixels each way,
        // and draws what the native program draws at that size.
        for (const program of ['color_cube', 'line_stipple']) {
            test(`${program}: at device pixel ratio 2, twice the pixels and the desktop's frame`, async () => {
                const page = await open(program, 'paused', 2);
                const size = await page.$eval('#canvas', (c) => [c.width, c.height]);
                const shown = await page.$eval('#canvas', (c) => [c.clientWidth, c.clientHeight]);
                assert.deepEqual(size, shown.map((side) => side * 2), `${program}: device pixels against page pixels`);
                assertSamePicture(await canvas(page), native(program, [], 0, [], size), `${program} at ${size.join('x')}`);
                await page.close();
            });
        }
        test('the strip: Pause holds the counts, Step adds one idle call, Restart starts afresh', async () => {
            const page = await open('square_double', '');
            await poll('some idle calls', async () => (await counts(page))[0] > 3);
            await page.click('#pause');
            // The display the last idle call asked for is still drawn.
            await nextFrames(page);
            const held = await counts(page);
            for (let i = 0; i < 10; ++i)
                await nextFrames(page);
            assert.deepEqual(await counts(page), held, 'nothing runs while paused');
            assert.equal(await page.$eval('#pause', (b) => b.textContent), 'Run');
            await page.click('#step');
            await poll('one idle call and its display', async () => (await counts(page))[1] === held[1] + 1);
            for (let i = 0; i < 5; ++i)
                await nextFrames(page);
            assert.deepEqual(await counts(page), [held[0] + 1, held[1] + 1], 'Step: one idle call, one display');
            assert.match(await page.$eval('#counts', (o) => o.textContent),
                new RegExp(`idle calls ${held[0] + 1} · display passes ${held[1] + 1}`));
            await page.click('#restart');
            await poll('the fresh start\'s first frame', () => page.evaluate(() =>
                Module.calledRun && Module._glut_web_display_passes() === 1));
            assert.deepEqual(await counts(page), [0, 1], 'the restart is held, as the program was');
            assertSamePicture(await canvas(page), native('square_double', [], 0), 'square_double restarted');
            assert.deepEqual(page.errors, []);
            await page.close();
        });
        test('the command line field restarts the program with it and puts it in the address', async () => {
            const page = await open('line_stipple');
            await page.$eval('#args', (field) => { field.value = ''; });
            await page.type('#args', '-geometry 200x120+5+5');
            await page.keyboard.press('Enter');
            await poll('the window at its new size', () =>
                page.$eval('#canvas', (c) => c.width === 200 && c.height === 120));
            await poll('its first frame', () => page.evaluate(() => Module._glut_web_display_passes() > 0));
            assert.equal(new URL(page.url()).searchParams.get('args'), '-geometry 200x120+5+5');
            assertSamePicture(await canvas(page), native('line_stipple', [], 0, ['-geometry', '200x120+5+5']),
                'line_stipple -geometry 200x120+5+5');
            await page.close();
        });
        test('each page shows its program\'s own source, highlighted, with the idea marked', async () => {
            const page = await browser.newPage();
            for (const program of programs) {
                await page.goto(`${pages}/${program}.html?paused`);
                const heading = await page.$eval('body > h2', (h) => h.textContent);
                const file = heading.replace('The source: ', '');
                assert.equal(path.basename(file), `${program}.cpp`, `${program}: the source named`);
                assert.equal(await page.$eval('#source', (code) => code.textContent),
                    readFileSync(path.join(sourceRoot, file), 'utf8'), `${program}: the source shown is the file`);
                const [marked, highlighted] = await page.$eval('#source', (code) =>
                    [code.querySelectorAll('.line.idea').length, code.querySelectorAll('.hljs-keyword').length]);
                assert.ok(marked > 0 && highlighted > 0, `${program}: ${marked} lines marked, ${highlighted} keywords`);
            }
            await page.close();
        });
        test('an address\'s args reach the page as text and run nothing', async () => {
            const page = await browser.newPage();
            for (const hostile of ['<img src=x onerror="window.pwned=1">', '"><script>window.pwned=1</script>']) {
                await page.goto(`${pages}/line_stipple.html?args=${encodeURIComponent(hostile)}`);
                await poll('the program running', () => page.evaluate(() =>
                    window.Module?.calledRun && Module._glut_web_display_passes() > 0));
                assert.equal(await page.evaluate(() => window.pwned), undefined, `${hostile} ran`);
                assert.equal(await page.$$eval('img, body script:not([src])', (found) => found.length), 0);
                assert.equal(await page.$eval('#args', (field) => field.value), hostile);
            }
            await page.close();
        });
        test('a toolkit option the toolkit rejects ends the program with its message', async () => {
            const page = await browser.newPage();
            await page.goto(`${pages}/line_stipple.html?args=-geometry`);
            const status = await poll('the end', () => page.evaluate(() => document.body.dataset.exitStatus));
            assert.equal(status, '1');
            assert.match(await page.$eval('#messages', (p) => p.textContent),
                /-geometry parameter must be followed by window geometry settings/);
            await page.close();
        });
    });
}

after(() => work && rmSync(work, { recursive: true, force: true }));
