"""Retakes the pictures of the browser build the README shows: the whole page in headless Chromium,
a window wider than the game so that the kept aspect shows, at the main menu and in a race.

Usage: /usr/bin/python3 tests/web/screenshots.py BUILD-WEB-FOLDER ZORVEX-WORLD
(writes docs/screenshots/)"""

import os
import sys
import tempfile
import time

from devtools import Chromium
from serving import served
from smoke import SOURCE, Session

PICTURES = os.path.join(SOURCE, "docs", "screenshots")


def main():
    folder, world_server = sys.argv[1], sys.argv[2]
    with served(folder, world_server) as server:
        # The menu check compares the canvas, which stays 800 x 600 whatever the page's size.
        browser = Chromium(width=1000, height=600)
        try:
            session = Session(browser, tempfile.mkdtemp(prefix="zorvex-web-pictures-"))
            browser.navigate(server + "/play/")
            session.wait_for_main_menu("menu")
            browser.screenshot(os.path.join(PICTURES, "browser-main-menu.png"))
            session.keys("Enter", "Enter")
            time.sleep(3)
            browser.key("ArrowUp", "down")
            time.sleep(2.5)
            browser.screenshot(os.path.join(PICTURES, "browser-race.png"))
            browser.key("ArrowUp", "up")
        finally:
            browser.close()


if __name__ == "__main__":
    main()
