"""What a screenshot shows of the board: PNG (as weston writes them) or PPM.

Usage:
  picture.py board AFTER BEFORE TOP
      The bounding box "x y w h" of what changed between two pictures of
      the same screen, ignoring the rows above TOP (a panel with a clock).
  picture.py triangle PICTURE X Y W H SCALE BACKGROUND [smooth]
      Checks the window's rectangle (X, Y, W, H) of PICTURE: every pixel
      clearly outside the board's triangle and its balls shows the picture BACKGROUND
      (the same screen without the game); with `smooth`, the triangle's
      slanted edges are softened (pixels between the wood and the desktop).
  picture.py changed-outside AFTER BEFORE X Y W H
      How many pixels changed outside the rectangle.
  picture.py pixel PICTURE X Y
      The pixel's "r g b".
  picture.py disc PICTURE X Y R RRGGBB
      How many pixels of the disc show the colour (the desktop's, say).
"""
import struct
import sys
import zlib


def read_picture(path):
    data = open(path, "rb").read()
    if data.startswith(b"P6"):
        fields, at = [], 2
        while len(fields) < 3:
            while data[at : at + 1].isspace():
                at += 1
            end = at
            while not data[end : end + 1].isspace():
                end += 1
            fields.append(int(data[at:end]))
            at = end
        w, h, _ = fields
        rgb = data[at + 1 : at + 1 + w * h * 3]
        return w, h, [rgb[i * w * 3 : (i + 1) * w * 3] for i in range(h)], 3
    if not data.startswith(b"\x89PNG"):
        sys.exit(f"{path}: neither PNG nor PPM")
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at : at + 8])
        body = data[at + 8 : at + 8 + length]
        if kind == b"IHDR":
            w, h, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                sys.exit(f"{path}: only 8-bit RGB or RGBA, not interlaced")
            bpp = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw, rows, prev = zlib.decompress(idat), [], bytearray(w * bpp)
    for y in range(h):
        line = raw[y * (w * bpp + 1) : (y + 1) * (w * bpp + 1)]
        kind, row = line[0], bytearray(line[1:])
        for i in range(len(row)):
            a = row[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(row))
        prev = row
    return w, h, rows, bpp


def pixel(picture, x, y):
    _, _, rows, bpp = picture
    return tuple(rows[y][x * bpp : x * bpp + 3])


def differs(p, q, tolerance=24):
    return sum(abs(a - b) for a, b in zip(p, q)) > tolerance


def inside_by(x, y, corners):
    """How far (x, y) lies inside the triangle, in pixels; negative outside."""
    best = None
    for (x1, y1), (x2, y2) in zip(corners, corners[1:] + corners[:1]):
        ex, ey = x2 - x1, y2 - y1
        d = (ex * (y - y1) - ey * (x - x1)) / (ex * ex + ey * ey) ** 0.5
        best = d if best is None else min(best, d)
    return best


def board(after_path, before_path, top):
    after, before = read_picture(after_path), read_picture(before_path)
    xs, ys = [], []
    for y in range(int(top), after[1]):
        for x in range(after[0]):
            if differs(pixel(after, x, y), pixel(before, x, y)):
                xs.append(x)
                ys.append(y)
    if not xs:
        sys.exit("nothing changed")
    print(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


# The holes of the 5-row board (left, top, in designed pixels): the balls in
# them are shown whole, and some reach a little past the triangle.
HOLES = [(130, 14), (153, 56), (101, 56), (177, 98), (130, 98), (73, 98), (201, 140),
         (101, 140), (153, 140), (45, 140), (225, 182), (130, 182), (73, 182), (177, 182),
         (17, 182)]


def on_a_ball(x, y, scale):
    return any((x - (left + 14.5) * scale) ** 2 + (y - (top + 14.5) * scale) ** 2
               <= (15 * scale) ** 2 for left, top in HOLES)


def triangle(path, x0, y0, w, h, scale, background_path, smooth=None):
    shot, background = read_picture(path), read_picture(background_path)
    x0, y0, w, h, scale = int(x0), int(y0), int(w), int(h), float(scale)
    # The window's triangle (apex, bottom right, bottom left), in pixels of the
    # screen; corners as the game computes them for its 287 x 222 window.
    corners = [(146 * scale, 0), (287 * scale, 222 * scale), (3 * scale, 222 * scale)]
    stray, wood, soft, white = 0, 0, 0, 0
    for y in range(h):
        for x in range(w):
            here = pixel(shot, x0 + x, y0 + y)
            depth = inside_by(x + 0.5, y + 0.5, corners)
            if depth < -2 * scale and not on_a_ball(x + 0.5, y + 0.5, scale):
                stray += differs(here, pixel(background, x0 + x, y0 + y))
            elif depth > 2 * scale:
                wood += 1
            # A fringe just outside the edge: white that nothing paints.
            if -4 * scale < depth < 0 and min(here) > 230 and min(pixel(background, x0 + x, y0 + y)) <= 230:
                white += 1
    # Softened edges: along rows across the left edge, a pixel whose
    # brightness lies between the desktop's and the wood's two pixels on.
    def light(p):
        return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]

    for y in range(int(40 * scale), int(200 * scale), max(1, int(10 * scale))):
        edge = int(3 * scale + (146 - 3) * scale * (1 - (y + 0.5) / (222 * scale)))
        desk = light(pixel(background, x0 + edge - 4, y0 + y))
        for dx in (-2, -1, 0, 1):
            here = light(pixel(shot, x0 + edge + dx, y0 + y))
            wood_on = light(pixel(shot, x0 + edge + dx + 2, y0 + y))
            margin = abs(wood_on - desk) / 8
            if abs(wood_on - desk) > 40 and min(desk, wood_on) + margin < here < max(desk, wood_on) - margin:
                soft += 1
                break
    print(f"stray pixels {stray}, wood pixels {wood}, softened edge rows {soft}, white fringe {white}")
    if wood < 0.4 * w * h:
        sys.exit("the board is not there")
    if white:
        sys.exit(f"{white} white pixels fringe the triangle's edge")
    if stray:
        sys.exit(f"{stray} pixels drawn outside the triangle")
    if smooth and soft < 5:
        sys.exit("the triangle's edges are not softened")


def changed_outside(after_path, before_path, x0, y0, w, h):
    after, before = read_picture(after_path), read_picture(before_path)
    x0, y0, w, h = int(x0), int(y0), int(w), int(h)
    count = 0
    for y in range(after[1]):
        for x in range(after[0]):
            if x0 <= x < x0 + w and y0 <= y < y0 + h:
                continue
            count += differs(pixel(after, x, y), pixel(before, x, y))
    print(count)


def disc(path, x, y, r, colour):
    picture = read_picture(path)
    x, y, r = int(x), int(y), int(r)
    want = tuple(int(colour[i : i + 2], 16) for i in (0, 2, 4))
    count = 0
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy <= r * r and 0 <= x + dx < picture[0] and 0 <= y + dy < picture[1]:
                count += not differs(pixel(picture, x + dx, y + dy), want)
    print(count)


def print_pixel(path, x, y):
    print(*pixel(read_picture(path), int(x), int(y)))


if __name__ == "__main__":
    commands = {
        "board": board,
        "triangle": triangle,
        "changed-outside": changed_outside,
        "pixel": print_pixel,
        "disc": disc,
    }
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    commands[sys.argv[1]](*sys.argv[2:])
