// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's first link shows, asked the same way of Chromium and of Firefox: the pictures
// shown in it (their files, whether they loaded, their boxes, the width and height their code gives,
// 0 where it gives none), the link's box and computed style, and the clicks that reached the page.
// Boxes are [left, top, width, height] in CSS pixels. With `at`, the link at that index; in `rest`,
// the page outside the code marked as inserted: each element with its attributes and colour and each
// text that is not blank, at its depth.
(at = 0) => {
    const link = document.links[at];
    const box = element => {
        const b = element.getBoundingClientRect();
        return [b.left, b.top, b.width, b.height];
    };
    const style = getComputedStyle(link);
    const properties = ['display', 'line-height', 'font-size', 'color', 'background-color', 'text-transform',
                        'text-decoration-line'];
    const rest = [];
    let marked = 0;
    const walk = (node, depth) => {
        for (const child of node.childNodes) {
            const marker = child.nodeType === Node.COMMENT_NODE && /^ quillarc (begin|end) /.exec(child.data);
            marked += marker ? (marker[1] === 'begin' ? 1 : -1) : 0;
            if (!marked && child.nodeType === Node.ELEMENT_NODE)
                rest.push(`${depth} <${[child.localName, ...[...child.attributes].map(a => `${a.name}="${a.value}"`)]
                    .join(' ')}> ${getComputedStyle(child).color}`);
            else if (!marked && child.nodeType === Node.TEXT_NODE && child.data.trim())
                rest.push(`${depth} ${child.data}`);
            walk(child, depth + 1);
        }
    };
    walk(document, 0);
    return {
        shown: [...link.querySelectorAll('img')].filter(image => getComputedStyle(image).display !== 'none')
            .map(image => ({src: image.currentSrc || image.src, loaded: image.complete && image.naturalWidth > 0,
                            box: box(image),
                            given: ['width', 'height'].map(side => Number(image.getAttribute(side)))})),
        link: box(link),
        style: Object.fromEntries(properties.map(property => [property, style.getPropertyValue(property)])),
        clicks: window.quillarcClicks || 0,
        rest,
    };
}
