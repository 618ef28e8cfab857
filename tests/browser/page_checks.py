# SPDX-License-Identifier: GPL-3.0-or-later
"""The checks of the browser suite: the browsers and their drivers, the page checker, the validators
and the comparisons. check_pages.py holds the plan: the pages, and which checks each gets."""

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
PICTURE_SUFFIXES = (".gif", ".jpg", ".png", ".bmp")
# How long a page may take to show the state that its style gives it.
STATE_WAIT = 1.0
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


def twice(name):
    """The name of a PNG picture's sibling of twice the density."""
    return name.replace(".png", "@2x.png")


def write_variants(folder, variants):
    for variant, page, old, new, count in variants:
        text = (folder / page).read_bytes().decode("utf-8")  # with its CR LF
        if text.count(old) != count:
            raise RuntimeError(f"{page} holds {old!r} {text.count(old)} times, not {count}")
        (folder / variant).write_text(text.replace(old, new), encoding="utf-8", newline="")


def start_firefox(folder, scratch, pages):
    """Firefox's run over its pages, in the background while Chromium does its checks."""
    if not pathlib.Path(FIREFOX).exists():
        raise RuntimeError(f"{FIREFOX} is missing")
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


class Findings:
    def __init__(self):
        self.errors, self.warnings = [], []


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
        at_rest, hovered = case.styles
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
        pictures = not hasattr(case, "styles")
        if pictures:
            shown = {"rest": case.default, "active": case.hovered, "pressed": case.pressed}

            def look(step, which):
                return self.expect_shown(step, shown[which])
        else:
            at_rest, styled = case.styles
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

    def expect_author_page(self, case, author, own):
        """Around the inserted code the page is the author's page before the insert, in both browsers:
        every element with its attributes and colour, every text, and `own`, what its style and script make."""
        self.open(author)
        for browser, before, after in (
                ("chromium", self.script(f"return ({PAGE_STATE})()"), self.states[self.kept_as(case.page)]["at rest"]),
                ("firefox", self.firefox(author)["at rest"], self.firefox(self.kept_as(case.page))["at rest"])):
            lacks = [line for line in dict.fromkeys(before["rest"] + own) if line not in after["rest"]]
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


class Checks(unittest.TestCase):
    checker = None  # the run's PageChecker, set before the tests start


def print_figures(checker, folder, modern, classic, sized):
    """The checkers' figures for the modern and the classic outputs, and the sizes of both codes."""
    validation = checker.validation

    def counts(checker_name, page):
        findings = validation[checker_name].get(page, Findings())
        return f"{len(findings.errors)}/{len(findings.warnings)}"

    lines = ["", "Figures of the modern outputs (validators: errors/warnings; axe-core: violations; Firefox: shows "
                 "what Chromium shows, focus ring included)",
             f"{'output':72} {'html-validate':>13} {'Nu':>5} {'axe rest/hover/focus':>21} {'Firefox':>8}"]
    for case in modern:
        audits = checker.audits.get(case.page, {})
        axe = "/".join(str(audits.get(step, "-")) for step in ("at rest", "hovered", "focused"))
        firefox = "same" if case.page in checker.firefox_agrees else "-"
        lines.append(f"{case.page + ' (' + case.title + ')':72.72} {counts('html-validate', case.page):>13} "
                     f"{counts('nu', case.page):>5} {axe:>21} {firefox:>8}")

    lines += ["", "Figures of the classic outputs, printed only (validators: errors/warnings; axe-core at rest)",
              f"{'output':72} {'html-validate':>13} {'Nu':>5} {'axe at rest':>21}"]
    for case in classic:
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
    for case in sized:
        size = sizes[case.page]
        lines.append(f"{case.page + ' (' + case.title + ')':72.72} {sum(size['classic']):>8} {sum(size['modern']):>8}")
    print("\n".join(lines), file=sys.stderr)


def run(description, order, variants, firefox_pages, figures):
    parser = argparse.ArgumentParser(description=description.splitlines()[0])
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
        wanted, colours = order
        order_file = pathlib.Path(scratch) / "order.json"
        order_file.write_text(json.dumps(wanted), encoding="utf-8")
        written = subprocess.run([arguments.writer, str(order_file), str(folder)], capture_output=True, text=True)
        if written.returncode != 0:
            sys.exit(f"browser checks: write_pages failed: {written.stderr.strip()}")
        write_variants(folder, variants)
        validating = time.monotonic()
        try:
            validation = run_validators(folder)
        except (OSError, RuntimeError) as error:
            sys.exit(f"browser checks: the validators could not run: {error}")
        validated = time.monotonic()
        try:
            firefox_run = start_firefox(folder, scratch, firefox_pages)
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
            Checks.checker = checker
            program = unittest.main(argv=[sys.argv[0], *rest], exit=False, verbosity=2)
            print_figures(checker, folder, *figures)
        finally:
            late_pictures.close()
            for driver in drivers:
                driver.quit()

    print(f"browser checks: {time.monotonic() - started:.1f} s in all; {validated - validating:.1f} s of them "
          f"in the two validators, {checker.axe_seconds:.1f} s in axe-core, "
          f"{browser_up - validated:.1f} s starting Chromium", file=sys.stderr)
    return 0 if program.result.wasSuccessful() else 1

