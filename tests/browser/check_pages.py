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
"""

import argparse
import base64
import json
import pathlib
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse
import zlib
from dataclasses import dataclass, field

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
PACKAGES = "chromium, chromium-driver and python3-selenium (scripts/setup installs them)"

try:
    from selenium import webdriver
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
except ImportError as error:
    sys.exit(f"browser checks: cannot import selenium ({error}); they need {PACKAGES}")

# Colours of the pictures, far enough apart that no JPEG rounding turns one into another.
PALETTE = [(220, 30, 30), (30, 50, 220), (40, 180, 40), (230, 210, 30),
           (200, 40, 200), (40, 200, 210), (240, 130, 20), (100, 30, 140)]
PICTURE_SIZE = (48, 48)
COLOUR_TOLERANCE = 40
# How long the screen may take to show a picture that the page already holds.
PAINT_WAIT = 5.0

# A link click would leave the page for "http://"; the browser cancels every click before
# the link sees it and counts it, so the page itself stays as it was written.
CLICK_GUARD = """
document.addEventListener('click', function (event) {
    window.quillarcClicks = (window.quillarcClicks || 0) + 1;
    event.preventDefault();
}, true);
"""


class CheckFailed(AssertionError):
    """A page does not do what its code says."""


@dataclass
class Rollover:
    page: str
    title: str
    pictures: tuple  # picture 1, picture 2
    standards: bool = False


@dataclass
class Button:
    page: str
    title: str
    default: str
    over: str = ""
    down: str = ""
    standards: bool = False


@dataclass
class Links:
    page: str
    title: str
    effects: list = field(default_factory=list)  # (effect, value) in the order of adding


ROLLOVER_PLAIN = Rollover("rollover-plain.html", "plain names", ("up.gif", "over.jpg"))
ROLLOVERS_ENCODED = [
    Rollover("rollover-blank-quote.html", "a blank and quotes", ("my up.bmp", 'say "hi".png')),
    Rollover("rollover-hash-percent.html", "# and %", ("up#1.gif", "100%.jpg")),
    Rollover("rollover-ampersand-question.html", "& and ?", ("up&copy.png", "over?.bmp")),
    Rollover("rollover-non-ascii.html", "non-ASCII letters", ("grün.jpg", "кнопка.gif")),
]
ROLLOVER_STANDARDS = Rollover("rollover-standards.html", "standards mode", ("s-up.png", "s-over.gif"), True)

BUTTON_THREE = Button("button-three.html", "three pictures", "b-default.gif", "b-over.jpg", "b down&up.bmp")
BUTTON_OVER = Button("button-over.html", "only an over picture", "o-default.bmp", over="o-over.png")
BUTTON_DOWN = Button("button-down.html", "only a down picture", "d-default.jpg", down="d-down.gif")
BUTTON_STANDARDS = Button("button-standards.html", "standards mode", "s-default.png", "s-over.bmp", "s-down.jpg",
                          True)

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

# A link's computed style with no effect, and what each effect changes while it is hovered.
LINK_AT_REST = {"font-size": "16px", "color": "rgb(0, 0, 238)", "background-color": "rgba(0, 0, 0, 0)",
                "text-transform": "none", "text-decoration-line": "underline"}
HOVER_STYLE = {"FontSize": {"font-size": "20px"}, "ForeColor": {"color": "rgb(255, 0, 0)"},
               "BackColor": {"background-color": "rgb(0, 255, 0)"}, "Uppercase": {"text-transform": "uppercase"},
               "Lowercase": {"text-transform": "lowercase"}, "Lineless": {"text-decoration-line": "none"}}
LINK_TEXT = "Example Link"


def order():
    """What write_pages is to write, with a colour for every picture."""
    pictures, pages, colours = [], [], {}

    def picture(name):
        if name and name not in colours:
            colours[name] = PALETTE[len(colours) % len(PALETTE)]
            pictures.append({"file": name, "colour": colours[name], "size": PICTURE_SIZE})
        return name

    for case in [ROLLOVER_PLAIN, *ROLLOVERS_ENCODED, ROLLOVER_STANDARDS]:
        pages.append({"file": case.page, "kind": "rollover", "standards": case.standards,
                      "pictures": [picture(name) for name in case.pictures]})
    for case in [BUTTON_THREE, BUTTON_OVER, BUTTON_DOWN, BUTTON_STANDARDS]:
        pages.append({"file": case.page, "kind": "button", "standards": case.standards,
                      "pictures": [picture(case.default), picture(case.over), picture(case.down)]})
    for case in [*LINK_EFFECTS, LINKS_TOGETHER]:
        pages.append({"file": case.page, "kind": "linkfx", "effects": case.effects})
    return {"pictures": pictures, "pages": pages}, colours


def decode_png(data):
    """The rows of RGB pixels of an 8-bit, non-interlaced RGB or RGBA PNG (what Chromium writes)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"PNG of depth {depth}, colour type {colour_type}, interlace {interlace}")
    step = 3 if colour_type == 2 else 4
    raw, stride = zlib.decompress(idat), width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b = previous[i]
            c = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append([tuple(line[x * step:x * step + 3]) for x in range(width)])
        previous = line
    return rows


def start_chromium(profile):
    for program in (CHROMIUM, CHROMEDRIVER):
        if not pathlib.Path(program).exists():
            raise RuntimeError(f"{program} is missing")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    # Headless as root, and quiet: the machine may have no network at all.
    for argument in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--disable-extensions", f"--user-data-dir={profile}", "--window-size=800,600",
                     "--force-device-scale-factor=1"]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    options.add_experimental_option("perfLoggingPrefs", {"enableNetwork": True, "enablePage": False})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLICK_GUARD})
    except BaseException:
        driver.quit()
        raise
    return driver


class PageChecker:
    """Opens pages from one folder in one browser and checks what they show."""

    def __init__(self, driver, folder, colours):
        self.driver = driver
        self.folder = pathlib.Path(folder)
        self.colours = colours

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

    def move_over(self, element):
        ActionChains(self.driver).move_to_element(element).perform()

    def press(self):
        ActionChains(self.driver).click_and_hold().perform()

    def release(self):
        ActionChains(self.driver).release().perform()

    def move_away(self):
        # The bottom right corner of the window, which no page reaches.
        width, height = self.script("return [window.innerWidth, window.innerHeight]")
        actions = ActionChains(self.driver)
        actions.w3c_actions.pointer_action.move_to_location(width - 5, height - 5)
        actions.perform()

    # --- what the page shows

    def file_of(self, url):
        """The picture file a URL of the page names, relative to the folder."""
        path = pathlib.Path(urllib.parse.unquote(urllib.parse.urlsplit(url).path))
        return str(path.relative_to(self.folder)) if path.is_relative_to(self.folder) else str(path)

    def screen_colour(self, x, y):
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "clip": {"x": int(x) - 1, "y": int(y) - 1, "width": 3, "height": 3, "scale": 1}})
        return decode_png(base64.b64decode(shot["data"]))[1][1]

    def image_state(self, name):
        return self.script("""
            const image = document.images[arguments[0]];
            if (!image) return null;
            const box = image.getBoundingClientRect();
            return {src: image.src, loaded: image.complete && image.naturalWidth > 0,
                    x: box.left + box.width / 2, y: box.top + box.height / 2};""", name)

    def expect_picture(self, step, name, picture):
        """The page image `name` holds `picture`, loaded, and the screen shows its colour."""
        image = self.image_state(name)
        if image is None:
            raise CheckFailed(f"{step}: no image named {name} on the page")
        # The handlers set the source at once; loading and painting it may take a moment
        # (after a press or a release the image can be incomplete for a few milliseconds).
        shown = self.file_of(image["src"])
        if shown != picture:
            raise CheckFailed(f"{step}: the image holds {shown!r}, expected {picture!r}")
        wanted = self.colours[picture]
        deadline = time.monotonic() + PAINT_WAIT
        while True:
            colour = self.screen_colour(image["x"], image["y"])
            if image["loaded"] and all(abs(seen - want) <= COLOUR_TOLERANCE for seen, want in zip(colour, wanted)):
                return
            if time.monotonic() > deadline:
                if not image["loaded"]:
                    raise CheckFailed(f"{step}: {picture!r} did not load (a broken picture)")
                raise CheckFailed(f"{step}: the screen shows {colour} at the image, {picture!r} is {wanted}")
            time.sleep(0.05)
            image = self.image_state(name)

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
        image = self.script("return document.images['Example']")
        self.expect_picture("at load", "Example", first)
        self.move_over(image)
        self.expect_picture("hovered", "Example", second)
        self.move_away()
        self.expect_picture("after leaving", "Example", first)
        self.finish(url)

    def check_button(self, case):
        url = self.open(case.page)
        self.expect_mode(case.standards)
        preloads = {"DefaultImage": case.default, "MouseOverImage": case.over, "MouseDownImage": case.down}
        self.expect_preloads({variable: picture for variable, picture in preloads.items() if picture})
        # Each handler is there only when its picture was given; mouse-up and mouse-out show
        # the default picture, so a release over the button shows it too.
        hovered = case.over or case.default
        pressed = case.down or hovered
        released = case.default if case.down else hovered
        image = self.script("return document.images['Example']")
        self.expect_picture("at load", "Example", case.default)
        self.move_over(image)
        self.expect_picture("hovered", "Example", hovered)
        self.press()
        self.expect_picture("pressed", "Example", pressed)
        self.release()
        self.expect_picture("released", "Example", released)
        self.expect_clicks("released", 1)
        self.move_away()
        self.expect_picture("after leaving", "Example", case.default)
        self.finish(url)

    def link_state(self):
        return self.script("""
            const style = getComputedStyle(document.links[0]);
            const state = {};
            for (const property of arguments[0]) state[property] = style.getPropertyValue(property);
            return state;""", list(LINK_AT_REST))

    def expect_link_style(self, step, expected):
        state = self.link_state()
        wrong = {key: value for key, value in state.items() if value != expected[key]}
        if wrong:
            raise CheckFailed(f"{step}: the link's style has {wrong}, expected "
                              f"{ {key: expected[key] for key in wrong} }")

    def check_links(self, case):
        url = self.open(case.page)
        at_rest, hovered = dict(LINK_AT_REST), dict(LINK_AT_REST)
        for effect, _ in case.effects:
            hovered.update(HOVER_STYLE[effect])
            if effect == "Lineless":  # a rule for every link, not only the hovered one
                at_rest.update(HOVER_STYLE[effect])
        text = self.script("return document.body.innerText").strip()
        if text != LINK_TEXT:
            raise CheckFailed(f"at rest: the page shows {text!r}, expected only {LINK_TEXT!r}")
        self.expect_link_style("at rest", at_rest)
        self.move_over(self.script("return document.links[0]"))
        self.expect_link_style("hovered", hovered)
        self.move_away()
        self.expect_link_style("after leaving", at_rest)
        self.finish(url)

    def write_variant(self, page, variant, old, new):
        """A copy of a written page with one text replaced, to show that a check can fail."""
        text = (self.folder / page).read_text(encoding="utf-8")
        if text.count(old) != 1:
            raise AssertionError(f"{page} holds {old!r} {text.count(old)} times, not once")
        (self.folder / variant).write_text(text.replace(old, new), encoding="utf-8", newline="")
        return variant


class PageChecks(unittest.TestCase):
    checker = None  # a PageChecker, set before the run

    def test_rollover_with_plain_names(self):
        self.checker.check_rollover(ROLLOVER_PLAIN)

    def test_rollover_with_picked_names_that_need_encoding(self):
        for case in ROLLOVERS_ENCODED:
            with self.subTest(case.title):
                self.checker.check_rollover(case)

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

    def test_each_link_effect(self):
        for case in LINK_EFFECTS:
            with self.subTest(case.title):
                self.checker.check_links(case)

    def test_link_effects_together(self):
        self.checker.check_links(LINKS_TOGETHER)

    # The checks catch what they are for: each page below is a written page with one fault put in.

    def test_a_button_whose_mouse_up_shows_the_over_picture_fails(self):
        page = self.checker.write_variant(BUTTON_THREE.page, "broken-button.html",
                                          "onmouseup=\"document.images['Example'].src=DefaultImage.src",
                                          "onmouseup=\"document.images['Example'].src=MouseOverImage.src")
        with self.assertRaisesRegex(CheckFailed, r"^released: the image holds 'b-over\.jpg'"):
            self.checker.check_button(Button(page, "broken", BUTTON_THREE.default, BUTTON_THREE.over,
                                             BUTTON_THREE.down))

    def test_a_picked_name_with_a_bare_ampersand_fails(self):
        case = ROLLOVERS_ENCODED[2]
        page = self.checker.write_variant(case.page, "bare-ampersand.html",
                                          '<img src="up%26copy.png"', '<img src="up&copy.png"')
        with self.assertRaisesRegex(CheckFailed, r"^at load: the image holds 'up©\.png'"):
            self.checker.check_rollover(Rollover(page, "bare ampersand", case.pictures))

    def test_a_lineless_rule_outside_a_style_element_fails(self):
        case = LINK_EFFECTS[-1]
        page = self.checker.write_variant(case.page, "bare-lineless.html",
                                          "<style><!--a{text-decoration:none}--></style>", "a{text-decoration:none}")
        with self.assertRaisesRegex(CheckFailed, r"^at rest: the page shows 'a\{text-decoration:none\}"):
            self.checker.check_links(Links(page, "bare rule", case.effects))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--writer", required=True, help="the write_pages program")
    parser.add_argument("--keep", help="write the pages into this folder and keep them")
    arguments, rest = parser.parse_known_args()

    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="quillarc-browser-") as scratch:
        folder = pathlib.Path(arguments.keep or scratch).resolve()
        folder.mkdir(parents=True, exist_ok=True)
        wanted, colours = order()
        order_file = pathlib.Path(scratch) / "order.json"
        order_file.write_text(json.dumps(wanted), encoding="utf-8")
        written = subprocess.run([arguments.writer, str(order_file), str(folder)], capture_output=True, text=True)
        if written.returncode != 0:
            sys.exit(f"browser checks: write_pages failed: {written.stderr.strip()}")

        try:
            driver = start_chromium(pathlib.Path(scratch) / "profile")
        except (WebDriverException, OSError, RuntimeError) as error:
            reason = error.msg if isinstance(error, WebDriverException) else str(error)
            sys.exit(f"browser checks: Chromium could not be started: {reason.strip()}\n"
                     f"They need {PACKAGES}.")
        browser_up = time.monotonic()
        try:
            PageChecks.checker = PageChecker(driver, folder, colours)
            program = unittest.main(argv=[sys.argv[0], *rest], exit=False, verbosity=2)
        finally:
            driver.quit()
    print(f"browser checks: {time.monotonic() - started:.1f} s in all, "
          f"{browser_up - started:.1f} s of them writing the pages and starting Chromium", file=sys.stderr)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
