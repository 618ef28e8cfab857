// SPDX-License-Identifier: GPL-3.0-or-later
// The modern pages in headless Firefox ESR, driven through WebDriver BiDi by puppeteer-core (no
// geckodriver, no browser of its own): what each page shows, as page_state.js tells it, at rest,
// focused by Tab (with a screenshot around the picture, for its focus ring), hovered, pressed and
// after a tap. One Firefox has a mouse; one is a touch screen with no pointer that hovers. The pages
// with code inserted too, at the index of their link under check; every page with its console errors.
//
//   node firefox_pages.mjs PLAN.json      prints {"page": {"step": state, "errors": [...]}} as JSON, a
//                                         line a page ("page#link" for a link other than the first)
//
// PLAN: {"firefox": "/usr/bin/firefox-esr", "folder": "/abs/folder", "guard": "script run before
//        each page's own", "margin": 6, "pages": [{"page": "a.html", "press": true, "tap": true, "link": 0}]}
import {readFileSync} from 'node:fs';
import {pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';

const plan = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const state = readFileSync(new URL('page_state.js', import.meta.url), 'utf8');
const launch = prefs => puppeteer.launch({browser: 'firefox', executablePath: plan.firefox, headless: true,
                                          protocol: 'webDriverBiDi', extraPrefsFirefox: prefs});
// Pointers as Firefox counts them: 1 coarse, 2 fine, 4 able to hover. Headless, it has none.
const pointers = capabilities => ({'ui.primaryPointerCapabilities': capabilities,
                                   'ui.allPointerCapabilities': capabilities});
let errors = []; // of the page under way
const browsers = await Promise.all([launch(pointers(2 | 4)), launch(pointers(1))]);
try {
    const [desk, touch] = await Promise.all(browsers.map(async browser => {
        const page = await browser.newPage();
        await page.setViewport({width: 800, height: 600});
        await page.evaluateOnNewDocument(plan.guard);
        page.on('console', message => message.type() === 'error' && errors.push(message.text()));
        page.on('pageerror', error => errors.push(String(error)));
        return page;
    }));
    for (const {page: file, press, tap, link = 0} of plan.pages) {
        const url = pathToFileURL(`${plan.folder}/${file}`).href;
        const steps = {};
        errors = [];
        const measure = async (page, step) => (steps[step] = await page.evaluate(`(${state})(${link})`));
        await desk.goto(url);
        const rest = await measure(desk, 'at rest');
        const [x, y, width, height] = rest.shown.length ? rest.shown[0].box : rest.link;
        for (let tab = 0; tab <= link; ++tab)
            await desk.keyboard.press('Tab');
        const focused = await measure(desk, 'focused');
        if (rest.shown.length) {
            const m = plan.margin;
            const clip = {x: Math.floor(x) - m, y: Math.floor(y) - m, width: Math.ceil(width) + 2 * m,
                          height: Math.ceil(height) + 2 * m};
            focused.shot = [clip.x, clip.y, await desk.screenshot({clip, encoding: 'base64'})];
        }
        await desk.evaluate('document.activeElement.blur()');
        await desk.mouse.move(x + width / 2, y + height / 2);
        await measure(desk, 'hovered');
        if (press) {
            await desk.mouse.down();
            await measure(desk, 'pressed');
            await desk.mouse.up();
        }
        await desk.mouse.move(795, 595);
        if (tap) {
            await touch.goto(url);
            await touch.touchscreen.tap(x + width / 2, y + height / 2);
            // Headless Firefox lacks the touch handling that ends the link's active state once the
            // finger has left, as a touch screen's does; a press on the empty page ends it.
            await touch.mouse.move(795, 595);
            await touch.mouse.down();
            await measure(touch, 'after a tap');
            await touch.mouse.up();
        }
        steps.errors = errors;
        process.stdout.write(`${JSON.stringify({[link ? `${file}#${link}` : file]: steps})}\n`);
    }
} finally {
    await Promise.all(browsers.map(browser => browser.close()));
}
