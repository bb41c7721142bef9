"""Serving a browser build on loopback under /play/, as the world server does."""

import contextlib
import os
import socket
import subprocess
import sys
import tempfile
import time


def free_loopback_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def serve(folder, port, root):
    """A static server on loopback with folder under /play/. The world server does the same as
    [zorvex-world, "--listen", "127.0.0.1:%d" % port, "--web", folder]; once it does, that
    command replaces this one."""
    os.symlink(os.path.abspath(folder), os.path.join(root, "play"))
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", root, str(port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return server
        except OSError:
            time.sleep(0.1)
    server.kill()
    raise RuntimeError("the server did not listen on port %d" % port)


@contextlib.contextmanager
def served(folder):
    """The address of folder's page, served on a free loopback port while the block runs."""
    port = free_loopback_port()
    root = tempfile.mkdtemp(prefix="zorvex-web-site-")
    server = serve(folder, port, root)
    try:
        yield "http://127.0.0.1:%d/play/" % port
    finally:
        server.terminate()
        server.wait()
        os.unlink(os.path.join(root, "play"))
        os.rmdir(root)
