#!/usr/bin/python3
"""End-to-end test of zandrel.exe under Wine on an X display.

Starts the real program, drops real bitmap files on its window through X11
drag and drop, answers every message box, and checks the written files byte
for byte against what the native zandrel-cli writes for the same files and
options. Saves screenshots of the main dialog and the About box.

Needs DISPLAY (an X server such as Xvfb), WINEPREFIX (an initialised prefix)
and LANG=ja_JP.UTF-8 in the environment. Every wait is bounded; every Wine
process it starts is ended before it returns.

  run_e2e.py --exe zandrel.exe --helper zandrel_e2e_helper.exe --cli zandrel-cli --artifacts DIR
"""
import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xdnd  # noqa: E402

WINE = '/usr/lib/wine/wine64'
TITLE = 'Zandrel 1.2.2'
SUCCESS = 'データを書き出しました'
REFUSAL = '8/24/32bpp のビットマップファイルをドラッグ＆ドロップしてください'
IDC_WRITE_BINARY = 1003
IDC_ADD_PREFIX = 1004
STEP_TIMEOUT = 60
JAPANESE_NAME = '表示'  # 表 is 0x95 0x5C in code page 932: its trail byte is a backslash


def bmp(width, height, bits, pixel, palette=None):
    """An uncompressed bottom-up bitmap; pixel(x, y) gives the stored value(s)."""
    stride = (width * bits // 8 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            value = pixel(x, y)
            row += bytes([value]) if bits == 8 else bytes(value)
        rows.append(bytes(row) + b'\0' * (stride - len(row)))
    pal = b''.join(bytes(c) + b'\0' for c in (palette or []))
    offset = 14 + 40 + len(pal)
    data = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette or []), 0)
    return header + info + pal + data


def make_inputs(folder):
    files = {
        'rgb24.bmp': bmp(5, 3, 24, lambda x, y: (40 * x, 80 * y, 255 - 30 * x)),
        'notes.txt': b'not a bitmap\r\n',
        'argb32.bmp': bmp(4, 2, 32, lambda x, y: (60 * x, 100 * y, 7, 255 - 60 * x)),
        'palette8.bmp': bmp(3, 3, 8, lambda x, y: (x + 3 * y) % 4,
                            palette=[(0, 0, 0), (255, 0, 0), (0, 255, 0), (10, 20, 250)]),
        JAPANESE_NAME + '.bmp': bmp(2, 2, 24, lambda x, y: (200, 10 * x, 90 * y)),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
    return list(files)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print('ok   ' + message)


def run(cmd, env, timeout=STEP_TIMEOUT):
    done = subprocess.run(cmd, env=env, capture_output=True, timeout=timeout)
    return done.returncode, done.stdout.decode('utf-8', 'replace')


def screenshot(disp_name, rect, path):
    x, y, w, h = rect
    # Some room around the window for its frame; cropped to the screen.
    x0, y0 = max(0, x - 8), max(0, y - 30)
    subprocess.run(['import', '-display', disp_name, '-window', 'root', '-crop',
                    '%dx%d+%d+%d' % (w + 16 + x - x0, h + 38 + y - y0, x0, y0), '+repage', path],
                   check=True, timeout=STEP_TIMEOUT)


def outputs(folder):
    return sorted(n for n in os.listdir(folder) if n.endswith('.c') or n.endswith('.bin'))


def cp932_name(data):
    """Output of the native tool as the Windows program writes it for the
    Japanese name: there the name is in code page 932, and its array name
    gets one '_' per byte of that spelling."""
    utf8, cp932 = JAPANESE_NAME.encode('utf-8'), JAPANESE_NAME.encode('cp932')
    data = data.replace(b'image_' + b'_' * len(utf8), b'image_' + b'_' * len(cp932))
    return data.replace(utf8, cp932)


def compare_with_cli(cli, inputs_dir, gui_dir, names, cli_args):
    """Converts copies of `names` with the native tool and compares every file."""
    ref_dir = tempfile.mkdtemp(prefix='zandrel-e2e-ref-')
    try:
        for name in names:
            shutil.copy(os.path.join(inputs_dir, name), ref_dir)
        subprocess.run([cli] + cli_args + [os.path.join(ref_dir, n) for n in names],
                       capture_output=True, timeout=STEP_TIMEOUT)
        expected = outputs(ref_dir)
        check(len(expected) > 0, 'the native tool wrote %s' % ', '.join(expected))
        for name in expected:
            with open(os.path.join(ref_dir, name), 'rb') as f:
                want = cp932_name(f.read())
            path = os.path.join(gui_dir, name)
            check(os.path.exists(path), 'zandrel.exe wrote %s' % name)
            with open(path, 'rb') as f:
                check(f.read() == want, '%s is byte for byte what zandrel-cli writes' % name)
        return expected
    finally:
        shutil.rmtree(ref_dir, ignore_errors=True)


def answer_boxes(helper, env, count, while_open=None):
    """Confirms `count` result boxes; while_open(i) runs while box i is up."""
    texts = []
    for index in range(count):
        if while_open:
            rc, _ = run([WINE, helper, 'peek'], env)
            check(rc == 0, 'result box %d is up' % (index + 1))
            while_open(index)
        rc, out = run([WINE, helper, 'box'], env)
        check(rc == 0, 'a result box appeared and was confirmed')
        texts.append(' / '.join(line[5:] for line in out.splitlines() if line.startswith('TEXT ')))
    return texts


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--exe', required=True)
    parser.add_argument('--helper', required=True)
    parser.add_argument('--cli', required=True)
    parser.add_argument('--artifacts', required=True)
    args = parser.parse_args()
    for var in ('DISPLAY', 'WINEPREFIX'):
        if not os.environ.get(var):
            sys.exit('run_e2e.py: %s is not set' % var)
    env = dict(os.environ, LANG='ja_JP.UTF-8', LC_ALL='ja_JP.UTF-8', WINEDEBUG='-all')
    os.makedirs(args.artifacts, exist_ok=True)

    # Under /tmp, so that Wine hands the paths over as Z:\tmp\...
    work = tempfile.mkdtemp(prefix='zandrel-e2e-', dir='/tmp')
    app = None
    try:
        names = make_inputs(work)
        app = subprocess.Popen([WINE, args.exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        # One drop of five files: each converted and confirmed before the next.
        check(xdnd.drop_files(TITLE, [os.path.join(work, n) for n in names], STEP_TIMEOUT),
              'the main dialog accepted the drop')
        def nothing_converted_after(index):
            later = [n[:-len('.bmp')] for n in names[index + 1:] if n.endswith('.bmp')]
            early = [o for o in outputs(work) if any(o.startswith('image_' + stem + '.') for stem in later)]
            check(not early, 'while box %d is open no later file is converted yet' % (index + 1))

        texts = answer_boxes(args.helper, env, len(names), nothing_converted_after)
        check(texts == [SUCCESS, REFUSAL, SUCCESS, SUCCESS, SUCCESS],
              'boxes in drop order: success, refusal, success, success, success (%s)' % texts)
        bitmaps = [n for n in names if n.endswith('.bmp')]
        written = compare_with_cli(args.cli, work, work, bitmaps, [])
        check(outputs(work) == written, 'nothing else was written (no output for the text file, no .bin)')

        from Xlib import display as xdisplay
        disp = xdisplay.Display()
        rect = xdnd.window_rect(disp, xdnd.find_window(disp, TITLE, STEP_TIMEOUT))
        disp.close()
        screenshot(os.environ['DISPLAY'], rect, os.path.join(args.artifacts, 'main-dialog.png'))

        # The options of the moment: binary file on, prefix off, then one more drop.
        for control, state in ((IDC_WRITE_BINARY, 1), (IDC_ADD_PREFIX, 0)):
            rc, out = run([WINE, args.helper, 'click', str(control)], env)
            check(rc == 0 and 'CHECKED %d' % state in out, 'check box %d is now %d' % (control, state))
        second = tempfile.mkdtemp(prefix='zandrel-e2e-2-', dir='/tmp')
        try:
            shutil.copy(os.path.join(work, 'rgb24.bmp'), second)
            check(xdnd.drop_files(TITLE, [os.path.join(second, 'rgb24.bmp')], STEP_TIMEOUT),
                  'the second drop was accepted')
            check(answer_boxes(args.helper, env, 1) == [SUCCESS], 'the second drop succeeded')
            compare_with_cli(args.cli, second, second, ['rgb24.bmp'], ['--binary', '--no-prefix'])
            check(outputs(second) == ['rgb24.bin', 'rgb24.c'], 'the second drop wrote rgb24.c and rgb24.bin')
        finally:
            shutil.rmtree(second, ignore_errors=True)

        # The About box from the system menu.
        rc, out = run([WINE, args.helper, 'about'], env)
        check(rc == 0 and 'TITLE ' + TITLE in out and 'COPYRIGHT Copyright' in out and 'OWNED 1' in out,
              'the About box shows the title and the copyright line')
        time.sleep(0.5)  # let it paint
        screenshot(os.environ['DISPLAY'], (rect[0], rect[1], max(rect[2], 420), max(rect[3], 140)),
                   os.path.join(args.artifacts, 'about-box.png'))
        rc, _ = run([WINE, args.helper, 'close-about'], env)
        check(rc == 0, 'OK closed the About box')

        # File > Exit ends the program.
        rc, _ = run([WINE, args.helper, 'exit'], env)
        check(rc == 0, 'File > Exit was chosen')
        app.wait(timeout=STEP_TIMEOUT)
        check(True, 'zandrel.exe ended')
        app = None
        print('e2e: all checks passed')
        return 0
    except (Failure, xdnd.DropError, subprocess.TimeoutExpired) as error:
        print('FAIL %s' % error)
        return 1
    finally:
        if app is not None and app.poll() is None:
            app.kill()
            app.wait(timeout=STEP_TIMEOUT)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
