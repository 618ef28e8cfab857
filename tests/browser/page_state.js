// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's first link shows, asked the same way of Chromium and of Firefox: the pictures
// shown in it (their files, whether they loaded, their boxes, the width and height their code gives,
// 0 where it gives none), the link's box and computed style, and the clicks that reached the page.
// Boxes are [left, top, width, height] in CSS pixels.
() => {
    const link = document.links[0];
    const box = element => {
        const b = element.getBoundingClientRect();
        return [b.left, b.top, b.width, b.height];
    };
    const style = getComputedStyle(link);
    const properties = ['display', 'line-height', 'font-size', 'color', 'background-color', 'text-transform',
                        'text-decoration-line'];
    return {
        shown: [...link.querySelectorAll('img')].filter(image => getComputedStyle(image).display !== 'none')
            .map(image => ({src: image.currentSrc || image.src, loaded: image.complete && image.naturalWidth > 0,
                            box: box(image),
                            given: ['width', 'height'].map(side => Number(image.getAttribute(side)))})),
        link: box(link),
        style: Object.fromEntries(properties.map(property => [property, style.getPropertyValue(property)])),
        clicks: window.quillarcClicks || 0,
    };
}
