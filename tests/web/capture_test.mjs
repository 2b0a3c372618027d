// A frame's capture on the pages, held to the native program: its calls as
// apitrace traces them, its pictures after a call as apitrace's replay draws
// them, its modelview as GL's own state has it; the primitives complete so
// far inside glBegin and glEnd; and the capture as a reader uses it, by
// mouse, keyboard and touch, through a link and its download. A ctest test
// (label web) with browser_test.mjs's environment.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { browserNames } from '../../web/browsers.mjs';
import { canvas, counts, poll, Session, step } from './harness.mjs';
import { assertSamePicture, native, nativeCalls, nativeReplay, removeNatives } from './native.mjs';

const site = process.env.DEMO_SITE;
const sourceRoot = path.dirname(path.dirname(process.env.DEMO_CATALOGUE));
const programs = execFileSync(process.env.DEMO_MAKE_CATALOGUE, [process.env.DEMO_CATALOGUE, 'list', 'programs'],
    { encoding: 'utf8' }).split('\n').filter((line) => line !== '');
const drawCalls = /^(glClear|glEnd|glDrawArrays|glDrawElements)$/;

// Two argument lists agree: numbers within a millionth (apitrace writes
// more digits), names as written, glClear's bits as a set, vectors value by
// value, and a pointer to data as any pointer.
function sameArguments(captured, traced) {
    const split = (text) => text.match(/\{[^}]*\}|[^,\s][^,]*/g) ?? [];
    const [a, b] = [split(captured), split(traced)];
    if (a.length !== b.length)
        return false;
    return a.every((mine, i) => {
        const theirs = b[i].trim();
        if (mine === '...')
            return true;
        if (mine.startsWith('{'))
            return sameArguments(mine.slice(1, -1), theirs.slice(1, -1));
        if (mine.includes('_BIT'))
            return JSON.stringify(mine.split(' | ').sort()) === JSON.stringify(theirs.split(' | ').sort());
        const [x, y] = [Number(mine), Number(theirs)];
        if (!Number.isNaN(x) && !Number.isNaN(y))
            return Math.abs(x - y) <= 1e-6 * Math.max(1, Math.abs(y));
        return mine === theirs;
    });
}

// The list as the page shows it: a row a call, numbered from 1, with its
// depth beneath the shapes, its name and arguments, and its place.
const rows = (page) => page.$$eval('#calls li', (items) => items.map((item, i) => {
    const [, indent, name, args] = /^( *)(\w+)\((.*)\)$/.exec(item.firstChild.textContent);
    const [file, line] = item.lastChild.textContent.split(':');
    return { k: i + 1, depth: indent.length / 2, name, args, file, line: Number(line) };
}));
const chosen = (page) => page.$$eval('#calls li', (items) =>
    items.findIndex((item) => item.getAttribute('aria-selected') === 'true') + 1);

// Chooses row k as a reader does, with a click on it, and waits for it.
async function choose(page, k) {
    await page.click(`#calls li:nth-child(${k})`);
    await poll(`row ${k} chosen`, async () => (await chosen(page)) === k);
}

// The modelview as the state view shows it: its table, row by row, given
// back column by column as GL keeps it.
const modelview = (page) => page.$$eval('#state table:first-child tr', (trs) => {
    const cells = trs.map((tr) => [...tr.cells].map((cell) => Number(cell.textContent)));
    return [0, 1, 2, 3].flatMap((column) => cells.map((row) => row[column]));
});

// How many vertices of a primitive GL draws whole once `count` have come.
function drawnVertices(mode, count) {
    switch (mode) {
    case 'GL_POINTS': case 'GL_LINE_STRIP': case 'GL_LINE_LOOP': return count;
    case 'GL_LINES': return count - count % 2;
    case 'GL_TRIANGLES': return count - count % 3;
    case 'GL_QUADS': return count - count % 4;
    case 'GL_TRIANGLE_STRIP': case 'GL_TRIANGLE_FAN': return count >= 3 ? count : 0;
    case 'GL_QUAD_STRIP': return count >= 4 ? count - count % 2 : 0;
    default: return 0; // a polygon, whole only at its glEnd
    }
}

for (const browserName of (process.env.DEMO_BROWSERS || browserNames.join(',')).split(',')) {
    describe(`in ${browserName}`, () => {
        const session = new Session(site, browserName);
        before(() => session.start());
        after(async () => {
            await session.stop();
            removeNatives();
        });

        // Every program: the calls of its first pass, each named where it
        // was made; the picture after its first, middle and last draws and
        // after its last call; the modelview after the middle one.
        for (const program of programs) {
            test(`${program}: a capture is the native program's pass, call by call`, async () => {
                const page = await session.open(program, 'capture=0');
                await poll('the captured calls', async () => (await chosen(page)) > 0);
                const list = await rows(page);
                // apitrace sees GL alone, and keeps no array pointer where it is set.
                const gl = list.filter(({ name }) => !/^(glu|glut)[A-Z]/.test(name) && !/^gl\w+Pointer$/.test(name));
                const traced = nativeCalls(program, 0);
                assert.deepEqual(gl.map((call) => call.name), traced.map((call) => call.name),
                    `${program}: the calls' names, in order`);
                gl.forEach((call, i) => assert.ok(sameArguments(call.args, traced[i].args),
                    `${program}, call ${call.k}: ${call.name}(${call.args}) against apitrace's ${traced[i].args}`));

                let maker = null;
                for (const call of list) {
                    maker = call.depth === 0 ? call.name : maker;
                    const line = readFileSync(path.join(sourceRoot, call.file), 'utf8').split('\n')[call.line - 1];
                    assert.ok(line?.includes(maker), `${program}, call ${call.k} ${call.name}: its place ` +
                        `${call.file}:${call.line} holds ${JSON.stringify(line)}, not ${maker}`);
                }

                const draws = gl.filter(({ name }) => drawCalls.test(name));
                const picked = [...new Set([draws[0], draws[draws.length >> 1], draws.at(-1)])];
                const middle = picked[picked.length >> 1];
                const no = (call) => traced[gl.indexOf(call)].no;
                const replayed = nativeReplay(program, 0, picked.map(no), no(middle));
                const { version } = await native(program, '', 0);
                for (const [i, call] of picked.entries()) {
                    await choose(page, call.k);
                    assertSamePicture(await canvas(page), { version, ...replayed.pictures[i] },
                        `${program} after call ${call.k}, ${call.name}`);
                    if (call === middle) {
                        const shown = await modelview(page);
                        assert.ok(shown.every((value, j) => Math.abs(value - replayed.modelview[j]) < 1e-5),
                            `${program} after call ${call.k}: Modelview ${shown} against GL's ${replayed.modelview}`);
                    }
                }
                await choose(page, list.length);
                assertSamePicture(await canvas(page), await native(program, '', 0), `${program} after its last call`);
                assert.deepEqual(page.errors, [], `${program}: errors on the page`);
            });
        }

        // Inside glBegin and glEnd the window shows the primitives complete
        // so far: a vertex that completes none leaves it as it was, and
        // some that complete one change it. Stepped with the arrow key from
        // the call before the first glBegin, through two primitives or two
        // dozen calls.
        for (const program of ['color_cube', 'mesh_emblem', 'line_stipple', 'square_single']) {
            test(`${program}: stepping through its vertices shows each primitive as it is completed`, async () => {
                const page = await session.open(program, 'capture=0');
                const list = await rows(page);
                const first = list.find((call) => call.name === 'glBegin').k;
                const ends = list.filter((call) => call.k > first && call.name === 'glEnd').map((call) => call.k);
                await choose(page, first - 1);
                let before = await canvas(page), mode = null, count = 0, changed = 0;
                for (const call of list.slice(first - 1, Math.min(ends[1] ?? ends[0], first + 24))) {
                    await page.keyboard.press('ArrowDown');
                    await poll(`row ${call.k}`, async () => (await chosen(page)) === call.k);
                    const now = await canvas(page);
                    const differs = !now.data.equals(before.data);
                    if (call.name === 'glBegin')
                        [mode, count] = [call.args, 0];
                    else if (mode && call.name.startsWith('glVertex')) {
                        ++count;
                        if (drawnVertices(mode, count) === drawnVertices(mode, count - 1))
                            assert.ok(!differs, `${program}, call ${call.k}: vertex ${count} of a ${mode} ` +
                                'completes nothing, yet the window changed');
                        changed += differs;
                    } else if (call.name === 'glEnd') {
                        changed += differs;
                        mode = null;
                    } else {
                        assert.ok(!differs || call.name === 'glClear',
                            `${program}, call ${call.k}: ${call.name} changed the window`);
                    }
                    before = now;
                }
                assert.ok(changed >= 1, `${program}: no primitive changed the window`);
            });
        }

        // A link to one call of one pass shows the same moment each time it
        // is opened; the list, beside the window, answers the mouse and the
        // keys without moving the page, and a finger on a phone; the
        // download holds the list as text; Capture holds a running program
        // and Step goes on from it.
        test('a capture by link, by the list\'s keys and a finger, and its download', async () => {
            const shown = [];
            for (let i = 0; i < 2; ++i) {
                const page = await session.open('color_cube', 'capture=3&call=20');
                await poll('call 20 chosen', async () => (await chosen(page)) === 20);
                shown.push(await canvas(page));
                const marked = await page.$eval('.line.called', (line) => line.textContent);
                const [call] = (await rows(page)).slice(19);
                assert.ok(marked.includes(call.name), `the marked line ${JSON.stringify(marked)} makes ${call.name}`);
            }
            assert.ok(shown[0].data.equals(shown[1].data), 'the same link showed two pictures');

            const page = session.tab;
            const [window, view] = await Promise.all(['#canvas', '#calls'].map(async (selector) =>
                (await page.$(selector)).boundingBox()));
            assert.ok(view.x >= window.x + window.width && view.y < window.y + window.height,
                `the list at ${view.x},${view.y} is not beside the window at ${window.x},${window.y}`);
            const list = await rows(page);
            await choose(page, 1);
            await page.keyboard.press('ArrowDown');
            assert.equal(await chosen(page), 2, 'the down arrow chooses the next call');
            await page.keyboard.press('d');
            const draw = list.find((call) => call.k > 2 && drawCalls.test(call.name));
            assert.equal(await chosen(page), draw.k, `d chooses the next draw call, ${draw.name}`);
            assert.equal(new URL(page.url()).searchParams.get('call'), String(draw.k), 'the address keeps the call');
            assert.equal(await page.evaluate(() => scrollY), 0, 'choosing a call scrolled the page');

            const folder = mkdtempSync(path.join(tmpdir(), 'glut-demos-download-'));
            try {
                const context = await session.browser.createBrowserContext(
                    { downloadBehavior: { policy: 'allow', downloadPath: folder } });
                const tab = await context.newPage();
                await tab.goto(page.url());
                await poll('the list', () => tab.$('#calls li[aria-selected="true"]'));
                await tab.click('#download');
                const file = await poll('the download', () => readdirSync(folder).find((name) => name.endsWith('.txt')));
                const lines = readFileSync(path.join(folder, file), 'utf8').trimEnd().split('\n');
                assert.equal(file, 'color_cube-capture.txt');
                assert.deepEqual(lines, list.map((call) => `${'  '.repeat(call.depth)}${call.name}(${call.args})  ` +
                    `${call.file}:${call.line}`), 'the download lists the calls as the page does');
                await context.close();
            } finally {
                rmSync(folder, { recursive: true, force: true });
            }

            // A program with no idle calls captures its next pass, whatever N.
            const still = await session.open('line_stipple', 'capture=5');
            await poll('line_stipple\'s captured calls', async () => (await chosen(still)) > 0);

            const phone = await session.open('color_cube', 'capture=0',
                { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
            const [wide, room] = await phone.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
            assert.ok(wide <= room, `a capture on a phone: the page is ${wide} pixels wide on a screen of ${room}`);
            // A finger on the row, scrolled to as a reader scrolls (puppeteer's
            // own tap misses a row this small on an emulated phone by one).
            const row = await phone.$('#calls li:nth-child(5)');
            await row.scrollIntoView();
            const box = await row.boundingBox();
            await phone.touchscreen.tap(box.x + 10, box.y + box.height / 2);
            await poll('row 5 tapped', async () => (await chosen(phone)) === 5);

            const running = await session.open('wire_sphere_spin', '');
            await poll('idle calls', async () => (await counts(running))[0] > 0);
            await running.click('#capture');
            await poll('the captured calls', async () => (await chosen(running)) > 0);
            const [idle] = await counts(running);
            assert.ok(await running.$eval('#step', (button) => !button.disabled), 'held, with Step to press');
            await step(running, 1);
            assert.equal((await counts(running))[0], idle + 1, 'Step went on from the captured pass');
        });
    });
}
