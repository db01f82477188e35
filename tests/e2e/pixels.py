#!/usr/bin/env python3
"""Pixel questions the end-to-end scripts ask of screenshots (binary PPM, as
`import -depth 8 ppm:FILE` writes them). Rectangles are l t r b on the screen.

  pixels.py changed A B l t r b vertical|horizontal
      first and last index along the rectangle's middle line where A and B
      differ (rows for vertical, columns for horizontal), or "none"
  pixels.py rim-accent A l t r b
      how many pixels of the rectangle's outer two rings are the accent's green
  pixels.py area-accent A l t r b
      how many pixels of the whole rectangle are the accent's green
  pixels.py focus-accents A dx dy < lines
      for each line "CLASS l t r b" (offset by dx, dy): the accent pixels where
      a focus look lies (a tab control rings its selected tab, inside its
      rectangle; every other control its outer two rings), one number a line
"""
import sys


def load(path):
    data = open(path, 'rb').read()
    parts, pos = [], 0
    while len(parts) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        parts.append(data[start:pos])
    width = int(parts[1])
    pixels = data[pos + 1:]

    def at(x, y):
        i = 3 * (y * width + x)
        return pixels[i], pixels[i + 1], pixels[i + 2]
    return at


def differ(p, q):
    return sum(abs(a - b) for a, b in zip(p, q)) > 30


def accent(pixel):
    red, green, blue = pixel
    return green - (red + blue) // 2 > 40


def rim(l, t, r, b):
    for y in range(t, b):
        for x in range(l, r):
            if x < l + 2 or y < t + 2 or x >= r - 2 or y >= b - 2:
                yield x, y


def main(argv):
    command = argv[1]
    if command == 'changed':
        a, b = load(argv[2]), load(argv[3])
        l, t, r, bot = map(int, argv[4:8])
        if argv[8] == 'vertical':
            points = [((l + r) // 2, y) for y in range(t, bot)]
        else:
            points = [(x, (t + bot) // 2) for x in range(l, r)]
        hits = [i for i, (x, y) in enumerate(points) if differ(a(x, y), b(x, y))]
        print(f'{hits[0]} {hits[-1]}' if hits else 'none')
    elif command == 'rim-accent':
        a = load(argv[2])
        print(sum(accent(a(x, y)) for x, y in rim(*map(int, argv[3:7]))))
    elif command == 'area-accent':
        a = load(argv[2])
        l, t, r, b = map(int, argv[3:7])
        count = 0
        for y in range(t, b):
            for x in range(l, r):
                count += accent(a(x, y))
        print(count)
    elif command == 'focus-accents':
        a = load(argv[2])
        dx, dy = int(argv[3]), int(argv[4])
        for line in sys.stdin.read().splitlines():
            cls, *box = line.split()
            l, t, r, b = map(int, box)
            l, t, r, b = l + dx, t + dy, r + dx, b + dy
            if cls == 'SysTabControl32':
                points = ((x, y) for y in range(t, b) for x in range(l, r))
            else:
                points = rim(l, t, r, b)
            print(sum(accent(a(x, y)) for x, y in points))
    else:
        sys.exit(f'unknown command {command}')


if __name__ == '__main__':
    main(sys.argv)
