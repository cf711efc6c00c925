#!/usr/bin/python3
"""A screen reader's view of the real program: an AT-SPI client (pyatspi) finds the
window, reads the cells' names, presses hidden and shown buttons, writes into hidden and
shown cells, plays a whole exercise with the factors it reads off the page, and checks
that the values the pupil must not see are nowhere in the tree until the access code
opens the panel; then closes the window. Run by run-with-atspi; exits non-zero on the
first failure."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from Xlib import X, display, protocol

DEADLINE = 20.0  # seconds; every wait ends
# The window's title, as the program's source gives it.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "window",
                       "form1_controls.h"), encoding="utf-8") as header:
    TITLE = re.search(r'mainWindowTitle = u"(.*)";', header.read()).group(1)
PLACES = ["unidades", "decenas", "centenas", "unidades de millar", "decenas de millar",
          "centenas de millar", "unidades de millón", "decenas de millón",
          "centenas de millón", "unidades de millar de millón",
          "decenas de millar de millón", "centenas de millar de millón", "unidades de billón"]


# Roles by pyatspi's constants, never by their names, which AT-SPI releases spell
# differently ("push button" became "button"); a single-line field may be text or entry.
BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
TEXT = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
FIELD = TEXT + (pyatspi.ROLE_PASSWORD_TEXT,)
LABEL = (pyatspi.ROLE_LABEL,)
SCROLL_BAR = (pyatspi.ROLE_SCROLL_BAR,)


def fail(message):
    print("screen_reader: FAIL: " + message, flush=True)
    sys.exit(1)


def wait_for(what, probe):
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # a node went away while the tree was read: look again
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("gave up waiting for " + what)


def retrying(read):
    """A read of the tree, done again when a node goes away under it (a prompt closing,
    a list growing) until it completes or the deadline passes."""
    def again(*args):
        end = time.monotonic() + DEADLINE
        while True:
            try:
                return read(*args)
            except Exception:
                if time.monotonic() > end:
                    raise
                time.sleep(0.2)
    return again


def application():
    pyatspi.clearCache()
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "pizarrin":
            return app
    return None


def nodes(root, depth=0):
    """Every node below root, the root itself first; a node that goes away while it is
    read (a prompt closing) is passed over."""
    if root is None or depth > 12:
        return
    try:
        children = [root.getChildAtIndex(k) for k in range(root.childCount)]
    except Exception:
        return
    yield root
    for child in children:
        yield from nodes(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


@retrying
def find(app, name, roles=None, only_showing=False):
    for node in nodes(app):
        if node.name == name and (roles is None or node.getRole() in roles):
            if not only_showing or showing(node):
                return node
    return None


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(k) for k in range(action.nActions)]


def press(node):
    """What a screen reader's "activate" does: the first action, whether offered or not."""
    try:
        return node.queryAction().doAction(0)
    except Exception:  # an action refused or not there at all
        return False


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def set_text(node, text):
    try:
        return node.queryEditableText().setTextContents(text)
    except Exception:
        return False


@retrying
def every_text(app):
    texts = []
    for node in nodes(app):
        texts += [node.name or "", node.description or "", text_of(node)]
    return [t for t in texts if t]


@retrying
def results(app):
    lists = [n for n in nodes(app) if n.name == "Resultados"]
    if not lists:
        fail("no results list")
    return [n.name for n in nodes(lists[0]) if n is not lists[0] and n.name]


@retrying
def verdict_showing(app):
    return [n.name for n in nodes(app)
            if n.getRole() in LABEL and n.name in ("BIEN", "MAL") and showing(n)]


@retrying
def prompt(app):
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_DIALOG and showing(node):
            return node
    return None


def answer_prompt(app, text):
    dialog = wait_for("the prompt", lambda: prompt(app))
    field = next((n for n in nodes(dialog) if n.getRole() in FIELD), None)
    if field is None or not set_text(field, text):
        fail("cannot write into the prompt")
    # Qt's own texts are Spanish whatever the desktop's language.
    buttons = {n.name.replace("&", ""): n for n in nodes(dialog) if n.getRole() in BUTTON}
    if sorted(buttons) != ["Aceptar", "Cancelar"]:
        fail("the prompt's buttons are " + str(sorted(buttons)))
    buttons["Aceptar"].queryAction().doAction(0)
    wait_for("the prompt to close", lambda: prompt(app) is None)


@retrying
def digits(app, description):
    label = next((n for n in nodes(app) if n.description == description), None)
    if label is None:
        fail("no " + description)
    return int("".join(c for c in label.name if c.isdigit()))


def close_window():
    """Asks the window to close, with the message a window manager sends."""
    found = subprocess.run(["xdotool", "search", "--name", f"^{TITLE}$"],
                           capture_output=True, text=True, timeout=DEADLINE).stdout.split()
    if not found:
        fail("no window to close")
    screen = display.Display()
    window = screen.create_resource_object("window", int(found[0]))
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    screen.flush()


def main():
    app = wait_for("the program on the AT-SPI bus", application)
    wait_for("the window", lambda: find(app, TITLE))
    wait_for("the window's controls", lambda: find(app, "Ayuda", BUTTON, True))

    # The cells' names, as a screen reader reads them.
    for name in ("Fila 2, decenas", "Producto, unidades"):
        if find(app, name, TEXT) is None:
            fail("no cell named " + name)

    # "Terminar" is hidden at start-up: no action, and pressing it grades nothing.
    terminar = find(app, "Terminar", BUTTON)
    if actions(terminar):
        fail("the hidden Terminar offers " + str(actions(terminar)))
    press(terminar)
    time.sleep(0.5)
    if len(results(app)) != 1 or verdict_showing(app):
        fail("pressing the hidden Terminar graded the page")

    # A shown button works: "?" shows the help text in place of the list.
    def help_text():
        return next((n for n in nodes(app) if n.getRole() in LABEL
                     and n.description == "Ayuda" and showing(n)), None)
    if help_text():
        fail("the help text is reported showing under the results list")
    press(find(app, "Ayuda", BUTTON))
    wait_for("the help text", help_text)
    press(find(app, "Ayuda", BUTTON))
    wait_for("the list again", lambda: help_text() is None)

    # The first factor's digits chosen on its scroll bar: four question marks.
    bar = find(app, "Cifras del primer factor", SCROLL_BAR)
    bar.queryValue().currentValue = 4
    wait_for("four digits", lambda: next((n for n in nodes(app)
                                           if n.description == "Primer factor"), None)
             .name.count("?") == 4)

    # "Empezar": the name prompt answered through its own accessible controls.
    empezar = find(app, "Empezar", BUTTON)
    if not press(empezar):
        fail("the shown Empezar refused to be pressed")
    answer_prompt(app, "7 Ana")
    wait_for("the exercise", lambda: showing(find(app, "Terminar", BUTTON)))

    # During the exercise "Empezar" is hidden: pressing it opens no prompt.
    press(empezar)
    time.sleep(0.5)
    if prompt(app) is not None or actions(empezar):
        fail("the hidden Empezar still works")

    # The scroll bars are hidden now: their values cannot be changed.
    bar.queryValue().currentValue = 2
    time.sleep(0.3)
    if bar.queryValue().currentValue != 4:
        fail("a hidden scroll bar took a value")

    # With a three-digit second factor, row 4 is hidden: its cells cannot be written.
    hidden_cell = find(app, "Fila 4, unidades de millar", TEXT)
    set_text(hidden_cell, "5")
    if showing(hidden_cell) or text_of(hidden_cell):
        fail("a hidden cell took text")

    # The whole exercise, with the factors read off the page.
    first = digits(app, "Primer factor")
    second = digits(app, "Segundo factor")
    secrets = {str(first * second)}
    for row, digit in enumerate(reversed(str(second)), start=1):
        partial = first * int(digit)
        if partial:
            secrets.add(str(partial))
        written = str(partial) if partial else "0"
        for index, character in enumerate(reversed(written)):
            cell = find(app, "Fila %d, %s" % (row, PLACES[index + row - 1]), TEXT, True)
            if cell is None or not set_text(cell, character):
                fail("cannot write row %d of %d x %d" % (row, first, second))
    # A second factor such as 300 puts its one partial product on the first line, which
    # is already the product: there is no product row then.
    if find(app, "Producto, unidades", TEXT, True) is not None:
        for index, character in enumerate(reversed(str(first * second))):
            if not set_text(find(app, "Producto, " + PLACES[index], TEXT, True), character):
                fail("cannot write the product of %d x %d" % (first, second))
    press(find(app, "Terminar", BUTTON))
    wait_for("BIEN for %d x %d" % (first, second), lambda: verdict_showing(app) == ["BIEN"])
    if len(results(app)) != 2 or not results(app)[1].startswith("7 Ana"):
        fail("no results line: " + str(results(app)))

    # Nothing the pupil must not see is anywhere in the tree...
    for text in every_text(app):
        for secret in secrets:
            if secret in text:
                fail("the tree says %r before the access code" % text)
    # ...until the teacher clicks the verdict and types the access code.
    verdict = find(app, "BIEN", LABEL, True)
    x, y, width, height = verdict.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True, timeout=DEADLINE)
    answer_prompt(app, "lapicero")
    product = str(first * second)
    wait_for("the panel", lambda: any(n.name == product and showing(n) for n in nodes(app)))
    print("screen_reader: a whole exercise through AT-SPI; hidden controls refused", flush=True)
    close_window()


if __name__ == "__main__":
    main()
