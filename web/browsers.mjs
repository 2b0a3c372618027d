// Debian's browsers, headless, driven through puppeteer-core: Chromium over
// the DevTools protocol, Firefox ESR over WebDriver BiDi. Neither reaches
// for the network on its own.
import puppeteer from 'puppeteer-core';

const launchers = {
    chromium: () => puppeteer.launch({
        browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--disable-quic'],
    }),
    firefox: () => puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true }),
};

export const browserNames = Object.keys(launchers);

export function launch(name) {
    if (!launchers[name])
        throw new Error(`no browser called ${name}: ${browserNames.join(', ')}`);
    return launchers[name]();
}
