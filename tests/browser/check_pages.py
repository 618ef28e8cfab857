#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages the program writes, opened in headless Chromium and worked with real pointer input.

    check_pages.py --writer PATH/write_pages [--keep FOLDER]

write_pages makes the pictures and pages of the order below through the program's own code;
each check then loads a page from disk, as a web author opens a saved page, moves the pointer
over it, presses, releases and moves away through WebDriver, and looks at what the page
shows: which picture the image holds, whether it loaded, its colour on the screen, the link's
computed style, the page's text, the console and the failed requests. One browser serves all
checks. Chromium that cannot start fails the run with a message; nothing is skipped.

The modern code is held to more: the Nu HTML checker and html-validate find nothing in it,
axe-core finds no WCAG 2.0 to 2.2 A or AA violation at rest, hovered or focused, the keyboard
and a touch screen get what they should, the pictures take their place before they arrive,
and it works under a Content-Security-Policy that allows no script. Every modern page is also
opened in headless Firefox ESR (firefox_pages.mjs, through puppeteer-core and WebDriver BiDi),
which must show the same pictures and compute the same link style as Chromium at rest, focused,
hovered, pressed and after a tap; in both browsers the focus ring must go round the picture. The
checkers come from
npm (tests/browser/install-checkers). The classic code's figures from the same checkers are
printed, not asserted, and so are the sizes of both codes.

Code inserted into an author's page by "Insert into Page" must work there as it does on its own,
in both browsers and with no console error, and leave the rest of the page as it was: its
elements, attributes, text and colours, what its script and its style sheet do.
"""

import argparse
import base64
import contextlib
import functools
import http.server
import io
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse
from dataclasses import dataclass, field, replace

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FIREFOX = "/usr/bin/firefox-esr"
PACKAGES = "chromium, chromium-driver, python3-selenium, python3-pil and firefox-esr (scripts/setup installs them)"

try:
    from selenium import webdriver
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    from PIL import Image
except ImportError as error:
    sys.exit(f"browser checks: cannot import selenium or PIL ({error}); they need {PACKAGES}")

# The checkers, installed from npm beside this file at the versions of package-lock.json.
HERE = pathlib.Path(__file__).resolve().parent
NODE_MODULES = HERE / "node_modules"
VNU_JAR = NODE_MODULES / "vnu-jar" / "build" / "dist" / "vnu.jar"
HTML_VALIDATE = NODE_MODULES / ".bin" / "html-validate"
HTML_VALIDATE_CONFIG = HERE / "htmlvalidate.json"
AXE_SCRIPT = NODE_MODULES / "axe-core" / "axe.min.js"
PUPPETEER = NODE_MODULES / "puppeteer-core" / "package.json"
FIREFOX_PAGES = HERE / "firefox_pages.mjs"
PAGE_STATE = (HERE / "page_state.js").read_text(encoding="utf-8")
CHECKERS = "tests/browser/install-checkers installs them (scripts/setup --tests runs it)"
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22a", "wcag22aa"]
AXE_RUN = """
const done = arguments[arguments.length - 1];
axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}, resultTypes: ['violations']})
    .then(result => done(result.violations.map(v => ({id: v.id, impact: v.impact, nodes: v.nodes.length}))),
          error => done(String(error)));
"""
CSP_META = "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'\">"
PICTURE_SUFFIXES = (".gif", ".jpg", ".png", ".bmp")
# How long a page may take to show the state that its style gives it.
STATE_WAIT = 1.0

# Colours of the pictures, far enough apart that no JPEG rounding turns one into another.
PALETTE = [(220, 30, 30), (30, 50, 220), (40, 180, 40), (230, 210, 30),
           (200, 40, 200), (40, 200, 210), (240, 130, 20), (100, 30, 140)]
PICTURE_SIZE = (48, 48)
COLOUR_TOLERANCE = 40
# How long the screen may take to show a picture that the page already holds.
PAINT_WAIT = 5.0
# The screenshot of a focused picture reaches this many pixels beyond it; its focus ring must
# start within RING_REACH pixels of its edge.
RING_MARGIN = 6
RING_REACH = 3

# A link click would leave the page for "http://"; the browser cancels every click before
# the link sees it and counts it, so the page itself stays as it was written.
# A picture that cannot load is a console error, also in Firefox, which reports no requests of a file page.
CLICK_GUARD = """
document.addEventListener('click', function (event) {
    window.quillarcClicks = (window.quillarcClicks || 0) + 1;
    event.preventDefault();
}, true);
addEventListener('error', function (event) {
    if (event.target !== window) console.error('cannot load ' + event.target.src);
}, true);
"""


class CheckFailed(AssertionError):
    """A page does not do what its code says."""


def wait_until(check, timeout):
    """What check() returns once it raises no CheckFailed, tried every 50 ms. After timeout seconds,
    or timeout() where the wait depends on what the last try saw, the last CheckFailed stands."""
    started = time.monotonic()
    while True:
        try:
            return check()
        except CheckFailed:
            if time.monotonic() - started > (timeout() if callable(timeout) else timeout):
                raise
        time.sleep(0.05)


@dataclass
class Rollover:
    page: str
    title: str
    pictures: tuple  # picture 1, picture 2
    standards: bool = False
    typed: bool = False  # the names typed into the boxes, not picked
    at: int = 0  # the code's link is the page's link at this index
    into: str = ""  # the page the code is inserted into


@dataclass
class Button:
    page: str
    title: str
    default: str
    over: str = ""
    down: str = ""
    standards: bool = False
    at: int = 0
    into: str = ""
    renamed: str = ""  # what the insert adds to the code's names


@dataclass
class Links:
    page: str
    title: str
    effects: list = field(default_factory=list)  # (effect, value) in the order of adding
    modern: bool = False
    standards: bool = False
    separate: bool = False  # the modern snippets each in a style element of its own
    scope: str = ""  # "Only links inside:"; the page's link stands inside it


@dataclass
class HandEdited:
    """A final code edited by hand, on the classic or the modern page, and the part of it that
    the window's example link names as not read ("": it reads it all)."""
    page: str
    title: str
    code: str
    modern: bool = False
    named: str = ""
    browser: dict = field(default_factory=dict)  # what Chromium shows otherwise while hovered
    no_link: bool = False  # the page shows no link at all


@dataclass
class Pictures:
    """A rollover or a button in modern code."""
    page: str
    title: str
    kind: str  # "rollover" or "button"
    default: str
    over: str = ""
    down: str = ""
    alt: str = ""
    link: str = "http://"
    standards: bool = False
    typed: bool = False
    size: tuple = ()  # of the default picture and in the size boxes; none: the boxes as the windows open
    twice: bool = False  # every picture has a sibling of twice the density, "name@2x.png"
    at: int = 0
    into: str = ""

    @property
    def hovered(self):
        return self.over or self.default

    @property
    def pressed(self):
        return self.down or self.hovered


ROLLOVER_PLAIN = Rollover("rollover-plain.html", "plain names", ("up.gif", "over.jpg"))
ROLLOVERS_ENCODED = [
    Rollover("rollover-blank-quote.html", "a blank and quotes", ("my up.bmp", 'say "hi".png')),
    Rollover("rollover-hash-percent.html", "# and %", ("up#1.gif", "100%.jpg")),
    Rollover("rollover-ampersand-question.html", "& and ?", ("up&copy.png", "over?.bmp")),
    Rollover("rollover-non-ascii.html", "non-ASCII letters", ("grün.jpg", "кнопка.gif")),
]
ROLLOVER_TYPED = Rollover("rollover-typed.html", "typed names with # and a blank", ("ct up#1.gif", "ct#over.jpg"),
                          typed=True)
ROLLOVER_STANDARDS = Rollover("rollover-standards.html", "standards mode", ("s-up.png", "s-over.gif"), True)

BUTTON_THREE = Button("button-three.html", "three pictures", "b-default.gif", "b-over.jpg", "b down&up.bmp")
BUTTON_OVER = Button("button-over.html", "only an over picture", "o-default.bmp", over="o-over.png")
BUTTON_DOWN = Button("button-down.html", "only a down picture", "d-default.jpg", down="d-down.gif")
BUTTON_STANDARDS = Button("button-standards.html", "standards mode", "s-default.png", "s-over.bmp", "s-down.jpg", True)

LINK_EFFECTS = [
    Links("links-fontsize.html", "FontSize 20px", [("FontSize", "20px")]),
    Links("links-forecolor.html", "ForeColor red", [("ForeColor", "red")]),
    Links("links-backcolor.html", "BackColor #00ff00", [("BackColor", "#00ff00")]),
    Links("links-uppercase.html", "Uppercase", [("Uppercase", "")]),
    Links("links-lowercase.html", "Lowercase", [("Lowercase", "")]),
    Links("links-lineless.html", "Lineless", [("Lineless", "")]),
]
LINKS_TOGETHER = Links("links-together.html", "several effects in one final code",
                       [("Lineless", ""), ("FontSize", "20px"), ("ForeColor", "red"), ("BackColor", "#00ff00"),
                        ("Uppercase", "")])
LINKS_SCOPED = Links("links-scoped.html", "effects for the links inside nav", [("Lineless", ""), ("ForeColor", "red")],
                     scope="nav")

# Pages written as "Open in Browser" writes them and saved by "Save as HTML" with the copies of
# their pictures taken, each into a folder of its own that holds none of the pictures before:
# the page finds the copies. (way, case); a picture is named by its place beside the page.
THROUGH = [
    ("browser", Rollover("shown/rollover.html", "written by Open in Browser", ("shown/sh up#1.gif", "shown/sh-over.jpg"))),
    ("browser", Button("shown/button.html", "written by Open in Browser", "shown/sh-default.gif", "shown/sh-over.png",
                       "shown/sh down.bmp")),
    ("save", Rollover("saved/rollover.html", "saved with copied pictures", ("saved/sv up&1.png", "saved/sv-over.gif"))),
    ("save", Button("saved/button.html", "saved with copied pictures", "saved/sv-default.jpg", "saved/sv over.bmp",
                    "saved/sv-down.gif")),
]

# The modern code's inputs: the boxes as the windows open, with an alt text; then a link with
# & and quotes, an alt text with &, quotes and <, and picked names that need encoding.
ALT = "Home page"
BUTTON_ALT = "Go"
ODD_LINK = 'shop.html?a=1&copy=2&say="hi"'
ODD_ALT = 'Tom & "Jerry" <3'


def pasted(case):
    """The same case with its code pasted into an author's standards page."""
    return replace(case, page=case.page.replace(".html", "-pasted.html"), standards=True,
                   title=case.title + ", pasted into a standards page")


MODERN_ROLLOVERS = [
    Pictures("modern-rollover.html", "rollover, defaults with alt text", "rollover", "m-up.gif", "m-over.jpg", alt=ALT),
    Pictures("modern-rollover-odd.html", "rollover, odd link, alt text and names", "rollover", "m up&1.png",
             'm "over" <2>.bmp', alt=ODD_ALT, link=ODD_LINK),
]
MODERN_BUTTONS = [
    Pictures("modern-button-three.html", "button, three pictures", "button", "mb-default.gif", "mb-over.jpg",
             "mb-down.bmp", alt=BUTTON_ALT),
    Pictures("modern-button-odd.html", "button, odd link, alt text and names", "button", 'mt "default".png',
             "mt over#1.gif", "mt down%.jpg", alt=ODD_ALT, link=ODD_LINK),
    Pictures("modern-button-over.html", "button, only an over picture", "button", "mo-default.bmp",
             over="mo-over.png", alt=BUTTON_ALT),
    Pictures("modern-button-down.html", "button, only a down picture", "button", "md-default.jpg",
             down="md-down.gif", alt=BUTTON_ALT),
]
MODERN_OTHERS = [
    Pictures("modern-rollover-typed.html", "rollover, typed names with a blank and %, a link with a blank, non-ASCII "
             "letters, a query and a fragment", "rollover", "t up 1.gif", "t 100%.jpg", alt=ALT,
             link="seite ä.html?q=a b&x=1#teil 2", typed=True),
    Pictures("modern-button-typed.html", "button, typed names with #, non-ASCII letters and a blank", "button",
             "tb up#1.png", "tb grün.gif", "tb down 1.bmp", alt=BUTTON_ALT, link="shop page.html?größe=1#oben",
             typed=True),
    Pictures("modern-rollover-2x.html", "rollover, pictures with siblings of twice the density", "rollover", "x-up.png",
             "x-over.png", alt=ALT, twice=True),
    Pictures("modern-button-wide.html", "button, a picture wider than a phone's screen", "button", "w-wide.png",
             alt=BUTTON_ALT, size=(400, 100)),
]
MODERN_PICTURES = [case for saved in MODERN_ROLLOVERS + MODERN_BUTTONS for case in (saved, pasted(saved))]
MODERN_PICTURES += MODERN_OTHERS
# A FontSize of only a number gets its unit; the colours keep a contrast of 4.5:1 or more
# with white, with the link's blue and with each other, as the audit wants.
MODERN_EFFECTS = [("FontSize", "20"), ("ForeColor", "darkred"), ("BackColor", "yellow"), ("Uppercase", ""),
                  ("Lowercase", ""), ("Lineless", "")]
MODERN_LINKS_SAVED = [Links(f"modern-links-{effect.lower()}.html", f"link effect {effect}", [(effect, value)], True)
                      for effect, value in MODERN_EFFECTS]
MODERN_LINKS_SAVED.append(Links("modern-links-unclosed.html", "an unclosed rgb( left out, the other effect kept",
                                [("ForeColor", "rgb(255,0,0"), ("Uppercase", "")], True))
MODERN_LINKS_SAVED.append(Links("modern-links-all.html", "final code with all six effects",
                                [MODERN_EFFECTS[5], *MODERN_EFFECTS[:5]], True))
MODERN_LINKS = [case for saved in MODERN_LINKS_SAVED for case in (saved, pasted(saved))]
MODERN_LINKS.append(Links("modern-links-scoped.html", "link effects for the links of a menu's items",
                          [MODERN_EFFECTS[2], MODERN_EFFECTS[3]], True, scope="ul.menu li"))


def without_script(case):
    """The same saved page under a policy that allows no script at all."""
    return replace(case, page=case.page.replace(".html", "-csp.html"), title=case.title + ", no script allowed")


CSP_PICTURES = [without_script(case) for case in MODERN_ROLLOVERS + MODERN_BUTTONS]
CSP_LINKS = [without_script(case) for case in MODERN_LINKS_SAVED]
# The six effects as the modern snippets used to add them, each in a style element of its own.
MODERN_LINKS_SEPARATE = replace(MODERN_LINKS_SAVED[-1], page="modern-links-all-separate.html",
                                title="all six effects, each in its own style element", separate=True)

# Final codes edited by hand that the example link reads as Chromium does, or names as not read.
HAND_EDITED = [
    HandEdited("hand-comment-in-selector.html", "a comment inside a:hover", "<style>a/**/:hover{color:red}</style>",
               True),
    HandEdited("hand-blank-before-hover.html", "a :hover", "<style>a :hover{color:red}</style>", True, "a :hover{...}"),
    HandEdited("hand-blank-after-colon.html", "a: hover", "<style>a: hover{color:red}</style>", True, "a: hover{...}"),
    HandEdited("hand-at-blank-media.html", "@ media", "<style>@ media (hover:hover){a:hover{color:red}}</style>",
               True, "@ media (hover:hover){...}"),
    HandEdited("hand-print.html", "a style element for print", '<style media="print">a:hover{color:red}</style>',
               True, '<style media="print">'),
    HandEdited("hand-less.html", "a style element in another language",
               '<style type="text/less">a:hover{color:red}</style>', False, '<style type="text/less">'),
    HandEdited("hand-markup-in-rule.html", "<!-- inside a rule", "<style>a:hover{<!--color:red}</style>", False,
               "<!--color:red"),
    HandEdited("hand-point-unit.html", "a point before the unit", "<style>a:hover{font-size:12.px}</style>", False,
               "font-size:12.px"),
    HandEdited("hand-hashless.html", "a colour without its #", "<style>a:hover{color:0f0}</style>", False,
               "color:0f0", {"color": "rgb(0, 0, 240)"}),
    HandEdited("hand-unclosed.html", "an unclosed style element", "<style>a:hover{color:red}", True,
               "an unclosed <style>: the page would show no link", no_link=True),
]

# Code inserted at the end of an author's page, after its three links; the second button goes into
# the page that holds the first, with the same names.
AUTHOR = "author.html"
AUTHOR_OWN = ['2 <p id="note"> rgb(0, 90, 0)', "3 Set by the page's script."]  # its style sheet's and script's work
INSERTED_ROLLOVER = Rollover("in-rollover.html", "classic rollover, inserted", ("i-up.gif", "i-over.jpg"), True,
                             at=3, into=AUTHOR)
INSERTED_BUTTONS = [Button("in-buttons.html", "first of two classic buttons, inserted", "i-default.gif",
                           "i-over.png", "i-down.bmp", True, at=3, into=AUTHOR),
                    Button("in-buttons.html", "second of two classic buttons, inserted", "j-default.png",
                           "j-over.jpg", "j-down.gif", True, at=4, into="in-buttons.html", renamed="2")]
INSERTED_MODERN = [Pictures("in-modern-rollover.html", "modern rollover, inserted", "rollover", "k-up.gif",
                            "k-over.jpg", alt=ALT, at=3, into=AUTHOR),
                   Pictures("in-modern-button.html", "modern button, inserted", "button", "l-default.png",
                            "l-over.gif", "l-down.jpg", alt=BUTTON_ALT, at=3, into=AUTHOR)]
INSERTED = [INSERTED_ROLLOVER, INSERTED_MODERN[0], *INSERTED_BUTTONS, INSERTED_MODERN[1]]

# A link's computed style with no effect, and what each effect changes while it is hovered.
LINK_AT_REST = {"font-size": "16px", "color": "rgb(0, 0, 238)", "background-color": "rgba(0, 0, 0, 0)",
                "text-transform": "none", "text-decoration-line": "underline"}
VALUED = {"FontSize": "font-size", "ForeColor": "color", "BackColor": "background-color"}
COMPUTED_VALUE = {"20px": "20px", "20": "20px", "red": "rgb(255, 0, 0)", "#00ff00": "rgb(0, 255, 0)",
                  "darkred": "rgb(139, 0, 0)", "yellow": "rgb(255, 255, 0)"}
# Answers that the modern code leaves out: each would take the rules after it into its value.
LEFT_OUT = {"rgb(255,0,0"}
FIXED_STYLE = {"Uppercase": {"text-transform": "uppercase"}, "Lowercase": {"text-transform": "lowercase"},
               "Lineless": {"text-decoration-line": "none"}}


def effect_style(effect, value):
    """What an effect with its value makes of a link's computed style."""
    return {VALUED[effect]: COMPUTED_VALUE[value]} if effect in VALUED else FIXED_STYLE[effect]


def link_styles(case):
    """The link's computed style at rest and while the effects apply."""
    at_rest, styled = dict(LINK_AT_REST), dict(LINK_AT_REST)
    for effect, value in case.effects:
        if case.modern and value in LEFT_OUT:
            continue
        styled.update(effect_style(effect, value))
        if effect == "Lineless":  # a rule for every link, not only the hovered one
            at_rest.update(effect_style(effect, value))
    return at_rest, styled


def twice(name):
    """The name of a PNG picture's sibling of twice the density."""
    return name.replace(".png", "@2x.png")


def order():
    """What write_pages is to write, with a colour for every picture."""
    pictures, pages, colours = [], [{"file": AUTHOR, "kind": "author"}], {}

    def picture(name, size=PICTURE_SIZE):
        if name and name not in colours:
            colours[name] = PALETTE[len(colours) % len(PALETTE)]
            pictures.append({"file": name, "colour": colours[name], "size": size})
        return name

    for case in [ROLLOVER_PLAIN, *ROLLOVERS_ENCODED, ROLLOVER_TYPED, ROLLOVER_STANDARDS, INSERTED_ROLLOVER]:
        pages.append({"file": case.page, "kind": "rollover", "standards": case.standards, "typed": case.typed,
                      "into": case.into, "pictures": [picture(name) for name in case.pictures]})
    for case in [BUTTON_THREE, BUTTON_OVER, BUTTON_DOWN, BUTTON_STANDARDS, *INSERTED_BUTTONS]:
        pages.append({"file": case.page, "kind": "button", "standards": case.standards, "into": case.into,
                      "pictures": [picture(case.default), picture(case.over), picture(case.down)]})
    for case in [*LINK_EFFECTS, LINKS_TOGETHER, LINKS_SCOPED, *MODERN_LINKS, MODERN_LINKS_SEPARATE]:
        pages.append({"file": case.page, "kind": "linkfx", "effects": case.effects, "modern": case.modern,
                      "standards": case.standards, "separate": case.separate, "scope": case.scope})
    for case in HAND_EDITED:
        pages.append({"file": case.page, "kind": "linkfx", "code": case.code, "modern": case.modern})
    for case in [*MODERN_PICTURES, *INSERTED_MODERN]:
        names = [case.default, case.over] if case.kind == "rollover" else [case.default, case.over, case.down]
        for name in names if case.twice else []:
            picture(twice(name), [2 * side for side in PICTURE_SIZE])
        pages.append({"file": case.page, "kind": case.kind, "modern": True, "standards": case.standards,
                      "alt": case.alt, "link": case.link, "typed": case.typed, "size": case.size, "into": case.into,
                      "pictures": [picture(name, case.size if name == case.default and case.size else PICTURE_SIZE)
                                   for name in names]})
    for way, case in THROUGH:
        # Picked in the order's folder; the page shows the copies of the same colour.
        beside = list(case.pictures) if isinstance(case, Rollover) else [case.default, case.over, case.down]
        picked = [picture(pathlib.PurePosixPath(name).name) for name in beside]
        for name, original in zip(beside, picked):
            colours[name] = colours[original]
        pages.append({"file": case.page, "kind": "rollover" if isinstance(case, Rollover) else "button",
                      "through": way, "pictures": picked})
    return {"pictures": pictures, "pages": pages}, colours


# Pages written from the written ones with one fault put in, for the rows that show a checker
# catches what it is for, and the pages under a policy that allows no script. They are written
# before the validators run, which take every page at once. Each: (variant, page, old, new, count).
VARIANTS = [
    ("fault-mouse-up.html", "button-three.html", "onmouseup=\"document.images['Example'].src=DefaultImage.src",
     "onmouseup=\"document.images['Example'].src=MouseOverImage.src", 1),
    ("fault-bare-ampersand.html", "rollover-ampersand-question.html", '<img src="up%26copy.png"',
     '<img src="up&copy.png"', 1),
    ("fault-bare-lineless.html", "links-lineless.html", "<style><!--a{text-decoration:none}--></style>",
     "a{text-decoration:none}", 1),
    ("fault-no-alt.html", "modern-rollover.html", f' alt="{ALT}"', "", 2),
    ("fault-stray-end-tag.html", "modern-rollover.html", "</a>\r\n", "</a></span>\r\n", 1),
    ("fault-hover-for-touch.html", "modern-rollover.html",
     "@media (hover:hover){a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}}",
     "a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}", 1),
    ("fault-no-focus.html", "modern-rollover.html",
     "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n", "", 1),
    ("fault-no-size.html", "modern-rollover-pasted.html", ' width="32" height="32"', "", 2),
    ("fault-raw-space.html", "modern-rollover-typed.html", 'href="seite%20', 'href="seite ', 1),
    ("fault-inline-link.html", "modern-rollover.html", ".q2-link{display:inline-block;line-height:0}", "", 1),
    ("fault-classic-csp.html", "rollover-plain.html", "<head> \r\n", f"<head> \r\n{CSP_META}\r\n", 1),
    *[(case.page, case.page.replace("-csp", ""), "<head>\r\n", f"<head>\r\n{CSP_META}\r\n", 1)
      for case in CSP_PICTURES + CSP_LINKS],
]


def write_variants(folder):
    for variant, page, old, new, count in VARIANTS:
        text = (folder / page).read_bytes().decode("utf-8")  # with its CR LF
        if text.count(old) != count:
            raise RuntimeError(f"{page} holds {old!r} {text.count(old)} times, not {count}")
        (folder / variant).write_text(text.replace(old, new), encoding="utf-8", newline="")


def start_firefox(folder, scratch):
    """Firefox's run over every modern page and the page with an unenclosed focus ring, in the
    background while Chromium does its checks: each with the steps that Chromium takes on it, in
    the order in which Chromium's checks ask for them."""
    if not pathlib.Path(FIREFOX).exists():
        raise RuntimeError(f"{FIREFOX} is missing")
    pages = [{"page": page, "press": False, "tap": False} for page in ("fault-inline-link.html", AUTHOR)] + [
        {"page": case.page, "press": press, "tap": tap, "link": getattr(case, "at", 0)}
        for cases, press, tap in ((CSP_PICTURES, True, False), (CSP_LINKS, False, False),
                                  ([*MODERN_LINKS, MODERN_LINKS_SEPARATE], False, True), (MODERN_PICTURES, True, True),
                                  (INSERTED, True, True))
        for case in cases]
    plan = pathlib.Path(scratch) / "firefox.json"
    plan.write_text(json.dumps({"firefox": FIREFOX, "folder": str(folder), "guard": CLICK_GUARD,
                                "margin": RING_MARGIN, "pages": pages}), encoding="utf-8")
    return subprocess.Popen(["node", str(FIREFOX_PAGES), str(plan)], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True)


def checkers_missing():
    """What of the checkers is not there."""
    missing = [str(path.relative_to(HERE)) for path in (VNU_JAR, HTML_VALIDATE, AXE_SCRIPT, PUPPETEER)
               if not path.exists()]
    return missing + [program for program in ("java", "node") if shutil.which(program) is None]


@dataclass
class Findings:
    errors: list = field(default_factory=list)
    warnings: list = field(default_factory=list)


def run_validators(folder):
    """The Nu HTML checker and html-validate (recommended preset), each started once over every
    page of the folder: {"nu": {file: Findings}, "html-validate": {file: Findings}}."""
    pages = sorted(folder.glob("*.html"))
    found = {checker: {page.name: Findings() for page in pages} for checker in ("nu", "html-validate")}
    nu = subprocess.run(["java", "-jar", str(VNU_JAR), "--format", "json", "--exit-zero-always",
                         *map(str, pages)], capture_output=True, text=True)
    try:
        messages = json.loads(nu.stderr or nu.stdout)["messages"]
    except (ValueError, KeyError) as error:
        raise RuntimeError(f"the Nu HTML checker gave no report ({error}): {nu.stderr[-500:]}")
    for message in messages:
        file = pathlib.Path(urllib.parse.unquote(urllib.parse.urlsplit(message.get("url", "")).path)).name
        text = f"{message.get('lastLine', '?')}: {message.get('message')}"
        findings = found["nu"].setdefault(file, Findings())
        if message["type"] == "info" and message.get("subType") == "warning":
            findings.warnings.append(text)
        elif message["type"] != "info":  # errors, and files that could not be checked
            findings.errors.append(text)
    # Into a file: Node.js ends before a pipe takes more than 64 KiB of the report.
    report = folder / "html-validate.json"
    checked = subprocess.run([str(HTML_VALIDATE), "--config", str(HTML_VALIDATE_CONFIG), "--formatter",
                              f"json={report}", *map(str, pages)], capture_output=True, text=True)
    try:
        results = json.loads(report.read_text(encoding="utf-8") if report.exists() else "[]")
    except ValueError as error:
        raise RuntimeError(f"html-validate gave no report ({error}): {checked.stderr[-500:]}")
    if checked.returncode not in (0, 1):
        raise RuntimeError(f"html-validate failed: {checked.stderr[-500:]}")
    for result in results:
        findings = found["html-validate"].setdefault(pathlib.Path(result["filePath"]).name, Findings())
        for message in result["messages"]:
            text = f"{message.get('line', '?')}: {message.get('ruleId')}: {message.get('message')}"
            (findings.errors if message["severity"] >= 2 else findings.warnings).append(text)
    return found


class LatePictures:
    """Serves the pages' folder on the loopback address and holds every picture back until let
    through, so that a page can be looked at as it stands before its pictures arrive."""

    def __init__(self, folder):
        self.arrive = threading.Event()
        arrive = self.arrive

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                if urllib.parse.unquote(self.path).lower().endswith(PICTURE_SUFFIXES):
                    arrive.wait(30)
                super().do_GET()

            def end_headers(self):
                self.send_header("Cache-Control", "no-store")
                super().end_headers()

            def log_message(self, *arguments):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.server.daemon_threads = True
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def url(self, page):
        return f"http://127.0.0.1:{self.server.server_address[1]}/{urllib.parse.quote(page)}"

    def close(self):
        self.arrive.set()
        self.server.shutdown()
        self.server.server_close()


def screenshot(png):
    """A screenshot in base64 PNG as an RGB picture."""
    return Image.open(io.BytesIO(base64.b64decode(png))).convert("RGB")


def near(colour, wanted):
    """Whether a colour on the screen is the wanted one, within what JPEG and scaling round."""
    return all(abs(seen - want) <= COLOUR_TOLERANCE for seen, want in zip(colour, wanted))


def start_chromium(profile, late=False):
    """The browser of the checks; with late, one whose commands do not wait for a page to load,
    for looking at pages whose pictures are held back."""
    for program in (CHROMIUM, CHROMEDRIVER):
        if not pathlib.Path(program).exists():
            raise RuntimeError(f"{program} is missing")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    # Headless as root, and quiet: the machine may have no network at all. Headless Chromium
    # reports no pointer that can hover, where a desktop with a mouse has one: the Blink settings
    # give it a mouse, so (hover: hover) holds as on a desktop; touch emulation takes it away.
    for argument in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--disable-extensions", f"--user-data-dir={profile}", "--window-size=800,600",
                     "--force-device-scale-factor=1",
                     "--blink-settings=primaryHoverType=2,availableHoverTypes=2,primaryPointerType=4,"
                     "availablePointerTypes=4"]:
        options.add_argument(argument)
    if late:
        options.page_load_strategy = "none"
    else:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        options.add_experimental_option("perfLoggingPrefs", {"enableNetwork": True, "enablePage": False})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        if late:
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        else:
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLICK_GUARD})
    except BaseException:
        driver.quit()
        raise
    return driver


class PageChecker:
    """Opens pages from one folder in one browser and checks what they show."""

    def __init__(self, driver, folder, colours, late_driver=None, late_pictures=None, validation=None,
                 firefox_run=None):
        self.driver = driver
        self.folder = pathlib.Path(folder)
        self.colours = colours
        self.late_driver = late_driver
        self.late_pictures = late_pictures
        self.validation = validation or {}
        self.axe_source = AXE_SCRIPT.read_text(encoding="utf-8") if AXE_SCRIPT.exists() else None
        self.audits = {}  # page: {step: violations}
        self.axe_seconds = 0.0
        self.firefox_run, self.firefox_states, self.firefox_agrees = firefox_run, {}, set()
        self.states = {}  # page: {step: what Chromium shows, as page_state.js tells it}
        self.at = 0  # the index of the page's link under check

    # --- the page under check

    def open(self, page):
        driver = self.driver
        # Nothing left pressed by an earlier check, the pointer where no page puts anything,
        # and the logs of earlier pages read away.
        ActionChains(driver).reset_actions()
        self.move_away()
        driver.get_log("browser")
        driver.get_log("performance")
        url = (self.folder / page).as_uri()
        driver.get(url)
        if driver.current_url != url:
            raise CheckFailed(f"{page}: the browser shows {driver.current_url}")
        return url

    def finish(self, url):
        """No console error, no failed request and no navigation while the page was used."""
        errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        if errors:
            raise CheckFailed("console errors: " + "; ".join(errors))
        failed, urls = [], {}
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            method, params = message["method"], message["params"]
            if method == "Network.requestWillBeSent":
                urls[params["requestId"]] = params["request"]["url"]
            elif method == "Network.loadingFailed":
                failed.append(f"{urls.get(params['requestId'], 'a request')}: {params['errorText']}")
            elif method == "Network.responseReceived" and params["response"]["status"] >= 400:
                failed.append(f"{params['response']['url']}: {params['response']['status']}")
        if failed:
            raise CheckFailed("failed requests: " + "; ".join(failed))
        if self.driver.current_url != url:
            raise CheckFailed(f"the page navigated to {self.driver.current_url}")

    def script(self, text, *arguments):
        return self.driver.execute_script(text, *arguments)

    # --- pointer input

    def actions(self):
        # Each move in one step: WebDriver's default spreads a move over a quarter of a second.
        return ActionChains(self.driver, duration=0)

    def move_over(self, box):
        """The pointer to the middle of a box [left, top, width, height]."""
        actions = self.actions()
        actions.w3c_actions.pointer_action.move_to_location(int(box[0] + box[2] / 2), int(box[1] + box[3] / 2))
        actions.perform()

    def press(self):
        self.actions().click_and_hold().perform()

    def release(self):
        self.actions().release().perform()

    def move_away(self):
        # The bottom right corner of the window, which no page reaches.
        width, height = self.script("return [window.innerWidth, window.innerHeight]")
        self.move_over([width - 10, height - 10, 10, 10])

    # --- what the page shows

    def file_of(self, url):
        """The picture file a URL of the page names, relative to the folder."""
        path = pathlib.Path(urllib.parse.unquote(urllib.parse.urlsplit(url).path))
        return str(path.relative_to(self.folder)) if path.is_relative_to(self.folder) else str(path)

    def shot(self, x, y, width, height):
        """The screen's rectangle, at whole CSS pixels."""
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "clip": {"x": x, "y": y, "width": width, "height": height, "scale": 1}})
        return screenshot(shot["data"])

    def screen_colour(self, x, y):
        return self.shot(int(x) - 1, int(y) - 1, 3, 3).getpixel((1, 1))

    def state(self):
        """What the page's link shows now, as page_state.js tells it."""
        return self.script(f"return ({PAGE_STATE})(arguments[0])", self.at)

    def kept_as(self, page):
        """The name of the page's link under check, as firefox_pages.mjs names it."""
        return f"{page}#{self.at}" if self.at else page

    def keep(self, page, step, state):
        """What Chromium shows in this step, kept to hold Firefox's against."""
        self.states.setdefault(self.kept_as(page), {})[step] = state
        return state

    @staticmethod
    def expect_ring(step, shot, left, top, box):
        """The focus ring in a screenshot from (left, top) goes round the picture's box: on each
        side, at a quarter, half and three quarters of its length, a pixel within RING_REACH pixels
        outside the box differs from the page around it (the screenshot's corner)."""
        x0, y0 = round(box[0]) - left, round(box[1]) - top
        x1, y1 = round(box[0] + box[2]) - left - 1, round(box[1] + box[3]) - top - 1
        ring = lambda x, y: not near(shot.getpixel((x, y)), shot.getpixel((0, 0)))
        sides = {"top": lambda t, d: (x0 + t * (x1 - x0), y0 - d), "bottom": lambda t, d: (x0 + t * (x1 - x0), y1 + d),
                 "left": lambda t, d: (x0 - d, y0 + t * (y1 - y0)), "right": lambda t, d: (x1 + d, y0 + t * (y1 - y0))}
        open_sides = [side for side, at in sides.items() if not all(
            any(ring(*map(int, at(t, d))) for d in range(1, RING_REACH + 1)) for t in (0.25, 0.5, 0.75))]
        if open_sides:
            raise CheckFailed(f"{step}: the focus ring leaves the picture open at the {', '.join(open_sides)}")

    def expect_chromium_ring(self, state):
        box = state["shown"][0]["box"]
        left, top = int(box[0]) - RING_MARGIN, int(box[1]) - RING_MARGIN
        shot = self.shot(left, top, int(box[2]) + 2 * RING_MARGIN + 1, int(box[3]) + 2 * RING_MARGIN + 1)
        self.expect_ring("focused", shot, left, top, box)

    def firefox(self, page):
        """What Firefox showed of the page, {step: state}, read from its run as far as that page."""
        while page not in self.firefox_states:
            line = self.firefox_run.stdout.readline()
            if not line:
                raise CheckFailed(f"firefox: the run ended before {page}: {self.firefox_run.stderr.read()[-1000:]}")
            self.firefox_states.update(json.loads(line))
        return self.firefox_states[page]

    def expect_firefox_ring(self, page):
        """Firefox rings the focused picture, and the screen shows that picture's colour."""
        left, top, png = self.firefox(page)["focused"]["shot"]
        shot, picture = screenshot(png), self.firefox(page)["focused"]["shown"][0]
        self.expect_ring("firefox, focused", shot, left, top, picture["box"])
        colour, wanted = shot.getpixel((shot.width // 2, shot.height // 2)), self.colours[self.file_of(picture["src"])]
        if not near(colour, wanted):
            raise CheckFailed(f"firefox, focused: the screen shows {colour} at the picture, which is {wanted}")

    def comparable(self, state, step):
        """What of a state both browsers must agree on: the pictures shown (file, loaded, size), the
        link's size where it holds pictures, its computed style, the clicks. Each browser has its own
        colour for a pressed link, which the code leaves alone, and its own font, whose line an
        inline link's box is."""
        style = {key: value for key, value in state["style"].items() if (step, key) != ("pressed", "color")}
        pictures = [(self.file_of(image["src"]), image["loaded"], image["box"][2:]) for image in state["shown"]]
        return {"pictures": pictures,
                "link": state["link"][2:] if state["shown"] and style["display"] != "inline" else None,
                "style": style, "clicks": state["clicks"]}

    def expect_firefox_agrees(self, page):
        """Firefox logs no error, shows in every step Chromium kept what Chromium showed, and rings
        the focused picture where Chromium was focused."""
        page = self.kept_as(page)
        if self.firefox(page)["errors"]:
            raise CheckFailed("firefox, console errors: " + "; ".join(self.firefox(page)["errors"]))
        if "focused" in self.states[page] and self.firefox(page)["focused"]["shown"]:
            self.expect_firefox_ring(page)
        for step, state in self.states[page].items():
            seen, wanted = self.comparable(self.firefox(page)[step], step), self.comparable(state, step)
            if seen != wanted:
                raise CheckFailed(f"firefox, {step}: {seen}, where Chromium has {wanted}")
        self.firefox_agrees.add(page)

    def expect_shown(self, step, picture):
        """The link shows one picture, `picture`, loaded, at the width and height its code gives, and
        the screen shows its colour; returns the page's state. The handlers and rules change the
        picture at once; loading and painting it may take a moment (after a press or a release the
        image can be incomplete for a few milliseconds)."""
        wanted, seen = self.colours[picture], {}

        def shown():
            state = self.state()
            seen["files"] = [self.file_of(image["src"]) for image in state["shown"]]
            if seen["files"] != [picture]:
                raise CheckFailed(f"{step}: the link shows {seen['files']}, expected [{picture!r}]")
            image = state["shown"][0]
            left, top, width, height = image["box"]
            colour = self.screen_colour(left + width / 2, top + height / 2)
            if not image["loaded"]:
                raise CheckFailed(f"{step}: {picture!r} did not load (a broken picture)")
            if image["given"] not in ([width, height], [0, 0]):
                raise CheckFailed(f"{step}: {picture!r} takes {[width, height]}, its code gives {image['given']}")
            if not near(colour, wanted):
                raise CheckFailed(f"{step}: the screen shows {colour} at the picture, {picture!r} is {wanted}")
            return state

        return wait_until(shown, lambda: PAINT_WAIT if seen["files"] == [picture] else STATE_WAIT)

    def expect_preloads(self, preloads):
        """Every script image of the head code holds its picture, loaded."""
        for variable, picture in preloads.items():
            image = self.script("""
                const image = window[arguments[0]];
                return image instanceof HTMLImageElement
                    ? {src: image.src, complete: image.complete, width: image.naturalWidth} : null;""", variable)
            if image is None:
                raise CheckFailed(f"at load: no preloaded image {variable}")
            if self.file_of(image["src"]) != picture or not image["complete"] or image["width"] == 0:
                raise CheckFailed(f"at load: {variable} holds {self.file_of(image['src'])!r}, "
                                  f"loaded {image['complete'] and image['width'] > 0}; expected {picture!r}")

    def expect_mode(self, standards):
        mode = self.script("return document.compatMode")
        if standards and mode != "CSS1Compat":
            raise CheckFailed(f"the page is in {mode}, not in standards mode")

    def expect_clicks(self, step, count):
        clicks = self.script("return window.quillarcClicks || 0")
        if clicks != count:
            raise CheckFailed(f"{step}: {clicks} clicks reached the page, expected {count}")

    # --- the checks of each kind of page

    def check_rollover(self, case):
        url = self.open(case.page)
        first, second = case.pictures
        self.expect_mode(case.standards)
        self.expect_preloads({"Image01": first, "Image02": second})
        self.move_over(self.keep(case.page, "at rest", self.expect_shown("at load", first))["shown"][0]["box"])
        self.keep(case.page, "hovered", self.expect_shown("hovered", second))
        self.move_away()
        self.expect_shown("after leaving", first)
        self.finish(url)

    def check_button(self, case):
        url = self.open(case.page)
        self.expect_mode(case.standards)
        preloads = {"DefaultImage": case.default, "MouseOverImage": case.over, "MouseDownImage": case.down}
        self.expect_preloads({variable + case.renamed: picture for variable, picture in preloads.items() if picture})
        # Each handler is there only when its picture was given; mouse-up and mouse-out show
        # the default picture, so a release over the button shows it too.
        hovered = case.over or case.default
        pressed = case.down or hovered
        released = case.default if case.down else hovered
        self.move_over(self.keep(case.page, "at rest", self.expect_shown("at load", case.default))["shown"][0]["box"])
        self.keep(case.page, "hovered", self.expect_shown("hovered", hovered))
        self.press()
        self.keep(case.page, "pressed", self.expect_shown("pressed", pressed))
        self.release()
        self.expect_shown("released", released)
        self.expect_clicks("released", 1)
        self.move_away()
        self.expect_shown("after leaving", case.default)
        self.finish(url)

    def expect_link_style(self, step, expected):
        # A pressed link keeps the browser's active colour a moment after a tap.
        def styled():
            state = self.state()
            wrong = {key: state["style"][key] for key in expected if state["style"][key] != expected[key]}
            if wrong:
                raise CheckFailed(f"{step}: the link's style has {wrong}, expected "
                                  f"{ {key: expected[key] for key in wrong} }")
            return state

        return wait_until(styled, STATE_WAIT)

    def expect_page_text(self, case):
        """Only the example link shows, and the author's paragraphs where the code was pasted:
        no rule shows as text."""
        wanted = "The code:\n\nExample Link\n\nText after the code." if case.standards else "Example Link"
        text = self.script("return document.body.innerText").strip()
        if text != wanted:
            raise CheckFailed(f"at rest: the page shows {text!r}, expected {wanted!r}")

    def example_link(self, page):
        """What the link effects window's example link shows for the page's final code. (A page
        with a fault put in is no final code of the window's, and has no example link's look.)"""
        return json.loads((self.folder / "looks.json").read_text(encoding="utf-8")).get(page, {})

    def expect_example_link(self, case, expected):
        """The example link reads the same final code; what it shows must be what the browser
        computes for the page's link in each state."""
        shown = self.example_link(case.page)
        for step, style in expected.items():
            if step in shown and shown[step] != style:
                raise CheckFailed(f"{step}: the example link shows {shown[step]}, the browser {style}")

    def check_links(self, case):
        url = self.open(case.page)
        at_rest, hovered = link_styles(case)
        # The classic code has no rule for the keyboard's focus.
        self.expect_example_link(case, {"at rest": at_rest, "hovered": hovered, "focused": at_rest})
        self.expect_page_text(case)
        self.expect_link_style("at rest", at_rest)
        self.move_over(self.state()["link"])
        self.expect_link_style("hovered", hovered)
        self.move_away()
        self.expect_link_style("after leaving", at_rest)
        self.tab_to_link("focused")
        self.expect_link_style("focused", at_rest)
        self.finish(url)

    def check_hand_edited(self, case):
        """The example link's look of a final code edited by hand is Chromium's at rest, hovered and
        focused, where it reads the code; what it does not read, it names."""
        shown = self.example_link(case.page)
        named = shown["not read"]
        if (case.named not in named) if case.named else named:
            raise CheckFailed(f"the example link names {named} as not read, expected [{case.named!r}]")
        url = self.open(case.page)
        if case.no_link:
            if self.script("return document.links.length"):
                raise CheckFailed("the page shows a link")
            return self.finish(url)
        self.expect_link_style("at rest", shown["at rest"])
        self.move_over(self.state()["link"])
        self.expect_link_style("hovered", {**shown["hovered"], **case.browser})
        self.move_away()
        self.tab_to_link("focused")
        self.expect_link_style("focused", shown["focused"])
        self.finish(url)

    # --- the modern code

    def audit(self, step):
        """axe-core's violations of the WCAG 2.0 to 2.2 A and AA rules on the page as it stands.
        WebDriver's scripts are evaluated through DevTools, which the page's Content-Security-Policy
        does not govern, so axe-core runs also where the page may run no script of its own."""
        started = time.monotonic()
        if not self.script("return typeof window.axe === 'object'"):
            self.script(self.axe_source)
        result = self.driver.execute_async_script(AXE_RUN, AXE_TAGS)
        self.axe_seconds += time.monotonic() - started
        if isinstance(result, str):
            raise CheckFailed(f"{step}: axe-core failed: {result}")
        return result

    def expect_no_violations(self, page, step):
        violations = self.audit(step)
        self.audits.setdefault(page, {})[step] = len(violations)
        if violations:
            raise CheckFailed(f"{step}: axe-core finds " + "; ".join(
                f"{v['id']} ({v['impact']}, {v['nodes']} elements)" for v in violations))

    def expect_valid(self, checker, page):
        """The validator's findings for the page, from its one run over every page."""
        findings = self.validation[checker][page]
        if findings.errors or findings.warnings:
            raise CheckFailed(f"{checker}: {len(findings.errors)} errors, {len(findings.warnings)} warnings: "
                              + "; ".join(findings.errors + findings.warnings))

    def link_names(self):
        """The names the accessibility tree gives the page's links, as a screen reader reads them."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return [node.get("name", {}).get("value", "") for node in nodes
                if node.get("role", {}).get("value") == "link" and not node.get("ignored")]

    def expect_link_name(self, step, name):
        """The link under check is named `name`, every other link by its text."""
        names = sorted(self.link_names())
        wanted = sorted(self.script("return [...document.links].filter((link, at) => at !== arguments[0])"
                                    ".map(link => link.textContent.trim())", self.at) + [name])
        if names != wanted:
            raise CheckFailed(f"{step}: the links are named {names}, expected {wanted}")

    def expect_code_attributes(self, case):
        """Every picture names the typed alt text, and the link leads where the typed link does (a
        link box still holding only its opening text leads to the page's own top)."""
        alts, href, typed = self.script("""
            const link = document.links[arguments[1]];
            let typed;
            try { typed = new URL(arguments[0], document.baseURI).href; } catch (error) { typed = arguments[0]; }
            return [[...link.querySelectorAll('img')].map(image => image.getAttribute('alt')), link.href, typed];""",
                                        "#" if case.link in ("http://", "https://") else case.link, self.at)
        count = 1 + bool(case.over) + (bool(case.down) if case.kind == "button" else 0)
        if alts != [case.alt] * count:
            raise CheckFailed(f"at load: the pictures' alt texts are {alts}, expected {count} times {case.alt!r}")
        if href != typed:
            raise CheckFailed(f"at load: the link leads to {href}, the typed link to {typed}")

    def tab_to_link(self, step):
        self.actions().send_keys(Keys.TAB * (self.at + 1)).perform()
        focused = self.script("const link = document.links[arguments[0]];"
                              "return [document.activeElement === link, link.matches(':focus-visible')]", self.at)
        if focused != [True, True]:
            raise CheckFailed(f"{step}: Tab gave the link focus {focused[0]}, visible focus {focused[1]}")

    @contextlib.contextmanager
    def touch_screen(self):
        """A touch screen and no mouse: touch input, and (hover: none) and (pointer: coarse)."""
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
        try:
            yield
        finally:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def tap(self, step, box):
        """A finger down and up in the middle of a box, which the browser turns into a tap and a
        click."""
        x, y = box[0] + box[2] / 2, box[1] + box[3] / 2
        if self.script("return matchMedia('(hover: hover)').matches || !matchMedia('(pointer: coarse)').matches"):
            raise CheckFailed(f"{step}: the touch screen still reports a pointer that hovers")
        clicks = self.script("return window.quillarcClicks || 0")
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        wait_until(lambda: self.expect_clicks(step, clicks + 1), STATE_WAIT)

    def check_modern(self, case, touch=True):
        """A modern page, all on one load: its code's texts, the audit at rest, focused and hovered,
        and every state of its link by keyboard, mouse and touch, each as Firefox shows it too. A
        rollover or button shows its pictures in turn, ringed when focused, and its link keeps the
        pictures' accessible name; link effects change the link's style."""
        pictures = isinstance(case, Pictures)
        if pictures:
            shown = {"rest": case.default, "active": case.hovered, "pressed": case.pressed}

            def look(step, which):
                return self.expect_shown(step, shown[which])
        else:
            at_rest, styled = link_styles(case)
            self.expect_example_link(case, {"at rest": at_rest, "hovered": styled, "focused": styled})
            styles = {"rest": at_rest, "active": styled}

            def look(step, which):
                return self.expect_link_style(step, styles[which])

        def audited(step, which):
            state = self.keep(case.page, step, look(step, which))
            if pictures:
                self.expect_link_name(step, case.alt)
            self.expect_no_violations(case.page, step)
            return state

        url = self.open(case.page)
        self.expect_mode(True)
        if pictures:
            self.expect_code_attributes(case)
        else:
            self.expect_page_text(case)
        rest = audited("at rest", "rest")
        self.tab_to_link("focused")
        focused = audited("focused", "active")
        if pictures:
            self.expect_chromium_ring(focused)
        self.script("document.activeElement.blur()")
        self.move_over(look("after the focus left", "rest")["link"])
        audited("hovered", "active")
        if pictures:
            self.press()
            self.keep(case.page, "pressed", look("pressed", "pressed"))
            self.release()
            # Still over the link: the hover state again, as a button in a browser does.
            look("released", "active")
            self.expect_clicks("released", 1)
        self.move_away()
        look("after leaving", "rest")
        self.finish(url)
        if touch:
            # A load of its own: a touch screen has no mouse whose place the browser would
            # take the hover from.
            with self.touch_screen():
                url = self.open(case.page)
                self.tap("after a tap", self.state()["link"])
                state = look("after a tap", "rest")
                if pictures:
                    state = self.expect_link_style("after a tap", rest["style"])  # no longer active either
                self.keep(case.page, "after a tap", state)
                self.finish(url)
        self.expect_firefox_agrees(case.page)

    def check_late_pictures(self, case):
        """The pictures take their final place before they arrive, so nothing moves as they load:
        the page is served from the loopback address with every picture held back, its picture
        boxes and the text after the code are measured, the pictures are let through, and after
        they have loaded the same is measured again and the browser's layout-shift entries are
        read (buffered, so every shift since the page began counts)."""
        driver, pictures = self.late_driver, self.late_pictures
        measure = """
            const shown = [...document.querySelectorAll('a img')].filter(i => getComputedStyle(i).display !== 'none');
            const after = document.getElementById('after');
            return {boxes: shown.map(i => { const b = i.getBoundingClientRect(); return [b.width, b.height]; }),
                    given: shown.map(i => [Number(i.getAttribute('width')), Number(i.getAttribute('height'))]),
                    loaded: shown.map(i => i.complete && i.naturalWidth > 0),
                    after: after ? after.getBoundingClientRect().top : null};"""
        url = pictures.url(case.page)

        def page_loaded():
            if driver.execute_script("return location.href !== arguments[0] || document.readyState === 'loading'",
                                     url):
                raise CheckFailed(f"before the pictures: {case.page} did not load")

        def pictures_loaded():
            now = driver.execute_script(measure)
            if not all(now["loaded"]):
                raise CheckFailed("after the pictures: they did not load")
            return now

        pictures.arrive.clear()
        try:
            driver.get(url)
            wait_until(page_loaded, PAINT_WAIT)
            before = driver.execute_script(measure)
        finally:
            pictures.arrive.set()
        if not before["boxes"] or any(before["loaded"]):
            raise CheckFailed(f"before the pictures: {len(before['boxes'])} pictures shown, loaded {before['loaded']}")
        now = wait_until(pictures_loaded, PAINT_WAIT)
        shift = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            let total = 0;
            new PerformanceObserver(list => {
                for (const entry of list.getEntries()) if (!entry.hadRecentInput) total += entry.value;
            }).observe({type: 'layout-shift', buffered: true});
            setTimeout(() => done(total), 200);""")
        if now["boxes"] != before["boxes"] or now["after"] != before["after"]:
            raise CheckFailed(f"after the pictures: the boxes went from {before['boxes']} to {now['boxes']}, "
                              f"the text after the code from {before['after']} to {now['after']}")
        if shift:
            raise CheckFailed(f"after the pictures: the layout shifted by {shift:.4f}")
        if before["boxes"] != before["given"]:
            raise CheckFailed(f"before the pictures: the picture boxes are {before['boxes']}, "
                              f"their code gives {before['given']}")

    def expect_author_page(self, case):
        """Around the inserted code the page is the author's page before the insert, in both browsers:
        every element with its attributes and colour, every text, what its style and script make."""
        self.open(AUTHOR)
        for browser, before, after in (
                ("chromium", self.script(f"return ({PAGE_STATE})()"), self.states[self.kept_as(case.page)]["at rest"]),
                ("firefox", self.firefox(AUTHOR)["at rest"], self.firefox(self.kept_as(case.page))["at rest"])):
            lacks = [line for line in dict.fromkeys(before["rest"] + AUTHOR_OWN) if line not in after["rest"]]
            if after["rest"] != before["rest"] or lacks:
                raise CheckFailed(f"{browser}: around the code the page lacks {lacks} and has "
                                  f"{[line for line in after['rest'] if line not in before['rest']]}")

    @contextlib.contextmanager
    def screen(self, width, ratio):
        """A screen of this width in CSS pixels and this device pixel ratio."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": 600, "deviceScaleFactor": ratio, "mobile": False})
        try:
            yield
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def expect_density(self, case):
        """Every picture loads its sibling of twice the density on a screen of that density, and its
        own file on others, at the width and height its code gives."""
        for ratio in (2, 1):
            with self.screen(800, ratio):
                self.open(case.page)
                shown = self.script("return [...document.images].map(image => [image.currentSrc, image.complete, "
                                    "image.width === Number(image.getAttribute('width'))])")
            files = [(self.file_of(src), loaded, sized) for src, loaded, sized in shown]
            names = [name for name in (case.down, case.over, case.default) if name]
            wanted = [(twice(name) if ratio == 2 else name, True, True) for name in names]
            if files != wanted:
                raise CheckFailed(f"device pixel ratio {ratio}: the pictures show {files}, expected {wanted}")

    def expect_narrow_fit(self, case):
        """On a screen 320 pixels wide the page does not scroll sideways, and the picture keeps its
        proportions."""
        with self.screen(320, 1):
            self.open(case.page)
            page, screen, (width, height) = self.script(
                "const box = document.images[0].getBoundingClientRect();"
                "return [document.documentElement.scrollWidth, innerWidth, [box.width, box.height]]")
        if page > screen or abs(width * case.size[1] - height * case.size[0]) > case.size[0]:
            raise CheckFailed(f"320 pixels wide: the page is {page} wide, the picture {width} by {height}")


class PageChecks(unittest.TestCase):
    checker = None  # a PageChecker, set before the run

    def test_rollover_with_plain_names(self):
        self.checker.check_rollover(ROLLOVER_PLAIN)

    def test_rollover_with_picked_names_that_need_encoding(self):
        for case in ROLLOVERS_ENCODED:
            with self.subTest(case.title):
                self.checker.check_rollover(case)

    def test_rollover_with_typed_names_holding_a_hash(self):
        self.checker.check_rollover(ROLLOVER_TYPED)

    def test_rollover_pasted_into_a_standards_mode_page(self):
        self.checker.check_rollover(ROLLOVER_STANDARDS)

    def test_button_with_three_pictures(self):
        self.checker.check_button(BUTTON_THREE)

    def test_button_with_only_an_over_picture(self):
        self.checker.check_button(BUTTON_OVER)

    def test_button_with_only_a_down_picture(self):
        self.checker.check_button(BUTTON_DOWN)

    def test_button_pasted_into_a_standards_mode_page(self):
        self.checker.check_button(BUTTON_STANDARDS)

    def test_code_inserted_into_an_authors_page(self):
        checker = self.checker
        self.addCleanup(setattr, checker, "at", 0)
        for case in INSERTED:
            with self.subTest(case.title):
                checker.at = case.at
                if isinstance(case, Pictures):
                    checker.check_modern(case)
                else:
                    (checker.check_rollover if isinstance(case, Rollover) else checker.check_button)(case)
                    checker.expect_firefox_agrees(case.page)
                checker.expect_author_page(case)

    def test_pages_that_find_the_copies_of_their_pictures(self):
        for _, case in THROUGH:
            with self.subTest(f"{case.page}: {case.title}"):
                (self.checker.check_rollover if isinstance(case, Rollover) else self.checker.check_button)(case)

    def test_each_link_effect(self):
        for case in LINK_EFFECTS:
            with self.subTest(case.title):
                self.checker.check_links(case)

    def test_link_effects_together(self):
        self.checker.check_links(LINKS_TOGETHER)

    def test_link_effects_for_the_links_of_a_part(self):
        self.checker.check_links(LINKS_SCOPED)

    def test_the_example_link_reads_hand_edited_code_as_chromium_does(self):
        for case in HAND_EDITED:
            with self.subTest(case.title):
                self.checker.check_hand_edited(case)

    # The checks catch what they are for: each page below is a written page with one fault put in.

    def test_a_button_whose_mouse_up_shows_the_over_picture_fails(self):
        with self.assertRaisesRegex(CheckFailed, r"^released: the link shows \['b-over\.jpg'\]"):
            self.checker.check_button(replace(BUTTON_THREE, page="fault-mouse-up.html"))

    def test_a_picked_name_with_a_bare_ampersand_fails(self):
        with self.assertRaisesRegex(CheckFailed, r"^at load: the link shows \['up©\.png'\]"):
            self.checker.check_rollover(replace(ROLLOVERS_ENCODED[2], page="fault-bare-ampersand.html"))

    def test_a_lineless_rule_outside_a_style_element_fails(self):
        with self.assertRaisesRegex(CheckFailed, r"^at rest: the page shows 'a\{text-decoration:none\}"):
            self.checker.check_links(replace(LINK_EFFECTS[-1], page="fault-bare-lineless.html"))


class ModernCodeChecks(unittest.TestCase):
    checker = None  # a PageChecker, set before the run

    def test_modern_outputs_pass_both_validators(self):
        for case in [*MODERN_PICTURES, *MODERN_LINKS, *CSP_PICTURES, *CSP_LINKS, *INSERTED_MODERN]:
            for checker in ("nu", "html-validate"):
                with self.subTest(f"{case.title}, {checker}"):
                    self.checker.expect_valid(checker, case.page)

    def test_modern_rollovers_and_buttons(self):
        for case in MODERN_PICTURES:
            with self.subTest(case.title):
                self.checker.check_modern(case)

    def test_modern_pictures_take_their_place_before_they_load(self):
        for case in MODERN_PICTURES:
            with self.subTest(case.title):
                self.checker.check_late_pictures(case)

    def test_modern_link_effects(self):
        for case in MODERN_LINKS:
            with self.subTest(case.title):
                self.checker.check_modern(case)

    def test_the_modern_code_in_one_style_element_looks_as_the_separate_snippets(self):
        # Both held to the same look at rest, hovered, focused and after a tap.
        for case in (MODERN_LINKS_SAVED[-1], MODERN_LINKS_SEPARATE):
            with self.subTest(case.title):
                self.checker.check_modern(case)

    def test_modern_code_works_where_no_script_may_run(self):
        for case in CSP_PICTURES + CSP_LINKS:
            with self.subTest(case.title):
                self.checker.check_modern(case, touch=False)

    def test_pictures_of_twice_the_density_on_such_screens(self):
        self.checker.expect_density(MODERN_OTHERS[2])

    def test_a_wide_picture_fits_a_phone_screen(self):
        self.checker.expect_narrow_fit(MODERN_OTHERS[3])

    # The checkers catch what they are for: each page below is a written page with one fault put in.

    def test_a_raw_space_in_a_link_fails_nu(self):
        with self.assertRaisesRegex(CheckFailed, r"^nu: [1-9]\d* errors.*Space is not allowed"):
            self.checker.expect_valid("nu", "fault-raw-space.html")

    def test_a_focus_ring_that_leaves_the_picture_open_fails(self):
        case = replace(MODERN_ROLLOVERS[0], page="fault-inline-link.html")
        with self.assertRaisesRegex(CheckFailed, r"^focused: the focus ring leaves the picture open at the bottom"):
            self.checker.check_modern(case, touch=False)
        with self.assertRaisesRegex(CheckFailed, r"^firefox, focused: the focus ring leaves the picture open at "
                                                 r"the top"):
            self.checker.expect_firefox_ring(case.page)

    def test_a_picture_without_alt_text_fails_the_audit(self):
        self.checker.open("fault-no-alt.html")
        with self.assertRaisesRegex(CheckFailed, r"^at rest: axe-core finds .*image-alt"):
            self.checker.expect_no_violations("fault-no-alt.html", "at rest")

    def test_a_stray_end_tag_fails_both_validators(self):
        for checker, message in (("nu", "Stray end tag"), ("html-validate", "close-order")):
            with self.subTest(checker):
                with self.assertRaisesRegex(CheckFailed, rf"^{checker}: [1-9]\d* errors.*{message}"):
                    self.checker.expect_valid(checker, "fault-stray-end-tag.html")

    def test_a_hover_rule_for_every_device_sticks_after_a_tap(self):
        case = replace(MODERN_ROLLOVERS[0], page="fault-hover-for-touch.html")
        with self.assertRaisesRegex(CheckFailed, r"^after a tap: the link shows \['m-over\.jpg'\]"):
            self.checker.check_modern(case)

    def test_a_rollover_without_a_focus_rule_fails_the_keyboard(self):
        case = replace(MODERN_ROLLOVERS[0], page="fault-no-focus.html")
        with self.assertRaisesRegex(CheckFailed, r"^focused: the link shows \['m-up\.gif'\]"):
            self.checker.check_modern(case, touch=False)

    def test_pictures_without_a_size_shift_the_text(self):
        case = replace(pasted(MODERN_ROLLOVERS[0]), page="fault-no-size.html")
        with self.assertRaisesRegex(CheckFailed, r"^after the pictures: the boxes went from \[\[0, 0\]\] to "
                                                 r"\[\[48, 48\]\], the text after the code from"):
            self.checker.check_late_pictures(case)

    def test_the_classic_rollover_does_nothing_where_no_script_may_run(self):
        case = replace(ROLLOVER_PLAIN, page="fault-classic-csp.html")
        # The head script is blocked: the policy is in force.
        with self.assertRaisesRegex(CheckFailed, r"^at load: no preloaded image Image01"):
            self.checker.check_rollover(case)


def print_figures(checker, folder):
    """The checkers' figures for the modern and the classic outputs, and the sizes of both codes."""
    validation = checker.validation

    def counts(checker_name, page):
        findings = validation[checker_name].get(page, Findings())
        return f"{len(findings.errors)}/{len(findings.warnings)}"

    lines = ["", "Figures of the modern outputs (validators: errors/warnings; axe-core: violations; Firefox: shows "
                 "what Chromium shows, focus ring included)",
             f"{'output':72} {'html-validate':>13} {'Nu':>5} {'axe rest/hover/focus':>21} {'Firefox':>8}"]
    for case in [*MODERN_PICTURES, *MODERN_LINKS, *CSP_PICTURES, *CSP_LINKS]:
        audits = checker.audits.get(case.page, {})
        axe = "/".join(str(audits.get(step, "-")) for step in ("at rest", "hovered", "focused"))
        firefox = "same" if case.page in checker.firefox_agrees else "-"
        lines.append(f"{case.page + ' (' + case.title + ')':72.72} {counts('html-validate', case.page):>13} "
                     f"{counts('nu', case.page):>5} {axe:>21} {firefox:>8}")

    lines += ["", "Figures of the classic outputs, printed only (validators: errors/warnings; axe-core at rest)",
              f"{'output':72} {'html-validate':>13} {'Nu':>5} {'axe at rest':>21}"]
    for case in [ROLLOVER_PLAIN, ROLLOVER_STANDARDS, BUTTON_THREE, BUTTON_STANDARDS, *LINK_EFFECTS, LINKS_TOGETHER]:
        try:
            checker.open(case.page)
            axe = str(len(checker.audit("at rest")))
        except (CheckFailed, WebDriverException) as error:
            axe = f"not run ({str(error).splitlines()[0][:40]})"
        lines.append(f"{case.page + ' (' + case.title + ')':72.72} {counts('html-validate', case.page):>13} "
                     f"{counts('nu', case.page):>5} {axe:>21}")

    sizes = json.loads((folder / "codes.json").read_text(encoding="utf-8"))
    lines += ["", "Bytes of the code for the same boxes (head + body; link effects: the final code)",
              f"{'output':72} {'classic':>8} {'modern':>8}"]
    for case in [*MODERN_PICTURES[::2], *MODERN_LINKS[::2], MODERN_LINKS_SEPARATE]:
        size = sizes[case.page]
        lines.append(f"{case.page + ' (' + case.title + ')':72.72} {sum(size['classic']):>8} {sum(size['modern']):>8}")
    print("\n".join(lines), file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--writer", required=True, help="the write_pages program")
    parser.add_argument("--keep", help="write the pages into this folder and keep them")
    arguments, rest = parser.parse_known_args()

    missing = checkers_missing()
    if missing:
        sys.exit(f"browser checks: the page checkers are not installed ({', '.join(missing)} missing); "
                 f"{CHECKERS}")

    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="quillarc-browser-") as scratch, contextlib.ExitStack() as cleanup:
        folder = pathlib.Path(arguments.keep or scratch).resolve()
        folder.mkdir(parents=True, exist_ok=True)
        wanted, colours = order()
        order_file = pathlib.Path(scratch) / "order.json"
        order_file.write_text(json.dumps(wanted), encoding="utf-8")
        written = subprocess.run([arguments.writer, str(order_file), str(folder)], capture_output=True, text=True)
        if written.returncode != 0:
            sys.exit(f"browser checks: write_pages failed: {written.stderr.strip()}")
        write_variants(folder)
        validating = time.monotonic()
        try:
            validation = run_validators(folder)
        except (OSError, RuntimeError) as error:
            sys.exit(f"browser checks: the validators could not run: {error}")
        validated = time.monotonic()
        try:
            firefox_run = start_firefox(folder, scratch)
        except (OSError, RuntimeError) as error:
            sys.exit(f"browser checks: Firefox could not be started: {error}\nThey need {PACKAGES}.")
        # However the checks end, Firefox ends with them (when it has not already).
        cleanup.callback(firefox_run.wait)
        cleanup.callback(firefox_run.kill)

        drivers = []
        try:
            drivers.append(start_chromium(pathlib.Path(scratch) / "profile"))
            drivers.append(start_chromium(pathlib.Path(scratch) / "profile-late", late=True))
        except (WebDriverException, OSError, RuntimeError) as error:
            for driver in drivers:
                driver.quit()
            reason = error.msg if isinstance(error, WebDriverException) else str(error)
            sys.exit(f"browser checks: Chromium could not be started: {reason.strip()}\n"
                     f"They need {PACKAGES}.")
        browser_up = time.monotonic()
        late_pictures = LatePictures(folder)
        try:
            checker = PageChecker(drivers[0], folder, colours, drivers[1], late_pictures, validation, firefox_run)
            PageChecks.checker = ModernCodeChecks.checker = checker
            program = unittest.main(argv=[sys.argv[0], *rest], exit=False, verbosity=2)
            print_figures(checker, folder)
        finally:
            late_pictures.close()
            for driver in drivers:
                driver.quit()

    print(f"browser checks: {time.monotonic() - started:.1f} s in all; {validated - validating:.1f} s of them "
          f"in the two validators, {checker.axe_seconds:.1f} s in axe-core, "
          f"{browser_up - validated:.1f} s starting Chromium", file=sys.stderr)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
