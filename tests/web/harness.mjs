// The browser's side of the pages' tests: a browser and the site's server,
// pages opened as a reader opens them, the one wait for a frame, the
// toolkit's counts, the canvas's pixels, and input given through the
// browser's own mouse and keyboard.
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
        await new Promise((resolve) => setTimeout(resolve, 50));
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
    // says otherwise, once it has drawn; page.errors collects its errors.
    async open(program, query = 'paused', scale = 1) {
        const page = await this.browser.newPage();
        await page.setViewport({ width: 1280, height: 1000, deviceScaleFactor: scale });
        page.errors = [];
        page.on('pageerror', (error) => page.errors.push(error.message));
        page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
        await page.goto(`${this.pages}/${program}.html?${query}`);
        await drawn(page, `${program}'s first frame`);
        return page;
    }
}

// The idle calls and display passes the page's strip shows, as a reader
// sees them ([0, 0] before the program has drawn).
export async function counts(page) {
    const shown = await page.$eval('#counts', (output) => output.textContent);
    const found = /idle calls (\d+) · display passes (\d+)/.exec(shown);
    return found ? [Number(found[1]), Number(found[2])] : [0, 0];
}

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
// the next, while the program has an idle callback (the toolkit's state,
// which the native recorder follows too).
export async function step(page, count) {
    for (let i = 0; i < count && await page.evaluate(() => Module._glut_web_idling()); ++i) {
        const [idle, shown] = await counts(page);
        await page.click('#step');
        await poll('an idle call and its display', async () => {
            const [nowIdle, nowShown] = await counts(page);
            return nowIdle === idle + 1 && nowShown > shown;
        });
    }
}

// The recorder's cues, given as a user gives them: a cue at frame F after F
// idle calls, as the recorder gives it, each handed on before the next.
const buttonNames = ['left', 'middle', 'right'];
export async function give(page, cues) {
    const box = await (await page.$('#canvas')).boundingBox();
    let frame = 0;
    for (const cue of cues) {
        await step(page, cue.frame - frame);
        frame = cue.frame;
        const button = buttonNames[cue.button];
        if (cue.kind === 'key') {
            await page.focus('#canvas');
            await page.keyboard.press(cue.character === 27 ? 'Escape' : String.fromCharCode(cue.character));
        } else {
            await page.mouse.move(box.x + cue.x, box.y + cue.y);
            if (cue.kind === 'press')
                await page.mouse.down({ button });
            else if (cue.kind === 'release')
                await page.mouse.up({ button });
        }
        await nextFrames(page);
    }
}
