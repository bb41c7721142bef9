"""What the browser build costs in headless Chromium, for docs/performance.md; a measurement that
prints figures, not a test. Over 10 s each of the still main menu and of a race with the throttle
held: animation frames, frames presented (the canvas written) and the share of the page's main
thread kept busy; then the download's size, compressed as a server would send it.

Usage: /usr/bin/python3 tests/web/cost.py BUILD-WEB-FOLDER ZORVEX-WORLD"""

import gzip
import os
import sys
import tempfile
import time

from devtools import Chromium
from serving import served
from smoke import Session

PERIOD = 10.0

# Counts calls of the canvas's putImageData (how SDL presents a window surface in a browser) and
# animation frames, from now on.
COUNTERS = """(() => {
    window.costCounts = {presents: 0, frames: 0};
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function() {
        costCounts.presents++;
        return put.apply(this, arguments);
    };
    (function frame() { costCounts.frames++; requestAnimationFrame(frame); })();
    return true;
})()"""


def busy_seconds(browser):
    metrics = browser.call("Performance.getMetrics")["metrics"]
    return next(m["value"] for m in metrics if m["name"] == "TaskDuration")


def measure(browser, what):
    browser.evaluate("costCounts.presents = 0, costCounts.frames = 0")
    busy = busy_seconds(browser)
    time.sleep(PERIOD)
    counts = browser.evaluate("costCounts")
    share = (busy_seconds(browser) - busy) / PERIOD
    print("%-28s %5.1f frames/s  %5.1f presents/s  main thread busy %4.1f %%" % (
        what, counts["frames"] / PERIOD, counts["presents"] / PERIOD, 100 * share))


def download(folder):
    total = 0
    for name in ("zorvex.wasm", "zorvex.data", "zorvex.js", "zorvex.html"):
        with open(os.path.join(folder, name), "rb") as part:
            data = part.read()
        packed = len(gzip.compress(data, 9))
        total += packed
        print("%-12s %9d bytes, %9d gzip -9" % (name, len(data), packed))
    print("download     %9d bytes compressed" % total)


def main():
    folder, world_server = sys.argv[1], sys.argv[2]
    with served(folder, world_server) as server:
        browser = Chromium()
        try:
            browser.call("Performance.enable")
            session = Session(browser, tempfile.mkdtemp(prefix="zorvex-web-cost-"))
            browser.navigate(server + "/play/")
            session.wait_for_main_menu("menu")
            browser.evaluate(COUNTERS)
            time.sleep(2)  # the menu's highlight settles
            measure(browser, "still main menu")
            session.keys("Enter", "Enter")
            time.sleep(3)
            browser.key("ArrowUp", "down")
            measure(browser, "race, throttle held")
            browser.key("ArrowUp", "up")
        finally:
            browser.close()
    download(folder)


if __name__ == "__main__":
    main()
