#!/usr/bin/python3
# Writes tests/data/png/pairs: NAME.png of every colour type, depth, tRNS and
# interlace, and NAME.bmp holding the pixels the PNG must convert like (the
# 8-bit values worked out here from the samples, independently of the engine).
import os, random, struct, zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'pairs')
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}

def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

def pack(samples, depth):
    if depth == 16:
        return b''.join(struct.pack('>H', s) for s in samples)
    bits = ''.join(format(s, '0%db' % depth) for s in samples)
    bits += '0' * (-len(bits) % 8)
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))

def write_png(path, w, h, ctype, depth, px, plte, trns, interlace):
    raw = b''
    for x0, y0, dx, dy in ADAM7 if interlace else [(0, 0, 1, 1)]:
        for y in range(y0, h, dy):
            row = [s for x in range(x0, w, dx) for s in px[y][x]]
            raw += b'\0' + pack(row, depth) if row else b''
    data = zlib.compress(raw, 9)
    body = chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, depth, ctype, 0, 0, interlace)) + chunk(b'gAMA', b'\0\0\xb1\x8f')
    body += chunk(b'PLTE', bytes(c for rgb in plte for c in rgb)) if plte else b''
    body += chunk(b'tRNS', trns) if trns else b''
    body += chunk(b'IDAT', data[:5]) + chunk(b'IDAT', data[5:]) + chunk(b'tEXt', b'Comment\0ok') + chunk(b'IEND', b'')
    open(path, 'wb').write(b'\x89PNG\r\n\x1a\n' + body)

def write_bmp(path, w, h, bits, rows, plte):
    stride = (w * bits // 8 + 3) & ~3
    pixels = b''.join(bytes(rows[y]).ljust(stride, b'\0') for y in reversed(range(h)))
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in plte)
    off = 54 + len(pal)
    head = b'BM' + struct.pack('<IHHI', off + len(pixels), 0, 0, off)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, len(pixels), 2835, 2835, len(plte), 0)
    open(path, 'wb').write(head + info + pal + pixels)

def to8(v, depth):
    return (v * 255 + 32767) // 65535 if depth == 16 else v * 255 // ((1 << depth) - 1)

def make(name, ctype, depth, key=False, interlace=0, w=13, h=9):
    rnd = random.Random(name)
    top = (1 << depth) - 1
    n = CHANNELS[ctype]
    plte = [tuple(rnd.randrange(256) for _ in range(3)) for _ in range(min(top + 1, 200))] if ctype == 3 else None
    colours = [tuple(rnd.randrange(top + 1) for _ in range(n)) for _ in range(6)]
    keycol = colours[0][:1 if ctype == 0 else 3]
    if depth == 16:  # a colour that rounds like the key but is not it
        colours.append(tuple(s ^ 1 for s in colours[0]))
    if ctype == 3:
        colours += [(top,), (0,)]  # past the palette for 8 bits: kept as it stands
    px = [[rnd.choice(colours) for _ in range(w)] for _ in range(h)]
    trns = None
    if key:
        trns = bytes(rnd.randrange(256) for _ in range(7)) if ctype == 3 else pack(keycol, 16)
    write_png(os.path.join(OUT, name + '.png'), w, h, ctype, depth, px, plte, trns, interlace)
    if ctype == 3:
        write_bmp(os.path.join(OUT, name + '.bmp'), w, h, 8, [[p[0] for p in r] for r in px], plte)
        return
    alpha = ctype in (4, 6) or key
    def pixel(p):
        rgb = [to8(s, depth) for s in (p[:3] if n >= 3 else p[:1] * 3)]
        a = to8(p[-1], depth) if ctype in (4, 6) else (0 if p[:len(keycol)] == keycol else 255)
        return rgb[::-1] + ([a] if alpha else [])
    write_bmp(os.path.join(OUT, name + '.bmp'), w, h, 32 if alpha else 24,
              [[c for p in r for c in pixel(p)] for r in px], [])

os.makedirs(OUT, exist_ok=True)
for depth in (1, 2, 4, 8):
    make('palette%d' % depth, 3, depth, key=depth >= 4)
    make('grey%d' % depth, 0, depth, key=depth == 4)
make('palette2_interlaced', 3, 2, interlace=1, w=11, h=10)
make('grey16', 0, 16)
make('grey16_key', 0, 16, key=True)
make('grey8_interlaced', 0, 8, interlace=1, w=1, h=5)
for depth in (8, 16):
    make('rgb%d' % depth, 2, depth)
    make('rgb%d_key' % depth, 2, depth, key=True)
    make('grey_alpha%d' % depth, 4, depth)
    make('rgba%d' % depth, 6, depth)
    make('rgba%d_interlaced' % depth, 6, depth, interlace=1, w=17, h=12)
make('rgb8_interlaced_key', 2, 8, key=True, interlace=1, w=9, h=9)
