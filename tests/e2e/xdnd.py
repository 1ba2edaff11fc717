"""An X11 drag source: drops files on a window as a file manager does (XDND
version 5, type text/uri-list). Every wait is bounded."""
import time
import urllib.parse

from Xlib import X, Xatom, display
from Xlib.protocol import event


class DropError(Exception):
    pass


def find_window(disp, name, timeout):
    """The mapped top-level window whose _NET_WM_NAME is `name`."""
    deadline = time.monotonic() + timeout
    net_wm_name, utf8 = disp.intern_atom('_NET_WM_NAME'), disp.intern_atom('UTF8_STRING')
    while time.monotonic() < deadline:
        for win in disp.screen().root.query_tree().children:
            try:
                prop = win.get_full_property(net_wm_name, utf8)
                if win.get_attributes().map_state == X.IsViewable and prop and prop.value.decode() == name:
                    return win
            except Exception:  # the window went away meanwhile
                pass
        time.sleep(0.1)
    raise DropError('no window %r within %s s' % (name, timeout))


def window_rect(disp, win):
    """(x, y, width, height) of the window in root coordinates."""
    geom, pos = win.get_geometry(), win.translate_coords(disp.screen().root, 0, 0)
    return -pos.x, -pos.y, geom.width, geom.height


def drop_files(window_name, paths, timeout=20):
    """Drops `paths` in the middle of the window; True when it took them."""
    disp = display.Display()
    try:
        target = find_window(disp, window_name, timeout)
        x, y, w, h = window_rect(disp, target)
        source = disp.screen().root.create_window(-10, -10, 1, 1, 0, X.CopyFromParent)
        atom = {n: disp.intern_atom(n) for n in ('XdndAware', 'XdndEnter', 'XdndPosition', 'XdndStatus', 'XdndDrop',
                                                 'XdndFinished', 'XdndLeave', 'XdndSelection', 'XdndActionCopy',
                                                 'text/uri-list')}
        aware = target.get_full_property(atom['XdndAware'], Xatom.ATOM)
        if not aware:
            raise DropError('the window does not accept drops')
        payload = ''.join('file://' + urllib.parse.quote(p) + '\r\n' for p in paths).encode()
        deadline = time.monotonic() + timeout

        def send(kind, data):
            target.send_event(event.ClientMessage(window=target, client_type=atom[kind],
                                                  data=(32, (data + [0] * 5)[:5])), event_mask=0)
            disp.flush()

        def serve(until, end):
            """Hands the data to every selection request until message `until` comes."""
            while time.monotonic() < end:
                while disp.pending_events():
                    ev = disp.next_event()
                    if ev.type == X.SelectionRequest:
                        ok = ev.target == atom['text/uri-list']
                        if ok:
                            ev.requestor.change_property(ev.property or ev.target, ev.target, 8, payload)
                        ev.requestor.send_event(event.SelectionNotify(
                            time=ev.time, requestor=ev.requestor, selection=ev.selection, target=ev.target,
                            property=(ev.property or ev.target) if ok else X.NONE))
                        disp.flush()
                    elif ev.type == X.ClientMessage and until and ev.client_type == atom[until]:
                        return ev
                time.sleep(0.01)
            if until:
                raise DropError('no %s within the time limit' % until)

        source.set_selection_owner(atom['XdndSelection'], X.CurrentTime)
        send('XdndEnter', [source.id, min(5, aware.value[0]) << 24, atom['text/uri-list']])
        serve(None, time.monotonic() + 0.5)  # the target may ask for the data already
        send('XdndPosition', [source.id, 0, ((x + w // 2) << 16) | (y + h // 2), X.CurrentTime,
                              atom['XdndActionCopy']])
        if not serve('XdndStatus', deadline).data[1][1] & 1:
            send('XdndLeave', [source.id])
            return False
        send('XdndDrop', [source.id, 0, X.CurrentTime])
        serve('XdndFinished', deadline)
        return True
    finally:
        disp.close()
