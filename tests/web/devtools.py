"""A small DevTools-protocol driver for Debian's headless Chromium: start it on a fresh profile,
open a page, press keys as a user would, take screenshots, read values from the page."""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket

KEYS = {
    "Enter": {"code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"},
    "Escape": {"code": "Escape", "windowsVirtualKeyCode": 27},
    "ArrowLeft": {"code": "ArrowLeft", "windowsVirtualKeyCode": 37},
    "ArrowUp": {"code": "ArrowUp", "windowsVirtualKeyCode": 38},
    "ArrowRight": {"code": "ArrowRight", "windowsVirtualKeyCode": 39},
    "ArrowDown": {"code": "ArrowDown", "windowsVirtualKeyCode": 40},
}


class Chromium:
    """One headless Chromium with one page, 800 x 600 CSS pixels at a device scale of 1."""

    def __init__(self, width=800, height=600):
        self.profile = tempfile.mkdtemp(prefix="zorvex-chromium-")
        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--no-first-run",
             "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
             "--user-data-dir=" + self.profile, "--window-size=%d,%d" % (width, height),
             "--autoplay-policy=no-user-gesture-required", "--mute-audio",
             "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
             "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port = self._wait_for_port()
        with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port, timeout=10) as reply:
            pages = [t for t in json.load(reply) if t["type"] == "page"]
        self.socket = websocket.create_connection(pages[0]["webSocketDebuggerUrl"], timeout=60,
                                                  suppress_origin=True)
        self.last_id = 0
        self.console = []
        self.dialogs = []
        self.loads = 0
        self.call("Runtime.enable")
        self.call("Page.enable")
        self.call("Emulation.setDeviceMetricsOverride",
                  width=width, height=height, deviceScaleFactor=1, mobile=False)

    def _wait_for_port(self):
        active = os.path.join(self.profile, "DevToolsActivePort")
        for _ in range(600):
            if os.path.exists(active):
                with open(active) as lines:
                    first = lines.readline().strip()
                if first:
                    return int(first)
            if self.process.poll() is not None:
                raise RuntimeError("chromium ended before it listened")
            time.sleep(0.1)
        raise RuntimeError("chromium did not open its DevTools port")

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
            shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._note_event(message)

    def _note_event(self, message):
        method = message.get("method")
        if method == "Page.loadEventFired":
            self.loads += 1
        elif method == "Runtime.consoleAPICalled":
            self.console.append(" ".join(str(a.get("value", a.get("description", "")))
                                         for a in message["params"]["args"]))
        elif method == "Runtime.exceptionThrown":
            self.console.append("exception: " + json.dumps(message["params"]["exceptionDetails"]))
        elif method == "Page.javascriptDialogOpening":
            # A dialog stops the page until answered; the text is what the game told the user.
            self.dialogs.append(message["params"]["message"])
            self.socket.send(json.dumps({"id": 0, "method": "Page.handleJavaScriptDialog",
                                         "params": {"accept": True}}))

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def navigate(self, url):
        self.loads = 0
        self.call("Page.navigate", url=url)
        self._wait_for_load()

    def reload(self):
        self.loads = 0
        self.call("Page.reload", ignoreCache=False)
        self._wait_for_load()

    # Until the new document has loaded, the old one may still answer, or the answer may be that
    # it went away.
    def _wait_for_load(self):
        while self.loads == 0:
            self._note_event(json.loads(self.socket.recv()))

    def wait_for(self, expression, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.evaluate(expression):
                return True
            time.sleep(0.1)
        return False

    def key(self, name, kind):
        key = KEYS[name]
        params = {"type": "keyDown" if kind == "down" else "keyUp", "key": name,
                  "code": key["code"], "windowsVirtualKeyCode": key["windowsVirtualKeyCode"],
                  "nativeVirtualKeyCode": key["windowsVirtualKeyCode"]}
        if kind == "down" and "text" in key:
            params["text"] = key["text"]
            params["unmodifiedText"] = key["text"]
        self.call("Input.dispatchKeyEvent", **params)

    def press(self, name, hold_seconds=0.1):
        self.key(name, "down")
        time.sleep(hold_seconds)
        self.key(name, "up")

    def type(self, text):
        """Letters, as typed on the keyboard."""
        for letter in text:
            key = {"key": letter, "code": "Key" + letter.upper(),
                   "windowsVirtualKeyCode": ord(letter.upper())}
            self.call("Input.dispatchKeyEvent", type="keyDown", text=letter, **key)
            self.call("Input.dispatchKeyEvent", type="keyUp", **key)
            time.sleep(0.1)

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as picture:
            picture.write(base64.b64decode(data))
        return path
