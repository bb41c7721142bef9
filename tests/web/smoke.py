"""The browser build played in headless Chromium through the DevTools protocol, served on loopback
by the world server: the world page's link opens the game, its main menu appears as on the
desktop with its music playing, Enter twice starts a race, a held key moves the ship, a changed option survives a reload,
and a result sent from the page reaches the world page.

Usage: /usr/bin/python3 tests/web/smoke.py BUILD-WEB-FOLDER ZORVEX-WORLD [PICTURES-FOLDER]
(Debian's python3, which has python3-websocket; scripts/web-deps installs both.) The screenshots
it takes are left in PICTURES-FOLDER, or a temporary folder it names on failure."""

import base64
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import urllib.request

from devtools import Chromium
from pictures import changed_share, difference
from serving import WORLD_PAGE, served

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DESKTOP_MENU = os.path.join(SOURCE, "docs", "screenshots", "main-menu.png")
# Boxes (x, y, width, height) of the 800 x 600 picture.
SPEEDOMETER = (636, 418, 60, 40)  # its digits
MUSIC_SWITCH = (200, 240, 140, 45)
# The browser draws the same pixels as the desktop; the margin is for the twinkling stars.
SAME_AS_DESKTOP = 0.05
# Shares of a box's pixels: a box is unchanged when none changed; one digit of the speedometer
# changing from 0 to 4 changes 2 % of its box, the music switch turning off a third of its box.
UNCHANGED = 0.0
CHANGED = 0.015


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Session:
    def __init__(self, browser, pictures):
        self.browser = browser
        self.pictures = pictures

    def shot(self, name):
        """The game's canvas as it stands, 800 x 600. (A screenshot of the page, scaled to fit the
        same 800 x 600, would show the same; the compositor may take seconds to give one while a
        reloaded page is starting.)"""
        url = self.browser.evaluate("Module.canvas.toDataURL('image/png')")
        path = os.path.join(self.pictures, name + ".png")
        with open(path, "wb") as picture:
            picture.write(base64.b64decode(url.split(",", 1)[1]))
        return path

    def wait_for_main_menu(self, name):
        """Waits for the game to start and its main menu to look like the desktop's."""
        check(self.browser.wait_for(
            "typeof Module !== 'undefined' && Module.calledRun === true", 60),
            "the game did not start within 60 s")
        deadline = time.monotonic() + 30
        while True:
            shown = difference(self.shot(name), DESKTOP_MENU)
            if shown < SAME_AS_DESKTOP:
                return
            check(time.monotonic() < deadline,
                  "the main menu differs from the desktop's by %.3f (%s)" % (shown, name))
            time.sleep(0.5)

    def keys(self, *names):
        for name in names:
            self.browser.press(name)
            time.sleep(0.4)

    def saved_options_in_storage(self):
        """The options file as the browser's IndexedDB holds it, or None."""
        return self.browser.evaluate("""new Promise(done => {
            const open = indexedDB.open("/Data/Save");
            open.onerror = () => done(null);
            open.onsuccess = () => {
                const db = open.result;
                if (!db.objectStoreNames.contains("FILE_DATA")) { db.close(); done(null); return; }
                const read = db.transaction("FILE_DATA").objectStore("FILE_DATA")
                               .get("/Data/Save/options");
                read.onsuccess = () => {
                    db.close();
                    const file = read.result;
                    done(file && file.contents ? Array.from(file.contents).join(",") : null);
                };
                read.onerror = () => { db.close(); done(null); };
            };
        })""")


def race_and_steer(session):
    session.keys("Enter", "Enter")  # ship selection; its start button is highlighted first
    time.sleep(3)  # the level caption
    still = session.shot("race-still")
    time.sleep(1)
    check(changed_share(session.shot("race-still-later"), still, SPEEDOMETER) <= UNCHANGED,
          "the speedometer changed with no key held: no race, or a ship moving on its own")
    # A falling asteroid may wreck the ship while it stands; the next one comes 3 s later.
    for attempt in range(3):
        session.browser.press("ArrowUp", 1.0)
        moved = changed_share(session.shot("race-throttle"), still, SPEEDOMETER)
        if moved > CHANGED:
            return
        time.sleep(3)
    check(False, "holding Up for 1 s left the speedometer as it was (%.3f)" % moved)


def option_survives_reload(session):
    session.browser.reload()
    session.wait_for_main_menu("menu-after-race")
    session.keys("ArrowDown", "ArrowDown", "Enter")  # Options
    time.sleep(1)
    before = session.shot("options-default")
    session.keys("ArrowDown", "Enter")  # Music: off
    changed = session.shot("options-music-off")
    check(changed_share(changed, before, MUSIC_SWITCH) > CHANGED,
          "Enter on the music switch did not change it")
    check(session.saved_options_in_storage() is None, "options were stored before leaving")
    session.keys("Escape")  # back to the main menu, which saves
    check(session.browser.wait_for("FS.readdir('/Data/Save').includes('options')", 10),
          "leaving the options wrote no options file")
    deadline = time.monotonic() + 10
    while session.saved_options_in_storage() is None:
        check(time.monotonic() < deadline, "the options file did not reach IndexedDB")
        time.sleep(0.2)

    session.browser.reload()
    session.wait_for_main_menu("menu-after-reload")
    session.keys("ArrowDown", "ArrowDown", "Enter")
    time.sleep(1)
    reloaded = session.shot("options-after-reload")
    check(changed_share(reloaded, changed, MUSIC_SWITCH) <= UNCHANGED,
          "after a reload the music switch is not as it was left")


def result_reaches_world_page(session, server):
    """A table every score enters, put in the page's storage as the desktop's smoke test writes
    it; a race left at once, a name, Yes to sending: the world page lists the name, verified: the
    server re-ran the replay the page sent with the desktop build of the rules to the same
    result."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["bash", "-c", "source %s; write_low_table Testland" % os.path.join(
            SOURCE, "tests", "smoke", "game_window.sh")], cwd=folder, check=True)
        files = {name: list(pathlib.Path(folder, "Data", "Save", name).read_bytes())
                 for name in ("hs", "options")}
    session.browser.evaluate("""new Promise(done => {
        const files = %s;
        for (const name in files)
            FS.writeFile("/Data/Save/" + name, Uint8Array.from(files[name]));
        FS.syncfs(false, done);
    })""" % json.dumps(files))
    session.browser.reload()
    session.wait_for_main_menu("menu-low-table")
    session.keys("Enter", "Enter")
    time.sleep(3)  # the level caption
    session.keys("Escape")
    session.browser.type("y")  # "Exit to menu?" Yes: the score of 0 enters the table
    time.sleep(1)
    session.browser.type("Pilot")
    session.keys("Enter", "Enter")  # the name; "Send the result...?" Yes
    deadline = time.monotonic() + 20
    while True:
        with urllib.request.urlopen(server + WORLD_PAGE, timeout=5) as reply:
            row = [line for line in reply.read().decode().splitlines() if "Pilot" in line]
        if row and "checking" not in row[0]:
            check("verified" in row[0], "the result sent is not verified: %s" % row[0])
            return
        check(time.monotonic() < deadline, "the world page does not list the result sent, "
              "verified or not: %s" % row)
        time.sleep(0.5)


# Notes the loudest sample SDL's audio has written since the page began (Web Audio hands SDL a
# ScriptProcessorNode's buffer to fill): music playing is not silence.
AUDIO_PEAK = """
window.audioPeak = 0;
const handler = Object.getOwnPropertyDescriptor(ScriptProcessorNode.prototype, "onaudioprocess");
Object.defineProperty(ScriptProcessorNode.prototype, "onaudioprocess", {
    get() { return handler.get.call(this); },
    set(fill) {
        handler.set.call(this, event => {
            fill(event);
            for (let c = 0; c < event.outputBuffer.numberOfChannels; c++)
                for (const sample of event.outputBuffer.getChannelData(c))
                    audioPeak = Math.max(audioPeak, Math.abs(sample));
        });
    }
});
"""


def open_from_world_page(session, server):
    """Opens the game the way a visitor of the world page does: through its link. The menu's
    music plays (the browser is told to let pages play sound before a first click)."""
    session.browser.call("Page.addScriptToEvaluateOnNewDocument", source=AUDIO_PEAK)
    session.browser.navigate(server + WORLD_PAGE)
    link = session.browser.evaluate("""(() => {
        const link = [...document.links].find(a => a.textContent.includes("Play in your browser"));
        return link ? link.href : null;
    })()""")
    check(link == server + "/play/", "the world page links to %s, not /play/" % link)
    session.browser.navigate(link)
    session.wait_for_main_menu("menu")
    check(session.browser.wait_for("audioPeak > 0.05", 10), "the main menu's music is silent")


def main():
    folder, world_server = sys.argv[1], sys.argv[2]
    pictures = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="zorvex-web-")
    os.makedirs(pictures, exist_ok=True)
    with served(folder, world_server) as server:
        browser = Chromium()
        try:
            session = Session(browser, pictures)
            open_from_world_page(session, server)
            race_and_steer(session)
            option_survives_reload(session)
            result_reaches_world_page(session, server)
            check(not browser.dialogs, "the page said: %s" % browser.dialogs)
        except Failure as failure:
            print("FAIL: %s\n  screenshots in %s" % (failure, pictures))
            print("\n".join("  console: " + line for line in browser.console[-20:]))
            return 1
        finally:
            browser.close()
    print("PASS: from the world page to the main menu as on the desktop, a race started and "
          "steered, an option kept, a result and its replay sent, verified by the world server")
    return 0


if __name__ == "__main__":
    sys.exit(main())
