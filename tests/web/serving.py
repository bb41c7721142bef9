"""The browser build served on loopback by the world server, under /play/ beside the world page."""

import contextlib
import os
import shutil
import socket
import subprocess
import tempfile
import time

WORLD_PAGE = "/cgi/version.pl?prg=Zorvex&show&type=0"


def free_loopback_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


@contextlib.contextmanager
def served(folder, world_server):
    """The server's address while the block runs: world_server (the zorvex-world program) on a
    free loopback port, with an empty SQLite table and folder under /play/. It runs in its build
    folder, whose Data/ it re-runs the replays it is sent with."""
    port = free_loopback_port()
    work = tempfile.mkdtemp(prefix="zorvex-web-server-")
    server = subprocess.Popen(
        [world_server, "--listen", "127.0.0.1:%d" % port,
         "--database", "sqlite:" + os.path.join(work, "world.db"),
         "--web", os.path.abspath(folder)],
        cwd=os.path.dirname(os.path.abspath(world_server)),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            try:
                socket.create_connection(("127.0.0.1", port), timeout=1).close()
                break
            except OSError:
                if server.poll() is not None:
                    raise RuntimeError("zorvex-world ended with %d" % server.returncode)
                time.sleep(0.1)
        else:
            raise RuntimeError("zorvex-world did not listen on port %d" % port)
        yield "http://127.0.0.1:%d" % port
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)
