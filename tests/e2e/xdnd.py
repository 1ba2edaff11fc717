"""An X11 drag source: drops files on a window the way a file manager does.

Speaks XDND version 5 with the type text/uri-list. Every wait is bounded.
"""
import time
import urllib.parse

from Xlib import X, Xatom, display
from Xlib.protocol import event

XDND_VERSION = 5


class DropError(Exception):
    pass


def find_window(disp, name, timeout):
    """The mapped top-level window called `name`, waiting up to `timeout` s."""
    deadline = time.monotonic() + timeout
    net_wm_name = disp.intern_atom('_NET_WM_NAME')
    utf8 = disp.intern_atom('UTF8_STRING')
    while True:
        for win in disp.screen().root.query_tree().children:
            try:
                if win.get_attributes().map_state != X.IsViewable:
                    continue
                prop = win.get_full_property(net_wm_name, utf8)
                title = prop.value.decode('utf-8') if prop else (win.get_wm_name() or '')
            except Exception:  # the window went away meanwhile
                continue
            if title == name:
                return win
        if time.monotonic() > deadline:
            raise DropError('no window %r within %s s' % (name, timeout))
        time.sleep(0.1)


def window_rect(disp, win):
    """(x, y, width, height) of the window in root coordinates."""
    geom = win.get_geometry()
    pos = win.translate_coords(disp.screen().root, 0, 0)
    return -pos.x, -pos.y, geom.width, geom.height


def file_uri(path):
    return 'file://' + urllib.parse.quote(path)


class DragSource:
    def __init__(self, disp):
        self.disp = disp
        root = disp.screen().root
        self.win = root.create_window(-10, -10, 1, 1, 0, X.CopyFromParent)
        atom = disp.intern_atom
        self.a = {n: atom(n) for n in (
            'XdndAware', 'XdndEnter', 'XdndPosition', 'XdndStatus', 'XdndDrop', 'XdndFinished',
            'XdndLeave', 'XdndSelection', 'XdndActionCopy', 'text/uri-list')}

    def _send(self, target, kind, data):
        ev = event.ClientMessage(window=target, client_type=self.a[kind],
                                 data=(32, (data + [0] * 5)[:5]))
        target.send_event(ev, event_mask=0)
        self.disp.flush()

    def _serve(self, payload, until, deadline):
        """Answers selection requests until a client message `until` arrives."""
        while time.monotonic() < deadline:
            while self.disp.pending_events():
                ev = self.disp.next_event()
                if ev.type == X.SelectionRequest:
                    self._answer(ev, payload)
                elif ev.type == X.ClientMessage and until and ev.client_type == self.a[until]:
                    return ev
            time.sleep(0.01)
        if until:
            raise DropError('no %s within the time limit' % until)
        return None

    def _answer(self, req, payload):
        prop = req.property or req.target
        if req.target == self.a['text/uri-list']:
            req.requestor.change_property(prop, req.target, 8, payload)
        else:
            prop = X.NONE
        notify = event.SelectionNotify(time=req.time, requestor=req.requestor, selection=req.selection,
                                       target=req.target, property=prop)
        req.requestor.send_event(notify)
        self.disp.flush()

    def drop(self, target, x, y, paths, timeout=20):
        """Drops `paths` on `target` at root position (x, y); True when accepted."""
        aware = target.get_full_property(self.a['XdndAware'], Xatom.ATOM)
        if not aware:
            raise DropError('the window does not accept drops')
        version = min(XDND_VERSION, aware.value[0])
        payload = ''.join(file_uri(p) + '\r\n' for p in paths).encode('utf-8')
        deadline = time.monotonic() + timeout

        self.win.set_selection_owner(self.a['XdndSelection'], X.CurrentTime)
        self.disp.flush()
        self._send(target, 'XdndEnter', [self.win.id, version << 24, self.a['text/uri-list']])
        # The target may ask for the data already while it meets the drag.
        self._serve(payload, None, time.monotonic() + 0.5)
        self._send(target, 'XdndPosition', [self.win.id, 0, (x << 16) | y, X.CurrentTime,
                                             self.a['XdndActionCopy']])
        status = self._serve(payload, 'XdndStatus', deadline)
        if not status.data[1][1] & 1:
            self._send(target, 'XdndLeave', [self.win.id])
            return False
        self._send(target, 'XdndDrop', [self.win.id, 0, X.CurrentTime])
        self._serve(payload, 'XdndFinished', deadline)
        return True


def drop_files(window_name, paths, timeout=20):
    disp = display.Display()
    try:
        win = find_window(disp, window_name, timeout)
        x, y, w, h = window_rect(disp, win)
        return DragSource(disp).drop(win, x + w // 2, y + h // 2, paths, timeout)
    finally:
        disp.close()
