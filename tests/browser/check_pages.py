#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages the program writes, opened in headless Chromium and worked with real pointer input.

    check_pages.py --writer PATH/write_pages [--keep FOLDER]

This file is the plan: the pages, the order by which write_pages makes them and their pictures
through the program's own code, and the checks each page gets; page_checks.py holds the checks.
Each check loads a page from disk, as a web author opens a saved page, moves the pointer over it,
presses, releases and moves away through WebDriver, and looks at what the page shows: which
picture the image holds, whether it loaded, its colour on the screen, the link's computed style,
the page's text, the console and the failed requests. One browser serves all checks. Chromium
that cannot start fails the run with a message; nothing is skipped.

The modern code is held to more: the Nu HTML checker and html-validate find nothing in it,
axe-core finds no WCAG 2.0 to 2.2 A or AA violation at rest, hovered or focused, the keyboard
and a touch screen get what they should, the pictures take their place before they arrive,
and it works under a Content-Security-Policy that allows no script. Every modern page is also
opened in headless Firefox ESR (firefox_pages.mjs, through puppeteer-core and WebDriver BiDi),
which must show the same pictures and compute the same link style as Chromium at rest, focused,
hovered, pressed and after a tap; in both browsers the focus ring must go round the picture. The
checkers come from npm (tests/browser/install-checkers). The classic code's figures from the same
checkers are printed, not asserted, and so are the sizes of both codes.

Code inserted into an author's page by "Insert into Page" must work there as it does on its own,
in both browsers and with no console error, and leave the rest of the page as it was: its
elements, attributes, text and colours, what its script and its style sheet do.
"""

import pathlib
from dataclasses import dataclass, field, replace

from page_checks import CheckFailed, Checks, run, twice

# Colours of the pictures, far enough apart that no JPEG rounding turns one into another.
PALETTE = [(220, 30, 30), (30, 50, 220), (40, 180, 40), (230, 210, 30),
           (200, 40, 200), (40, 200, 210), (240, 130, 20), (100, 30, 140)]
PICTURE_SIZE = (48, 48)
CSP_META = "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'\">"


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


@dataclass
class Links:
    page: str
    title: str
    effects: list = field(default_factory=list)  # (effect, value) in the order of adding
    modern: bool = False
    standards: bool = False
    separate: bool = False  # the modern snippets each in a style element of its own
    scope: str = ""  # "Only links inside:"; the page's link stands inside it

    @property
    def styles(self):
        """The link's computed style at rest and while the effects apply."""
        at_rest, styled = dict(LINK_AT_REST), dict(LINK_AT_REST)
        for effect, value in self.effects:
            if self.modern and value in LEFT_OUT:
                continue
            style = {VALUED[effect]: COMPUTED_VALUE[value]} if effect in VALUED else FIXED_STYLE[effect]
            styled.update(style)
            if effect == "Lineless":  # a rule for every link, not only the hovered one
                at_rest.update(style)
        return at_rest, styled


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


class PageChecks(Checks):
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
                checker.expect_author_page(case, AUTHOR, AUTHOR_OWN)

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


class ModernCodeChecks(Checks):
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


# Firefox opens the page whose focus ring leaves the picture open, the author's page and every modern
# page, each with the steps that Chromium takes on it, in the order in which the checks above ask for it.
FIREFOX_RUN = [{"page": page, "press": False, "tap": False} for page in ("fault-inline-link.html", AUTHOR)] + [
    {"page": case.page, "press": press, "tap": tap, "link": getattr(case, "at", 0)}
    for cases, press, tap in ((CSP_PICTURES, True, False), (CSP_LINKS, False, False),
                              ([*MODERN_LINKS, MODERN_LINKS_SEPARATE], False, True), (MODERN_PICTURES, True, True),
                              (INSERTED, True, True))
    for case in cases]
# The pages whose figures are printed: modern, classic (printed only), and with the sizes of both codes.
FIGURES = ([*MODERN_PICTURES, *MODERN_LINKS, *CSP_PICTURES, *CSP_LINKS],
           [ROLLOVER_PLAIN, ROLLOVER_STANDARDS, BUTTON_THREE, BUTTON_STANDARDS, *LINK_EFFECTS, LINKS_TOGETHER],
           [*MODERN_PICTURES[::2], *MODERN_LINKS[::2], MODERN_LINKS_SEPARATE])

if __name__ == "__main__":
    raise SystemExit(run(__doc__, order(), VARIANTS, FIREFOX_RUN, FIGURES))
