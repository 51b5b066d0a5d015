#!/usr/bin/python3
# A blind student's session, heard through the screen reader itself: Orca runs, the program
# starts, keys go in through XTest as a keyboard's do, and what Orca speaks is read from its
# debug log ("SPEECH OUTPUT" lines). What it must say is read from the program's accessibility
# tree at that moment: the question, the hint, the chart in words, the congratulations, the
# About page. Every wait is for a condition, with a deadline; a failure names what was said.
#
# screen_reader_walk.py PROGRAM X_WINDOW_TOOL WORK_DIR
import os
import re
import subprocess
import sys
import time

import pyatspi

program, tool, work = sys.argv[1:4]
here = os.path.dirname(os.path.abspath(__file__))
orca_log = os.path.join(work, "orca.log")
failures = []
screens_seen = 0


def fail(what):
    failures.append(what)
    print("FAIL " + what, flush=True)


class Speech:
    """What Orca has spoken, line by line, since the last mark."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        self.offset = 0
        self.mark = 0

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                text = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return
        for match in re.finditer(r"SPEECH OUTPUT: '(.*?)'(?: ?\{|\s*$)", text, re.M | re.S):
            self.lines.append(" ".join(match.group(1).split()))

    def since_mark(self):
        self.read()
        return " | ".join(self.lines[self.mark:])

    def set_mark(self):
        self.read()
        self.mark = len(self.lines)

    def wait_for(self, *texts, deadline=30.0):
        """Until every text has been spoken since the mark, in order; False at the deadline."""
        end = time.monotonic() + deadline
        while True:
            heard = self.since_mark()
            at = 0
            for text in texts:
                at = heard.find(text, at)
                if at < 0:
                    break
                at += len(text)
            if at >= 0:
                return True
            if time.monotonic() > end:
                return False
            time.sleep(0.05)


speech = Speech(orca_log)


def wait_for_quiet(seconds=1.0, deadline=20.0):
    """Until Orca has written nothing for that long: it takes keys at its pace once it is done."""
    end = time.monotonic() + deadline
    size, since = -1, time.monotonic()
    while time.monotonic() < end:
        now = os.path.getsize(orca_log)
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= seconds:
            return
        time.sleep(0.05)


def key(*names):
    subprocess.run([tool, "keys", *names], check=True)


def spaced(text):
    return " ".join((text or "").split())


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "merrowby":
            return app
    return None


def content():
    """The content area's children as (role, name, focused) of those that are showing."""
    app = application()
    if app is None:
        return []
    for frame in app:
        for child in frame:
            if child.getRole() == pyatspi.ROLE_PANEL:
                shown = []
                for piece in child:
                    state = piece.getState()
                    if state.contains(pyatspi.STATE_SHOWING):
                        shown.append((piece.getRole(), spaced(piece.name), spaced(piece.description),
                                      state.contains(pyatspi.STATE_FOCUSED)))
                return shown
    return []


def wait_until(condition, what, deadline=30.0):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        try:
            if condition():
                return True
        except Exception:
            pass
        time.sleep(0.05)
    fail("waited in vain for " + what)
    return False


def question():
    labels = [name for role, name, _, _ in content() if role == pyatspi.ROLE_LABEL]
    return labels[0] if labels else ""


def screen():
    """Everything the content area shows, to tell one screen from the next: two questions may
    share their text (the histogram questions do), not their answers too."""
    return tuple(name for _, name, _, _ in content())


def new_screen(before, what):
    """Until another screen shows, with the keyboard come to its first control."""
    global screens_seen

    def arrived():
        role, name = focused()
        return screen() != before and (role == pyatspi.ROLE_RADIO_BUTTON or name == "Retry")
    screens_seen += 1
    return wait_until(arrived, what)


def focused():
    for role, name, _, is_focused in content():
        if is_focused:
            return role, name
    return None, ""


def expect(step, *texts):
    if not speech.wait_for(*texts):
        fail(f"{step}: Orca did not say {list(texts)}; it said: {speech.since_mark()!r}")


def open_menu(step):
    """Alt, as a student taps it; again if the menu bar did not take it."""
    for _ in range(3):
        speech.set_mark()
        key("Alt_L")
        if speech.wait_for("Statistical Data", deadline=3):
            return True
        key("Escape")
        wait_for_quiet()
    fail(f"{step}: Alt does not open the menu bar; Orca said: {speech.since_mark()!r}")
    return False


def press(step, *keys_and_speech):
    """Presses each key, waiting after each for what Orca must say to it."""
    for name, said in keys_and_speech:
        speech.set_mark()
        key(name)
        expect(f"{step} ({name})", *said)


def shown(role, name):
    return any(r == role and n == name for r, n, _, _ in content())


def next_question(step):
    """Pass, or Another after a right answer: the keys as a student presses them."""
    speech.set_mark()
    if shown(pyatspi.ROLE_PUSH_BUTTON, "Another"):
        key("Return")
        return True
    if focused()[0] == pyatspi.ROLE_RADIO_BUTTON:
        key("shift+Tab")  # from the first answer, which a new question gives the keyboard
        speech.wait_for("Pass push button")
    if not to_pass_button(step):
        fail(step + ": the keyboard does not reach Pass")
        return False
    speech.set_mark()
    key("space")
    return True


def to_pass_button(step):
    for _ in range(8):
        if focused() == (pyatspi.ROLE_PUSH_BUTTON, "Pass"):
            return True
        speech.set_mark()
        key("Tab")
        speech.wait_for("tab")
        wait_until(lambda: focused()[1] != "", "a focused control")
    return focused() == (pyatspi.ROLE_PUSH_BUTTON, "Pass")


def main():
    orca = subprocess.Popen([sys.executable, os.path.join(here, "orca_logged.py"), orca_log],
                            stdout=open(os.path.join(work, "orca.out"), "w"), stderr=subprocess.STDOUT)
    try:
        if not speech.wait_for("Screen reader on", deadline=30):
            fail("Orca did not start: " + open(os.path.join(work, "orca.out")).read()[-2000:])
            return
        stderr = open(os.path.join(work, "log"), "w")
        merrowby = subprocess.Popen([program], stderr=stderr, stdout=stderr)
        try:
            walk()
        finally:
            merrowby.terminate()
            merrowby.wait(timeout=20)
    finally:
        orca.terminate()
        try:
            orca.wait(timeout=10)
        except subprocess.TimeoutExpired:
            orca.kill()
    invalid = open(os.path.join(work, "log")).read().count("Accessible invalid")
    if invalid:
        fail(f"the program logged 'Accessible invalid' {invalid} times")


def walk():
    if not speech.wait_for("Merrowby frame", deadline=90):
        fail("Orca did not read the window as it came: " + speech.since_mark())
        return
    # One Merrowby for the screen reader to list, whatever toolkit the desktop's theme loads.
    apps = [app for app in pyatspi.Registry.getDesktop(0)
            if app is not None and (app.name or "").lower() == "merrowby"]
    if len(apps) != 1:
        fail(f"{len(apps)} applications named merrowby on the accessibility bus")
    # Orca reads the first screen before it takes keys at their pace.
    wait_until(lambda: content(), "the window's content")
    wait_for_quiet()

    open_menu("a category from the menu")
    press("a category from the menu", ("Down", ["Displaying Data"]))
    speech.set_mark()
    key("Return")
    wait_until(lambda: focused()[0] == pyatspi.ROLE_RADIO_BUTTON, "the keyboard on an answer")
    first = focused()[1]
    expect("the first question", question(), first, "radio button")

    # Moving among the answers: the answer, not the question again.
    speech.set_mark()
    key("Down")
    wait_until(lambda: focused()[1] != first, "the second answer")
    second = focused()[1]
    expect("the second answer", second)
    if question() in speech.since_mark():
        fail("the question is said again among its answers: " + speech.since_mark())

    # A wrong or right answer: its hint either way, after Okay.
    speech.set_mark()
    key("space")
    expect("an answer chosen", "selected")
    speech.set_mark()
    key("Return")
    wait_until(lambda: any(role == pyatspi.ROLE_NOTIFICATION for role, _, _, _ in content()), "the hint")
    hint = [name for role, name, _, _ in content() if role == pyatspi.ROLE_NOTIFICATION][0]
    if not re.match(r"(Yes|No)[,;]", hint):
        fail("the hint read is not a hint: " + hint)
    expect("the hint after Okay", hint)

    # Pass, until a chart question: the chart said in words with the question.
    chart = None
    for _ in range(30):
        before = screen()
        if not next_question("Pass"):
            return
        new_screen(before, "the next question")
        charts = [(name, description) for role, name, description, _ in content() if role == pyatspi.ROLE_CHART]
        expect("the next question after Pass", question(), focused()[1])
        if charts:
            chart = charts[0]
            expect("a chart question", question(), chart[0], chart[1][:60])
            break
    if chart is None:
        fail("no chart question came in 30 passes")

    # The About page, read when it opens; Space leaves it for the question.
    back_to = question()
    wait_for_quiet()
    open_menu("About from the menu")
    press("About from the menu", ("Left", ["Help"]), ("Down", ["Quit"]), ("Down", ["About Merrowby"]))
    speech.set_mark()
    key("Return")
    expect("the About page", "Version", "Please send suggestions and questions to")
    speech.set_mark()
    key("space")
    expect("the question again after the About page", back_to)

    # An answer right, then Another: the next question.
    # (The answers are read as painted; the right one is the one whose hint says "Yes,".)
    for attempt in range(5):
        speech.set_mark()
        key("space")
        speech.wait_for("selected")
        speech.set_mark()
        key("Return")
        if not wait_until(lambda: any(role == pyatspi.ROLE_NOTIFICATION for role, _, _, _ in content()), "a hint"):
            return
        hint = [name for role, name, _, _ in content() if role == pyatspi.ROLE_NOTIFICATION][0]
        expect("the hint after Okay", hint)
        if hint.startswith("Yes,"):
            break
        speech.set_mark()
        key("Down")
        speech.wait_for("radio button")
    before = screen()
    speech.set_mark()
    key("Return")
    new_screen(before, "the question after Another")
    expect("the next question after Another", question(), focused()[1])

    # Pass every question left: the congratulations, said, with the keyboard on Retry.
    def the_end():
        return shown(pyatspi.ROLE_PUSH_BUTTON, "Retry")

    for _ in range(40):
        if the_end():
            break
        before = screen()
        if not next_question("Pass to the end"):
            return
        new_screen(before, "the next screen")
    if not the_end():
        fail("no Retry after passing every question")
        return
    said = [name for role, name, _, _ in content() if role == pyatspi.ROLE_NOTIFICATION]
    expect("the congratulations", "Retry push button", said[0] if said else "(no text)")
    if focused() != (pyatspi.ROLE_PUSH_BUTTON, "Retry"):
        fail(f"the keyboard is on {focused()}, not on Retry")
        return

    # A long session: Retry brings the passed questions back, which are passed again, until a
    # hundred screens have been read (none of them may leave the program complaining of an
    # object it no longer has).
    while screens_seen < 100 and not failures:
        before = screen()
        speech.set_mark()
        key("Return")
        new_screen(before, "the questions passed, again")
        expect("a question passed, again", question())
        while not the_end() and not failures and screens_seen < 150:
            before = screen()
            if not next_question("Pass again"):
                return
            new_screen(before, "the next screen")


main()
print(f"{screens_seen} screens after the first, {len(failures)} failures", flush=True)
sys.exit(1 if failures else 0)
