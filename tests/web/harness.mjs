// The browser's side of the pages' tests: a browser and the site's server,
// pages opened as a reader opens them, the one wait for a frame, the
// toolkit's counts, the canvas's pixels, and input given through the
// browser's own mouse and keyboard.
import assert from 'node:assert/strict';
import { PNG } from 'pngjs';
import { launch } from '../../web/browsers.mjs';
import { serveFolder } from '../../web/serve.mjs';

// Polls check until it gives something, for at most `seconds`.
export async function poll(what, check, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    for (;;) {
        const value = await check();
        if (value)
            return value;
        if (Date.now() > deadline)
            throw new Error(`timed out waiting for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 10));
    }
}

// The site served, and a browser: start() before the tests, stop() after.
export class Session {
    constructor(site, browserName) {
        this.site = site;
        this.browserName = browserName;
    }

    async start() {
        this.server = await serveFolder(this.site);
        this.url = this.server.url;
        this.pages = `${this.url}/web`;
        this.browser = await launch(this.browserName);
    }

    async stop() {
        await this.browser?.close();
        this.server?.close();
    }

    // A program's page, held before its first idle call unless the query
    // says otherwise, once it has drawn, on a desktop's screen unless the
    // viewport says otherwise; page.errors collects its errors. The pages
    // open one after the other in the session's one tab, as a reader goes
    // from page to page, which spares the browser a new tab for each.
    async open(program, query = 'paused', viewport = {}) {
        if (!this.tab) {
            const page = this.tab = await this.browser.newPage();
            page.errors = [];
            page.on('pageerror', (error) => page.errors.push(error.message));
            page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
            await watchPolicy(page);
        }
        const page = this.tab;
        // In front, as a reader's tab is: a browser draws no animation frames
        // in a tab behind another that a test opened.
        await page.bringToFront();
        // The page before is left first, and what it says as it goes is its own.
        await page.goto('about:blank');
        page.errors.length = 0;
        await page.setViewport({ width: 1280, height: 1000, deviceScaleFactor: 1, ...viewport });
        await page.goto(`${this.pages}/${program}.html?${query}`);
        await drawn(page, `${program}'s first frame`);
        return page;
    }
}

// Keeps what the page's content security policy refuses, from the page's
// start on, for violations() to tell.
export const watchPolicy = (page) => page.evaluateOnNewDocument(() => {
    window.policyViolations = [];
    document.addEventListener('securitypolicyviolation', (event) =>
        window.policyViolations.push(`${event.violatedDirective} refused ${event.blockedURI}`));
});
export const violations = (page) => page.evaluate(() => window.policyViolations);

// The idle calls and display passes the page's strip shows, as a reader
// sees them ([0, 0] before the program has drawn).
export async function counts(page) {
    const shown = await page.$eval('#counts', (output) => output.textContent);
    const found = /idle calls (\d+) · display passes (\d+)/.exec(shown);
    return found ? [Number(found[1]), Number(found[2])] : [0, 0];
}

// The exit status the page says the program ended with, once it says so.
export const exitStatus = (page) => poll('the end', async () =>
    /ended with status (\d+)/.exec(await page.$eval('#status', (p) => p.textContent))?.[1]);

// Waits until the strip shows that the program has drawn as `enough` says
// of its display passes (by default, once or more).
export const drawn = (page, what, enough = (passes) => passes > 0) =>
    poll(what, async () => enough((await counts(page))[1]));

// The canvas's pixels, through a PNG: the canvas is opaque, so its colours
// come back as they were put.
export async function canvas(page) {
    const url = await page.$eval('#canvas', (c) => c.toDataURL('image/png'));
    return PNG.sync.read(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
}

// Two animation frames: the toolkit's loop has handed on what came before.
export const nextFrames = (page) => page.evaluate(() => new Promise((resolve) =>
    requestAnimationFrame(() => requestAnimationFrame(() => resolve()))));

// Steps one idle call at a time with the strip's Step, each shown before
// the next, while Step is there to press (the program has an idle
// callback, as the native recorder follows too).
export async function step(page, count) {
    for (let i = 0; i < count && await page.$eval('#step', (button) => !button.disabled); ++i) {
        const [idle, shown] = await counts(page);
        await page.click('#step');
        await poll('an idle call and its display', async () => {
            const [nowIdle, nowShown] = await counts(page);
            return nowIdle === idle + 1 && nowShown > shown;
        });
    }
}

// Gives the window the keys as a keyboard's user does, with Tab, unless it
// has them.
export async function tabToWindow(page) {
    for (let i = 0; i < 30; ++i) {
        if (await page.evaluate(() => document.activeElement?.id === 'canvas'))
            return;
        await page.keyboard.press('Tab');
    }
    throw new Error('Tab did not reach the window');
}

// The recorder's cues, given as a user gives them: a cue at frame F after F
// idle calls, as the recorder gives it, each handed on before the next. By
// mouse and keyboard, or by touch: a finger on the window, its button chosen
// first with the page's own buttons, and each key by the page's button for
// it, each tapped.
const buttonNames = ['left', 'middle', 'right'];
export async function give(page, cues, by = 'mouse') {
    let frame = 0;
    for (const cue of cues) {
        await step(page, cue.frame - frame);
        frame = cue.frame;
        if (by === 'touch' && cue.kind === 'press')
            await page.tap(`[data-button="${cue.button}"]`);
        // Where the window is now: a tap on a control may have scrolled the page.
        const box = await (await page.$('#canvas')).boundingBox();
        const [x, y] = [box.x + cue.x, box.y + cue.y];
        if (cue.kind === 'key') {
            const key = cue.character === 27 ? 'Escape' : String.fromCharCode(cue.character);
            if (by === 'touch') {
                await page.tap(`[data-key="${key}"]`);
            } else {
                await tabToWindow(page);
                await page.keyboard.press(key);
            }
        } else if (by === 'touch') {
            if (cue.kind === 'press')
                await page.touchscreen.touchStart(x, y);
            else if (cue.kind === 'release')
                await page.touchscreen.touchEnd();
            else
                await page.touchscreen.touchMove(x, y);
        } else {
            await page.mouse.move(x, y);
            if (cue.kind === 'press')
                await page.mouse.down({ button: buttonNames[cue.button] });
            else if (cue.kind === 'release')
                await page.mouse.up({ button: buttonNames[cue.button] });
        }
        await nextFrames(page);
    }
}

// The page fits a screen `width` pixels wide: the browser lays it out at the
// screen's width (a phone's browser widens its layout to a page wider than
// the screen), and nothing is wider than the room it has beside a scroll bar.
export async function assertFits(page, width, what) {
    const [wide, room, laidOut] = await page.evaluate(() =>
        [document.documentElement.scrollWidth, document.documentElement.clientWidth, innerWidth]);
    assert.ok(wide <= room && laidOut === width,
        `${what}: ${wide} pixels wide in ${room} of room, laid out ${laidOut} wide on a screen of ${width}`);
}

