// Lighthouse on the pages, in Debian's Chromium, as a phone loads them (its
// default): the scores for accessibility, best practices, SEO and
// performance, with the first contentful paint, for the index and a program's
// page. By hand, not in the tests: it takes a minute and its performance
// figures move with the machine's load.
//   cd tools/lighthouse && npm ci && node run.mjs [SITE] [PROGRAM]
// SITE is a folder laid out as docs/ (by default the web build's,
// build-web/site); PROGRAM the page to judge beside the index (color_cube).
import { launch } from 'chrome-launcher';
import lighthouse from 'lighthouse';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveFolder } from '../../web/serve.mjs';

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = path.resolve(process.argv[2] ?? path.join(top, 'build-web/site'));
const program = process.argv[3] ?? 'color_cube';

const server = await serveFolder(site);
const chrome = await launch({
    chromePath: '/usr/bin/chromium',
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--disable-quic'],
});
try {
    for (const page of ['index.html', `${program}.html`]) {
        const { lhr } = await lighthouse(`${server.url}/web/${page}`, {
            port: chrome.port, output: 'json', logLevel: 'error',
            onlyCategories: ['accessibility', 'best-practices', 'seo', 'performance'],
        });
        const scores = Object.values(lhr.categories).map((category) =>
            `${category.title} ${Math.round(category.score * 100)}`).join(', ');
        console.log(`${page}: ${scores}; first contentful paint ` +
            `${lhr.audits['first-contentful-paint'].displayValue}`);
        for (const category of Object.values(lhr.categories).filter((c) => c.score < 1 && c.id !== 'performance')) {
            for (const ref of category.auditRefs.filter((ref) => ref.weight > 0)) {
                const audit = lhr.audits[ref.id];
                if (audit.score !== null && audit.score < 1)
                    console.log(`  ${category.id}: ${audit.id}: ${audit.title}`);
            }
        }
    }
} finally {
    await chrome.kill();
    server.close();
}
