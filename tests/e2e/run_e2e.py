#!/usr/bin/python3
"""End-to-end test of zandrel.exe under Wine on an X display (DISPLAY, an initialised WINEPREFIX and
LANG=ja_JP.UTF-8): real files dropped through X11 drag and drop, every message box read and confirmed,
outputs compared byte for byte with the native zandrel-cli's, the About box, File > Exit, screenshots."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import xdnd  # noqa: E402

WINE, TIMEOUT = '/usr/lib/wine/wine64', 60
TITLE, BOX, ABOUT = 'Zandrel 1.2.2', 'Merrowin', 'バージョン情報'
SUCCESS = 'データを書き出しました'
REFUSAL = '8/24/32bpp のビットマップファイルをドラッグ＆ドロップしてください'
JAPANESE = '表示'  # 表 is 0x95 0x5C in code page 932: its trail byte is a backslash
WM_COMMAND, WM_SYSCOMMAND, BM_CLICK = 0x111, 0x112, 0xF5


# Dropped in this order; japanese.bmp under the Japanese name.
INPUTS = ['rgb24.bmp', 'notes.txt', 'argb32.bmp', 'palette8.bmp', 'japanese.bmp']


def check(condition, message):
    if not condition:
        raise AssertionError(message)
    print('ok   ' + message)


def outputs(folder):
    return sorted(n for n in os.listdir(folder) if n.endswith(('.c', '.bin')))


def compare_with_cli(cli, folder, names, cli_args):
    """Converts copies of `names` with the native tool and compares every output."""
    with tempfile.TemporaryDirectory() as ref:
        for name in names:
            shutil.copy(os.path.join(folder, name), ref)
        subprocess.run([cli] + cli_args + [os.path.join(ref, n) for n in names], capture_output=True, timeout=TIMEOUT)
        check(outputs(folder) == outputs(ref), 'zandrel.exe wrote what zandrel-cli writes: %s' % outputs(ref))
        for name in outputs(ref):
            with open(os.path.join(ref, name), 'rb') as want, open(os.path.join(folder, name), 'rb') as got:
                # Under Windows the Japanese name is code page 932; its array name gets one '_' a byte.
                expected = want.read().replace(b'image_' + b'_' * 6, b'image_' + b'_' * 4)
                check(got.read() == expected.replace(JAPANESE.encode(), JAPANESE.encode('cp932')), name + ' is the same')


def screenshot(rect, path, min_size=(0, 0)):
    x, y = max(0, rect[0] - 8), max(0, rect[1] - 30)
    w, h = max(rect[2], min_size[0]) + 16 + rect[0] - x, max(rect[3], min_size[1]) + 38 + rect[1] - y
    subprocess.run(['import', '-display', os.environ['DISPLAY'], '-window', 'root', '-crop',
                    '%dx%d+%d+%d' % (w, h, x, y), '+repage', path], check=True, timeout=TIMEOUT)


def main():
    parser = argparse.ArgumentParser()
    for name in ('--exe', '--helper', '--cli', '--artifacts'):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    env = dict(os.environ, LANG='ja_JP.UTF-8', LC_ALL='ja_JP.UTF-8', WINEDEBUG='-all')
    os.makedirs(args.artifacts, exist_ok=True)

    def helper(*words):
        done = subprocess.run([WINE, args.helper, *map(str, words)], env=env, capture_output=True, timeout=TIMEOUT)
        check(done.returncode == 0, 'helper %s %s' % (words[0], words[1]))
        return done.stdout.decode('cp932', 'replace').splitlines()

    def answer_boxes(count, before_ok=lambda index: None):
        texts = []
        for index in range(count):
            lines = helper('show', BOX)
            check(lines[0] == 'OWNER ' + TITLE, 'the result box belongs to the main dialog')
            texts += [line.split(' ', 2)[2] for line in lines[1:] if line.split(' ', 2)[2:] not in ([], [''], ['OK'])]
            before_ok(index)
            helper('ok', BOX)
        return texts

    def states():  # of the check boxes
        return {int(i): int(c) for i, c, *_ in (ln.split(' ') for ln in helper('show', TITLE)[1:]) if 1000 < int(i) < 1010}

    # Under /tmp, so that Wine hands the paths over as Z:\tmp\...
    work = tempfile.mkdtemp(prefix='zandrel-e2e-', dir='/tmp')
    app = None
    try:
        names = [JAPANESE + '.bmp' if n == 'japanese.bmp' else n for n in INPUTS]
        for name, data in zip(names, INPUTS):
            shutil.copy(os.path.join(HERE, 'inputs', data), os.path.join(work, name))
        app = subprocess.Popen([WINE, args.exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Its window first: a helper started with the program could start the
        # wineserver itself and leave its output pipe open.
        from Xlib import display
        disp = display.Display()
        rect = xdnd.window_rect(disp, xdnd.find_window(disp, TITLE, TIMEOUT))
        disp.close()
        screenshot(rect, os.path.join(args.artifacts, 'main-dialog.png'))
        check(states() == {1002: 1, 1003: 0, 1004: 1, 1005: 1},
              'const, prefix and little-endian are checked at the start, binary is not')

        # One drop of five files: each converted and confirmed before the next.
        check(xdnd.drop_files(TITLE, [os.path.join(work, n) for n in names], TIMEOUT), 'the first drop was accepted')

        def nothing_later_yet(index):
            later = ['image_' + n[:-4] + '.' for n in names[index + 1:]]
            check(not [o for o in outputs(work) if o.startswith(tuple(later))], 'no later file converted yet')

        texts = answer_boxes(len(names), nothing_later_yet)
        check(texts == [SUCCESS, REFUSAL, SUCCESS, SUCCESS, SUCCESS], 'boxes in drop order: %s' % texts)
        compare_with_cli(args.cli, work, [n for n in names if n.endswith('.bmp')], [])

        # Binary file on, prefix off, then a drop from a folder path of over 300 characters.
        helper('send', TITLE, 1003, BM_CLICK, 0), helper('send', TITLE, 1004, BM_CLICK, 0)
        check(states() == {1002: 1, 1003: 1, 1004: 0, 1005: 1}, 'binary file now on, prefix off')
        deep = os.path.join(work, JAPANESE + 'd' * 150, 'e' * 150)
        os.makedirs(deep)
        shutil.copy(os.path.join(work, 'rgb24.bmp'), deep)
        check(xdnd.drop_files(TITLE, [os.path.join(deep, 'rgb24.bmp')], TIMEOUT), 'the long-path drop was accepted')
        check(answer_boxes(1) == [SUCCESS], 'the file of the long path was converted')
        compare_with_cli(args.cli, deep, ['rgb24.bmp'], ['--binary', '--no-prefix'])

        # The About box from the system menu and from the Help menu.
        for message, command, how in ((WM_SYSCOMMAND, 0x10, 'system'), (WM_COMMAND, 0xE146, 'Help')):
            helper('send', TITLE, 0, message, command)
            lines = helper('show', ABOUT)
            check(lines[0] == 'OWNER ' + TITLE and '1000 0 ' + TITLE in lines
                  and '1001 0 Copyright (C) 2026 Zandrel project' in lines, 'About box from the %s menu' % how)
            if how == 'system':
                screenshot(rect, os.path.join(args.artifacts, 'about-box.png'), (420, 140))
            helper('ok', ABOUT)

        helper('send', TITLE, 0, WM_COMMAND, 0xE141)  # File > Exit
        check(app.wait(timeout=TIMEOUT) is not None, 'File > Exit ended zandrel.exe')
        print('e2e: all checks passed')
        return 0
    except (AssertionError, xdnd.DropError, subprocess.TimeoutExpired) as error:
        print('FAIL %s' % error)
        return 1
    finally:
        if app and app.poll() is None:
            app.kill()
            app.wait(timeout=TIMEOUT)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
