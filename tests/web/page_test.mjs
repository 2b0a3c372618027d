// The pages on the web's own terms: axe-core's judgement of accessibility
// (WCAG 2.1 A and AA, 2.2's target size, best practice) on the index and
// every program's page, running and with a capture open and a call chosen;
// and every page on phones 360, 390 and 414 pixels wide at ratio 3, no
// wider than the screen, with a finger's tap on each control landing on it,
// the window showing the gallery's picture until the program's first frame.
// A ctest test (label web) with browser_test.mjs's environment.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, describe, test } from 'node:test';
import { browserNames } from '../../web/browsers.mjs';
import { assertFits, drawn, nextFrames, poll, Session } from './harness.mjs';

const programs = execFileSync(process.env.DEMO_MAKE_CATALOGUE, [process.env.DEMO_CATALOGUE, 'list', 'programs'],
    { encoding: 'utf8' }).split('\n').filter((line) => line !== '');
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const judged = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// axe-core's violations on the page as it stands, each with the elements
// it found, as text that names them.
async function violations(page) {
    await page.evaluate(axeSource);
    const found = await page.evaluate((tags) => axe.run(document, { runOnly: { type: 'tag', values: tags } })
        .then((result) => result.violations.map((rule) =>
            `${rule.id} (${rule.impact}): ${rule.nodes.map((node) => node.target.join(' ')).join(', ')}`)), judged);
    return found;
}

// The capture view opened by a tap on Capture, and the call `k` chosen by a
// tap on its row, as a finger does on a phone.
async function captureByTap(page, k) {
    await page.tap('#capture');
    await poll('the capture view', () => page.$eval('#capture-view', (view) => !view.hidden));
    const row = await page.$(`#calls li:nth-child(${k})`);
    await row.scrollIntoView();
    const box = await row.boundingBox();
    await page.touchscreen.tap(box.x + Math.min(40, box.width / 2), box.y + box.height / 2);
    await poll(`call ${k} chosen on ${page.url()}`, () => page.$eval(`#calls li:nth-child(${k})`,
        (item) => item.getAttribute('aria-selected') === 'true'));
}

// The page's controls, found as a finger finds them: tap(i) taps the i-th
// at its middle, as the reader sees it, and checks that the tap reached it.
const controlsAt = '.strip button, .inputs button, #full, #args';
async function tapper(page, what) {
    await page.evaluate((selector) => {
        window.tapped = [];
        document.addEventListener('click', (event) =>
            window.tapped.push([...document.querySelectorAll(selector)].indexOf(event.target)), true);
    }, controlsAt);
    const names = await page.$$eval(controlsAt, (found) => found.map((control) =>
        control.id || control.dataset.key || `button ${control.dataset.button}`));
    const tap = async (i) => {
        const control = (await page.$$(controlsAt))[i];
        await control.scrollIntoView();
        const box = await control.boundingBox();
        await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
        const reached = await page.evaluate(() => window.tapped.at(-1));
        assert.equal(names[reached] ?? 'nothing', names[i], `${what}: a tap at the middle of ${names[i]}`);
    };
    return { names, tap };
}

for (const browserName of (process.env.DEMO_BROWSERS || browserNames.join(',')).split(',')) {
    describe(`in ${browserName}`, () => {
        const session = new Session(process.env.DEMO_SITE, browserName);
        before(() => session.start());
        after(() => session.stop());

        test('axe-core finds no violation on the index or any page, running or with a call chosen', async (t) => {
            const found = [];
            const judge = async (page, what) => {
                const seen = await violations(page);
                t.diagnostic(`${what}: ${seen.length} violations`);
                found.push(...seen.map((violation) => `${what}: ${violation}`));
            };
            const index = await session.browser.newPage();
            await index.goto(`${session.pages}/index.html`);
            await judge(index, 'index');
            await index.close();
            for (const program of programs) {
                const page = await session.open(program);
                await judge(page, `${program} running`);
                await page.click('#capture');
                await poll('the capture view', () => page.$eval('#capture-view', (view) => !view.hidden));
                await page.click('#calls li:nth-child(2)');
                await judge(page, `${program} with call 2 chosen`);
            }
            assert.deepEqual(found, []);
        });

        // At the narrowest width, where the controls are most crowded, every
        // page is laid out held, running and with a capture open, and a finger
        // taps each control; at the widest each page opens with a capture
        // open and a call chosen, all it shows (at 390, browser_test.mjs's
        // phone tests do the same beside the picture).
        for (const width of [360, 414]) {
            const phone = { width, height: 800, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
            const tapsEach = width === 360;
            test(`${width} pixels wide: every page fits` +
                 (tapsEach ? ', held, running and with a capture open, and a tap lands on each control'
                           : ', with a capture open'), async () => {
                const index = await session.browser.newPage();
                await index.setViewport(phone);
                await index.goto(`${session.pages}/index.html`);
                await assertFits(index, width, 'the index');
                await index.close();
                for (const program of programs) {
                    if (!tapsEach) {
                        const page = await session.open(program, 'capture=0&call=3', phone);
                        await poll('the capture view', () => page.$eval('#capture-view', (view) => !view.hidden));
                        await assertFits(page, width, `${program} with a capture open`);
                        continue;
                    }
                    const page = await session.open(program, 'paused', phone);
                    const fits = (when) => assertFits(page, width, `${program} ${when}`);
                    await fits('held');
                    // Restart, then Pause, come last, as the program then starts
                    // again, then runs; Capture and Escape come after.
                    const taps = await tapper(page, `${program} at ${width}`);
                    const late = ['restart', 'pause'];
                    const order = taps.names.map((name, i) => i)
                        .filter((i) => !['capture', 'Escape'].includes(taps.names[i]))
                        .sort((i, j) => late.indexOf(taps.names[i]) - late.indexOf(taps.names[j]));
                    for (const i of order) {
                        if (await page.$$eval(controlsAt, (found, i) => found[i].disabled, i))
                            continue; // Step, for a program with no idle calls to make
                        await taps.tap(i);
                        if (taps.names[i] === 'full')
                            await taps.tap(i); // every device pixel at ratio 3 is nine times the work: not kept
                        if (taps.names[i] === 'restart')
                            await poll('the program started again', () => page.$eval('#pause', (b) => !b.disabled));
                    }
                    await nextFrames(page);
                    await fits('running');
                    await captureByTap(page, 3);
                    await fits('with a capture open');
                    if (taps.names.includes('Escape')) {
                        await taps.tap(taps.names.indexOf('Escape'));
                        await poll('the program\'s end', () =>
                            page.$eval('#status', (p) => /ended with status 0/.test(p.textContent)));
                    }
                }
            });
        }

        test('the window shows the gallery\'s picture until the program\'s first frame', async () => {
            const page = await session.browser.newPage();
            // The program's module held back: the page can show only the picture.
            let release;
            const held = new Promise((resolve) => { release = resolve; });
            await page.setRequestInterception(true);
            page.on('request', (request) => (request.url().endsWith('color_cube.wasm')
                ? held.then(() => request.continue()) : request.continue()));
            await page.goto(`${session.pages}/color_cube.html?paused`);
            const shown = () => page.$eval('.client .before', (picture) =>
                picture.complete && picture.naturalWidth > 0 && picture.getBoundingClientRect().width > 0);
            await poll('the gallery\'s picture in the window', shown);
            release();
            await drawn(page, 'color_cube\'s first frame');
            assert.equal(await shown(), false, 'the picture gives way to the program\'s frame');
            await page.close();
        });
    });
}
