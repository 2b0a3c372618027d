// The programs in real browsers: every page's first frame, the moving
// programs' frames after some idle calls, mouse and keys given as a user
// gives them, windows resized by their corner and pages on a 2x screen, each
// compared with what the same program draws natively with Mesa's softpipe at
// the same size; and what the page gives the learner: its control strip, its
// command line, its source. A ctest test (label web), which sets what it
// reads: DEMO_SITE, the web build's site; DEMO_CATALOGUE and
// DEMO_MAKE_CATALOGUE; DEMO_BROWSERS, a list such as chromium,firefox (all
// when unset); and what native.mjs reads.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { browserNames } from '../../web/browsers.mjs';
import {
    assertFits, canvas, counts, drawn, exitStatus, give, nextFrames, poll, Session, step, tabToWindow, violations, watchPolicy,
} from './harness.mjs';
import { assertSamePicture, native, removeNatives } from './native.mjs';

const site = process.env.DEMO_SITE;
if (!existsSync(path.join(site ?? '', 'web', 'index.html')))
    throw new Error(`no web build's site at ${site}: cmake --build --preset web makes it`);
const sourceRoot = path.dirname(path.dirname(process.env.DEMO_CATALOGUE));
const catalogue = (list) =>
    execFileSync(process.env.DEMO_MAKE_CATALOGUE, [process.env.DEMO_CATALOGUE, 'list', list], { encoding: 'utf8' })
        .split('\n').filter((line) => line !== '');
const programs = catalogue('programs');
const moving = catalogue('moving');
const steps = 7;

// The controls each page offers a touch screen, as the page has them: the
// choice of button a touch gives, and a button per key (the notation's
// names: space, escape, or the character).
const controlsOffered = programs.map((program) => {
    const page = readFileSync(path.join(site, 'web', `${program}.html`), 'utf8');
    const keys = [...page.matchAll(/data-key="([^"]*)"/g)]
        .map(([, key]) => (key === ' ' ? 'space' : key === 'Escape' ? 'escape' : key));
    return { program, buttons: page.includes('data-button='), keys };
}).filter(({ buttons, keys }) => buttons || keys.length > 0);

// Input in the catalogue's notation, lines separated by ";", which the
// recorder reads and gives back as cues, for the browser's own input.
const click = (button, x, y) => `0: press ${button} at ${x},${y}; 0: release ${button} at ${x},${y}`;
const keys = (...names) => names.map((name) => `0: key ${name}`).join('; ');

// What each idea's input does, then the idle calls that show it.
const inputs = [
    { program: 'color_cube', input: click('middle', 250, 250), steps },
    { program: 'color_cube', input: click('left', 100, 400), steps },
    // A chord: the right button pressed while the left is held.
    { program: 'color_cube', input: '0: press left at 90,90; 0: press right at 90,90; 0: release right at 90,90; ' +
        '0: release left at 90,90', steps },
    { program: 'texgen_sphere', input: `${click('right', 30, 30)}; ${keys('2')}`, steps },
    { program: 'mesh_emblem', input: keys('space', 'space'), steps: 3 },
    { program: 'texgen_sphere', input: keys('2', '1'), steps },
    { program: 'checker_sphere', input: click('left', 200, 200), steps },
    { program: 'wire_sphere_spin', input: click('middle', 10, 10), steps },
    { program: 'material_sphere', input: keys('o'), steps: 0 },
    { program: 'material_sphere', input: keys('o', 'o'), steps: 0 },
    // The spin stopped first: a user cannot press Step while dragging.
    { program: 'mesh_emblem', input: `${keys('space')}; 0: drag left from 320,240 by 60,-40 over 2 frames`, steps: 0 },
    { program: 'mesh_emblem', input: keys('space'), steps: 3 },
    { program: 'line_stipple', args: ['-geometry', '200x120+5+5'], input: '', steps: 0 },
];

for (const browserName of (process.env.DEMO_BROWSERS || browserNames.join(',')).split(',')) {
    describe(`in ${browserName}`, () => {
        const session = new Session(site, browserName);
        before(() => session.start());
        after(() => session.stop());
        const open = (...args) => session.open(...args);

        for (const program of programs) {
            test(`${program}: the first frame is the desktop's`, async () => {
                const expected = native(program, '', 0);
                const page = await open(program);
                assertSamePicture(await canvas(page), await expected, program);
                assert.deepEqual(await counts(page), [0, 1], `${program}: held before its first idle call`);
                assert.deepEqual(page.errors, [], `${program}: errors on the page`);
                assert.deepEqual(await violations(page), [], `${program}: what its security policy refused`);
            });
        }
        for (const program of moving) {
            test(`${program}: after ${steps} idle calls, the desktop's frame`, async () => {
                const expected = native(program, '', steps);
                const page = await open(program, `steps=${steps}`);
                await poll(`${steps} idle calls`, async () => (await counts(page))[0] === steps);
                await poll('the last one shown', async () => (await counts(page))[1] === steps + 1);
                assertSamePicture(await canvas(page), await expected, `${program} after ${steps}`);
            });
        }
        for (const { program, args = [], input, steps: count } of inputs) {
            test(`${program} ${args.join(' ')}: ${input} then ${count} idle calls, as on the desktop`,
                async () => {
                    const pending = native(program, input, count, args);
                    const page = await open(program, `paused&args=${encodeURIComponent(args.join(' '))}`);
                    const expected = await pending;
                    await give(page, expected.cues);
                    await step(page, count);
                    assertSamePicture(await canvas(page), expected, program);
                });
        }
        test('a click on the window gives it the keys, as the page says', async () => {
            const expected = native('material_sphere', `${click('left', 100, 100)}; ${keys('o')}`, 0);
            const page = await open('material_sphere');
            const box = await (await page.$('#canvas')).boundingBox();
            await page.mouse.click(box.x + 100, box.y + 100);
            await page.keyboard.press('o');
            await nextFrames(page);
            assert.match(await page.$eval('#focus', (p) => p.textContent), /The window has the keys/);
            assertSamePicture(await canvas(page), await expected, 'material_sphere after a click and o');
        });
        // The page's own controls and a finger, as on a touch screen, give
        // what the mouse and keyboard give the native program: every button
        // a touch can be given and every key each page offers.
        for (const { program, buttons, keys: offered } of controlsOffered) {
            const moves = moving.includes(program);
            const lines = [];
            let frame = 0;
            const next = () => (moves ? (frame += 3) - 3 : 0);
            if (buttons)
                for (const button of ['left', 'middle', 'right']) {
                    const at = next();
                    lines.push(`${at}: press ${button} at 120,90`, `${at}: release ${button} at 120,90`);
                }
            for (const key of offered.filter((key) => key !== 'escape'))
                lines.push(`${next()}: key ${key}`);
            const input = lines.join('; ');
            test(`${program}: by touch and the page's buttons, ${input}, as on the desktop`, async () => {
                const pending = native(program, input, moves ? 3 : 0);
                const page = await open(program, 'paused', { hasTouch: true });
                const expected = await pending;
                await give(page, expected.cues, 'touch');
                await step(page, moves ? 3 : 0);
                assertSamePicture(await canvas(page), expected, `${program} by touch`);
                if (offered.includes('escape')) {
                    await page.tap('[data-key="Escape"]');
                    assert.equal(await exitStatus(page), '0', `${program}: its Escape button ends it`);
                }
                assert.deepEqual(page.errors, []);
            });
        }
        test('mesh_emblem: a finger\'s drag turns the scene as the mouse\'s drag does', async () => {
            const pending = native('mesh_emblem', `${keys('space')}; 0: drag left from 320,240 by 60,-40 over 2 frames`, 0);
            const page = await open('mesh_emblem', 'paused', { hasTouch: true });
            const expected = await pending;
            await give(page, expected.cues, 'touch');
            assertSamePicture(await canvas(page), expected, 'mesh_emblem dragged by a finger');
        });
        // A phone's screen: the page fits its width, the window shown at the
        // width that fits, and the picture is the native program's at the
        // size the canvas has (its device pixels, within the page's budget);
        // with a capture opened by a tap, the page still fits.
        const phone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
        for (const program of programs) {
            test(`${program}: on a phone, the page fits, with a capture too, and the picture is the desktop's at its size`,
                async () => {
                    const page = await open(program, 'paused', phone);
                    await assertFits(page, phone.width, program);
                    const size = await page.$eval('#canvas', (c) => [c.width, c.height]);
                    assertSamePicture(await canvas(page), await native(program, '', 0, [], size), `${program} at ${size.join('x')}`);
                    assert.deepEqual(page.errors, []);
                    assert.deepEqual(await violations(page), [], `${program}: what its security policy refused`);
                    await page.tap('#capture');
                    await poll('the capture view', () => page.$eval('#capture-view', (view) => !view.hidden));
                    await assertFits(page, phone.width, `${program} with a capture open`);
                });
        }
        // A window within the pixel budget at either ratio, so that it
        // doubles: line_stipple's, the toolkit's 300 x 300.
        test('a change of the screen\'s ratio draws the window again at the new ratio', async () => {
            const page = await open('line_stipple');
            const before = await page.$eval('#canvas', (c) => [c.width, c.height]);
            await page.setViewport({ width: 1280, height: 1000, deviceScaleFactor: 2 });
            const size = await poll('the canvas at twice its pixels', () => page.$eval('#canvas', (c, before) =>
                c.width === 2 * before[0] && c.height === 2 * before[1] && [c.width, c.height], before));
            await drawn(page, 'the frame at the new size', (passes) => passes > 1);
            await nextFrames(page);
            assertSamePicture(await canvas(page), await native('line_stipple', '', 0, [], size),
                `line_stipple at ${size.join('x')}`);
        });
        test('mesh_emblem: Escape ends it with status 0, and the page says so', async () => {
            const page = await open('mesh_emblem');
            await tabToWindow(page);
            await page.keyboard.press('Escape');
            const status = await exitStatus(page);
            assert.equal(status, '0');
            assert.match(await page.$eval('#status', (p) => p.textContent), /ended with status 0/);
            const [idle] = await counts(page).catch(() => [0]);
            await new Promise((resolve) => setTimeout(resolve, 200));
            assert.equal((await counts(page).catch(() => [0]))[0], idle, 'nothing runs after the end');
        });
        test('the index links every program, in the catalogue\'s order', async () => {
            const page = await session.browser.newPage();
            await watchPolicy(page);
            await page.goto(`${session.url}/`);
            assert.equal(new URL(page.url()).pathname, '/web/', 'the root of the site leads to the pages');
            const links = await page.$$eval('li a', (as) => as.map((a) => a.getAttribute('href')));
            assert.deepEqual(links, programs.map((name) => `${name}.html`));
            assert.deepEqual(await violations(page), [], 'what the index\'s security policy refused');
            await page.close();
        });
        test('a page opened from a file, or of no program, says so in words', async () => {
            const page = await session.browser.newPage();
            await page.goto(`file://${path.resolve(site, 'web', 'color_cube.html')}`);
            assert.match(await page.$eval('#status', (p) => p.textContent), /must be served over HTTP/);
            const response = await page.goto(`${session.pages}/no_such_program.html`);
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
                assertSamePicture(await canvas(page), await native(program, '', 0, [], size),
                    `${program} resized to ${size.join('x')}`);
                assert.equal((await counts(page))[0], 0, `${program}: resizing makes no idle call`);
            });
        }
        // On a 2x screen a program's window has twice the pixels each way
        // where the page's pixel budget allows, else as many as it allows,
        // and every one once the reader asks for them; at each size it draws
        // what the native program draws at that size.
        for (const program of ['color_cube', 'line_stipple']) {
            test(`${program}: at device pixel ratio 2, the pixels the budget allows, then all`, async () => {
                const page = await open(program, 'paused', { deviceScaleFactor: 2 });
                const [shown, budget] = await page.$eval('#full', (full) =>
                    [[canvas.clientWidth, canvas.clientHeight], Number(full.dataset.budget)]);
                const scale = Math.min(2, Math.sqrt(budget / (shown[0] * shown[1])));
                const size = await page.$eval('#canvas', (c) => [c.width, c.height]);
                assert.deepEqual(size, shown.map((side) => Math.round(side * scale)),
                    `${program}: device pixels for ${shown.join('x')} page pixels within ${budget}`);
                assertSamePicture(await canvas(page), await native(program, '', 0, [], size), `${program} at ${size.join('x')}`);
                const [, passes] = await counts(page);
                await page.click('#full');
                const all = await poll('every device pixel', () => page.$eval('#canvas', (c, shown) =>
                    c.width === 2 * shown[0] && c.height === 2 * shown[1] && [c.width, c.height], shown));
                if (all[0] !== size[0])
                    await drawn(page, 'the frame at every device pixel', (now) => now > passes);
                await nextFrames(page);
                assertSamePicture(await canvas(page), await native(program, '', 0, [], all), `${program} at ${all.join('x')}`);
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
            await drawn(page, 'the fresh start\'s first frame', (passes) => passes === 1);
            assert.deepEqual(await counts(page), [0, 1], 'the restart is held, as the program was');
            assertSamePicture(await canvas(page), await native('square_double', '', 0), 'square_double restarted');
            assert.deepEqual(page.errors, []);
        });
        test('the command line field restarts the program with it and puts it in the address', async () => {
            const page = await open('line_stipple');
            await page.$eval('#args', (field) => { field.value = ''; });
            await page.type('#args', '-geometry 200x120+5+5');
            await page.keyboard.press('Enter');
            await poll('the window at its new size', () =>
                page.$eval('#canvas', (c) => c.width === 200 && c.height === 120));
            await drawn(page, 'its first frame');
            assert.equal(new URL(page.url()).searchParams.get('args'), '-geometry 200x120+5+5');
            assertSamePicture(await canvas(page), await native('line_stipple', '', 0, ['-geometry', '200x120+5+5']),
                'line_stipple -geometry 200x120+5+5');
        });
        test('each page shows its program\'s own source, highlighted, with the idea marked', async () => {
            const page = await session.browser.newPage();
            for (const program of programs) {
                await page.goto(`${session.pages}/${program}.html?paused`);
                const heading = await page.$eval('h2.path', (h) => h.textContent);
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
            const page = await session.browser.newPage();
            for (const hostile of ['<img src=x onerror="window.pwned=1">', '"><script>window.pwned=1</script>']) {
                await page.goto(`${session.pages}/line_stipple.html?args=${encodeURIComponent(hostile)}`);
                await drawn(page, 'the program running');
                assert.equal(await page.evaluate(() => window.pwned), undefined, `${hostile} ran`);
                assert.equal(await page.$$eval('img:not(.before), body script:not([src])', (found) => found.length), 0);
                assert.equal(await page.$eval('#args', (field) => field.value), hostile);
            }
            await page.close();
        });
        test('a toolkit option the toolkit rejects ends the program with its message', async () => {
            const page = await session.browser.newPage();
            await page.goto(`${session.pages}/line_stipple.html?args=-geometry`);
            const status = await exitStatus(page);
            assert.equal(status, '1');
            assert.match(await page.$eval('#messages', (p) => p.textContent),
                /-geometry parameter must be followed by window geometry settings/);
            await page.close();
        });
    });
}

after(removeNatives);
