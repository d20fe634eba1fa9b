#!/usr/bin/env python3
"""One whole session of the real program on a virtual X screen.

Starts Xvfb and the demo site, opens build/bin/vantrel, clicks 数据采集 with
XTest, waits until the result list shows yellow rows, saves a screenshot,
closes the window with WM_DELETE_WINDOW and checks the exit code.

    session_test.py --vantrel PATH --demo-site PATH --screenshot PNG
"""

import os
import sys

# The python3 first on PATH may be a private interpreter without Debian's
# python3-xlib; the system one has it.
try:
    import Xlib  # noqa: F401
except ImportError:
    if os.environ.get("VANTREL_E2E_REEXEC") != "1" and os.path.exists("/usr/bin/python3"):
        os.environ["VANTREL_E2E_REEXEC"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3", os.path.abspath(__file__), *sys.argv[1:]])
    sys.exit("session_test: python3-xlib is missing (apt-get install python3-xlib)")

import argparse
import collections
import ctypes
import select
import signal
import socket
import struct
import subprocess
import tempfile
import time
import zlib

from Xlib import X, error as xerror
from Xlib.display import Display
from Xlib.ext import xtest
from Xlib.protocol import event as xevent

WINDOW_TITLE = "Vantrel 【Orlimex】"
SITE_HOST, SITE_PORT = "127.0.0.1", 8765
SCREEN = (1280, 800)

# Window layout in client-area coordinates (the area below the menu bar).
CLIENT_WIDTH = 1030
CLIENT_HEIGHT = 505
BUTTON = (304, 40, 96, 32)  # 采集按钮: left, top, width, height
LIST = (8, 88, 1008, 400)  # 超级列表框1
YELLOW = (255, 255, 0)
WHITE = (255, 255, 255)

# The demo site answers with 20 rows, more than the list's viewport can show
# at any plausible row height; a handful of bands would mean a broken fill.
MIN_VISIBLE_ROWS = 10
# A scan line counts as part of a row when this many of its pixels are yellow;
# grid lines between rows have none.
ROW_LINE_MIN_YELLOW = 200


class Failure(Exception):
    pass


def poll(what, timeout, step, probe):
    """Calls probe until it returns something truthy; raises with its last report."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        ok, last = probe()
        if ok:
            return last
        if time.monotonic() >= deadline:
            raise Failure(f"{what} within {timeout:.0f} s; last seen: {last}")
        time.sleep(step)


def tail(path, limit=2000):
    try:
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
    except OSError:
        return "(no output file)"
    text = text.strip()
    return text[-limit:] if text else "(empty)"


# ---------------------------------------------------------------- processes

_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def die_with_parent():
    # Should this script be killed outright (a SIGKILL at ctest's timeout), its
    # children get SIGTERM instead of living on.
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class Processes:
    """Every process this test started, stopped in reverse order."""

    def __init__(self):
        self.started = []  # (name, Popen)

    def add(self, name, proc):
        self.started.append((name, proc))
        return proc

    def stop_all(self):
        for name, proc in reversed(self.started):
            if proc.poll() is not None:
                continue
            try:
                proc.send_signal(signal.SIGTERM)
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                print(f"session_test: {name} (pid {proc.pid}) ignored SIGTERM; killing it",
                      file=sys.stderr)
                proc.kill()
                proc.wait(timeout=10)
            except ProcessLookupError:
                pass


def start_xvfb(procs, log_dir):
    read_fd, write_fd = os.pipe()
    log = open(os.path.join(log_dir, "xvfb.log"), "wb")
    try:
        proc = procs.add("Xvfb", subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), preexec_fn=die_with_parent,
            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT))
    finally:
        os.close(write_fd)
        log.close()
    # Xvfb writes the display number it picked once it accepts clients.
    received = b""
    deadline = time.monotonic() + 10
    try:
        while not received.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or proc.poll() is not None:
                raise Failure(f"Xvfb gave no display number (exit code {proc.poll()}): "
                              f"{tail(os.path.join(log_dir, 'xvfb.log'))}")
            ready, _, _ = select.select([read_fd], [], [], min(left, 0.5))
            if ready:
                chunk = os.read(read_fd, 64)
                if not chunk:
                    raise Failure(f"Xvfb closed the display pipe: {tail(os.path.join(log_dir, 'xvfb.log'))}")
                received += chunk
    finally:
        os.close(read_fd)
    return ":" + received.decode().strip()


def site_answers():
    try:
        with socket.create_connection((SITE_HOST, SITE_PORT), timeout=1):
            return True
    except OSError:
        return False


def ensure_demo_site(procs, demo_site, log_dir):
    if site_answers():
        print(f"session_test: reusing the server already on {SITE_HOST}:{SITE_PORT}")
        return
    log_path = os.path.join(log_dir, "demo-site.log")

    def start():
        with open(log_path, "wb") as log:
            return procs.add("demo-site", subprocess.Popen(
                [demo_site], preexec_fn=die_with_parent,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT))

    current = [start()]

    def probe():
        if site_answers():
            return True, "answering"
        proc = current[0]
        if proc.poll() is not None:
            # Someone may have taken the port between the check and the start.
            if site_answers():
                return True, "answering (another server)"
            # demo-site sets SO_REUSEPORT but not SO_REUSEADDR, so a connection
            # the port's last server closed first blocks the bind while it sits
            # in TIME_WAIT; starting again shortly after may succeed.
            said = tail(log_path)
            current[0] = start()
            return False, (f"demo-site exited with {proc.returncode}: {said} "
                           "(a TIME_WAIT connection on the port blocks its bind for up to 60 s)")
        return False, f"nothing answers on {SITE_HOST}:{SITE_PORT}; demo-site said: {tail(log_path)}"

    poll("demo site did not answer", 15, 0.2, probe)


# ---------------------------------------------------------------- screen reading

class Screen:
    def __init__(self, display):
        self.display = display
        self.root = display.screen().root
        depth = display.screen().root_depth
        formats = {f.depth: f for f in display.display.info.pixmap_formats}
        self.bpp = formats[depth].bits_per_pixel
        self.pad = formats[depth].scanline_pad
        visual = next(v for d in display.screen().allowed_depths if d.depth == depth
                      for v in d.visuals if v.visual_id == display.screen().root_visual)
        if self.bpp != 32 or (visual.red_mask, visual.green_mask, visual.blue_mask) != (
                0xFF0000, 0x00FF00, 0x0000FF):
            raise Failure(f"unexpected screen format: {self.bpp} bits per pixel, masks "
                          f"{visual.red_mask:#x}/{visual.green_mask:#x}/{visual.blue_mask:#x}")
        # Byte offsets of red, green and blue inside one 32-bit pixel.
        if display.display.info.image_byte_order == X.LSBFirst:
            self.offsets = (2, 1, 0)
        else:
            self.offsets = (1, 2, 3)

    def grab(self, x, y, width, height):
        """Rows of (r, g, b) byte strings for a rectangle of the root window."""
        reply = self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = reply.data
        stride = ((width * self.bpp + self.pad - 1) // self.pad) * self.pad // 8
        rows = []
        for row in range(height):
            line = data[row * stride: row * stride + width * 4]
            rows.append(tuple(line[o::4] for o in self.offsets))
        return rows


def rgb_rows(channel_rows):
    return [bytes(b for px in zip(r, g, b_) for b in px) for r, g, b_ in channel_rows]


def yellow_per_line(channel_rows):
    counts = []
    for r, g, b in channel_rows:
        counts.append(sum(1 for pr, pg, pb in zip(r, g, b) if pr == 255 and pg == 255 and pb == 0))
    return counts


def count_bands(per_line):
    bands, inside = 0, False
    for count in per_line:
        row_line = count >= ROW_LINE_MIN_YELLOW
        if row_line and not inside:
            bands += 1
        inside = row_line
    return bands


def colour_summary(channel_rows, top=4):
    histogram = collections.Counter()
    for r, g, b in channel_rows[::4]:
        histogram.update(zip(r[::4], g[::4], b[::4]))
    return ", ".join(f"rgb{c} {n}" for c, n in histogram.most_common(top)) or "nothing"


def write_png(path, width, height, rgb_lines):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + line for line in rgb_lines)  # filter type 0 on every line
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def check_png(path, width, height):
    """Reads the file back, so a truncated or blank image fails the test."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        raise Failure(f"{path} is not a PNG ({len(data)} bytes)")
    pos, idat, dims = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        payload = data[pos + 8: pos + 8 + length]
        if kind == b"IHDR":
            dims = struct.unpack(">II", payload[:8])
        elif kind == b"IDAT":
            idat += payload
        pos += 12 + length
    if dims != (width, height):
        raise Failure(f"{path} is {dims}, expected {(width, height)}")
    raw = zlib.decompress(idat)
    stride = 1 + width * 3
    if len(raw) != stride * height:
        raise Failure(f"{path} holds {len(raw)} pixel bytes, expected {stride * height}")
    colours = set()
    for row in range(0, height, 2):
        line = raw[row * stride + 1: (row + 1) * stride]
        colours.update(line[i:i + 3] for i in range(0, len(line), 6))
    if bytes(YELLOW) not in colours or len(colours) < 8:
        raise Failure(f"{path} looks blank: {len(colours)} colours, yellow "
                      f"{'present' if bytes(YELLOW) in colours else 'absent'}")
    return len(data), len(colours)


# ---------------------------------------------------------------- window

def window_title(display, window):
    for name, kind in (("_NET_WM_NAME", "UTF8_STRING"), ("WM_NAME", None)):
        prop = window.get_full_property(display.intern_atom(name),
                                        display.intern_atom(kind) if kind else X.AnyPropertyType)
        if prop and prop.value:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
    return None


def find_window(display, vantrel, log_path):
    root = display.screen().root

    def probe():
        if vantrel.poll() is not None:
            raise Failure(f"vantrel exited with {vantrel.returncode} before its window showed: "
                          f"{tail(log_path)}")
        seen = []
        for child in root.query_tree().children:
            try:
                title = window_title(display, child)
                if title is None:
                    continue
                viewable = child.get_attributes().map_state == X.IsViewable
                seen.append(f"{title!r}{'' if viewable else ' (unmapped)'}")
                if title == WINDOW_TITLE and viewable:
                    return True, child
            except (xerror.BadWindow, xerror.BadDrawable):
                continue  # gone while we looked
        return False, f"top-level windows {seen or 'none'}"

    return poll(f"no viewable window titled {WINDOW_TITLE!r}", 25, 0.1, probe)


def window_place(display, window):
    geometry = window.get_geometry()
    origin = display.screen().root.translate_coords(window, 0, 0)
    return origin.x, origin.y, geometry.width, geometry.height


def click(display, x, y):
    xtest.fake_input(display, X.MotionNotify, x=x, y=y)
    display.sync()
    xtest.fake_input(display, X.ButtonPress, 1)
    display.sync()
    xtest.fake_input(display, X.ButtonRelease, 1)
    display.sync()


def close_window(display, window):
    protocols = display.intern_atom("WM_PROTOCOLS")
    delete = display.intern_atom("WM_DELETE_WINDOW")
    message = xevent.ClientMessage(window=window, client_type=protocols,
                                   data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    display.sync()


# ---------------------------------------------------------------- the session

def failed_screenshot_path(screenshot):
    return os.path.splitext(screenshot)[0] + "-failed.png"


def run_session(args, procs, log_dir):
    display_name = start_xvfb(procs, log_dir)
    ensure_demo_site(procs, args.demo_site, log_dir)

    display = Display(display_name)
    if not display.has_extension("XTEST"):
        raise Failure(f"Xvfb on {display_name} has no XTEST extension")
    screen = Screen(display)

    env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb")
    # Device pixels must match the layout's pixels for the click and the pixel checks.
    for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                 "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING"):
        env.pop(name, None)
    log_path = os.path.join(log_dir, "vantrel.log")
    with open(log_path, "wb") as log:
        vantrel = procs.add("vantrel", subprocess.Popen(
            [args.vantrel], env=env, preexec_fn=die_with_parent,
            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT))

    window = find_window(display, vantrel, log_path)
    left, top, width, height = window_place(display, window)
    print(f"session_test: window at ({left}, {top}), {width}x{height} on {display_name}")
    if width != CLIENT_WIDTH:
        raise Failure(f"window is {width}x{height}; expected width {CLIENT_WIDTH}")
    # No window manager, so the X window is exactly menu bar plus client area:
    # the menu bar's height is what the window has beyond the client area.
    menu_bar = height - CLIENT_HEIGHT
    if not 10 <= menu_bar <= 80:
        raise Failure(f"window is {width}x{height}: a menu bar of {menu_bar} px is implausible")
    client_left, client_top = left, top + menu_bar
    list_x, list_y = client_left + LIST[0], client_top + LIST[1]

    # Clicking before the window has painted could land on a window that does
    # not take input yet; the list's white viewport shows it has.
    def painted():
        rows = screen.grab(list_x + LIST[2] // 2, list_y + LIST[3] // 2, 1, 1)
        pixel = tuple(c[0] for c in rows[0])
        return pixel == WHITE, f"list centre rgb{pixel}"

    poll("the list never painted white", 10, 0.1, painted)

    button_x = client_left + BUTTON[0] + BUTTON[2] // 2
    button_y = client_top + BUTTON[1] + BUTTON[3] // 2
    print(f"session_test: menu bar {menu_bar} px; clicking 数据采集 at root ({button_x}, {button_y})")
    click(display, button_x, button_y)

    # Rows fill in once the page has been fetched; wait until two grabs agree so
    # the screenshot is not taken mid-paint.
    last = {"bands": -1}

    def rows_shown():
        if vantrel.poll() is not None:
            raise Failure(f"vantrel exited with {vantrel.returncode} after the click: {tail(log_path)}")
        channel_rows = screen.grab(list_x, list_y, LIST[2], LIST[3])
        per_line = yellow_per_line(channel_rows)
        bands = count_bands(per_line)
        stable = bands == last["bands"]
        last["bands"] = bands
        report = (f"{sum(per_line)} yellow pixels in {bands} row bands; "
                  f"commonest colours: {colour_summary(channel_rows)}")
        return bands >= MIN_VISIBLE_ROWS and stable, report

    try:
        seen = poll(f"fewer than {MIN_VISIBLE_ROWS} yellow rows appeared in the list", 30, 0.2, rows_shown)
    except Failure as failure:
        # What the window showed instead is the quickest clue; kept apart from
        # the screenshot path so a failed run never leaves a passing-looking file.
        failed_shot = failed_screenshot_path(args.screenshot)
        write_png(failed_shot, width, height, rgb_rows(screen.grab(left, top, width, height)))
        raise Failure(f"{failure}\nwindow as seen: {failed_shot}\nvantrel output: {tail(log_path)}") from None
    print(f"session_test: rows visible: {seen}")

    shot = screen.grab(left, top, width, height)
    write_png(args.screenshot, width, height, rgb_rows(shot))
    size, colours = check_png(args.screenshot, width, height)
    print(f"session_test: wrote {args.screenshot} ({size} bytes, at least {colours} colours)")

    close_window(display, window)
    try:
        code = vantrel.wait(timeout=15)
    except subprocess.TimeoutExpired:
        raise Failure(f"vantrel still running 15 s after WM_DELETE_WINDOW: {tail(log_path)}") from None
    if code != 0:
        raise Failure(f"vantrel exited with {code} after WM_DELETE_WINDOW: {tail(log_path)}")
    print("session_test: vantrel closed with exit code 0")
    display.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--vantrel", required=True)
    parser.add_argument("--demo-site", required=True)
    parser.add_argument("--screenshot", required=True)
    args = parser.parse_args()

    # A file left by an earlier run must not pass for this run's screenshot.
    for path in (args.screenshot, failed_screenshot_path(args.screenshot)):
        try:
            os.remove(path)
        except FileNotFoundError:
            pass

    procs = Processes()
    with tempfile.TemporaryDirectory(prefix="vantrel-e2e-") as log_dir:
        try:
            run_session(args, procs, log_dir)
        except Failure as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            return 1
        finally:
            procs.stop_all()
    print("PASS: vantrel session under Xvfb")
    return 0


if __name__ == "__main__":
    # A SIGTERM (an interrupted run) still runs the clean-up in main's finally.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("session_test: terminated"))
    sys.exit(main())
