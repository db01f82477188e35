"""Writes the skin's PNG glyphs and the background as a PPM for the JPEG encoder.

usage: make_images.py OUT_DIR BACKGROUND_PPM
"""

import os
import sys

import background
import glyphs


def main():
    out_dir, ppm_path = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    for name, (w, h, rgba) in sorted(glyphs.all_glyphs().items()):
        assert len(rgba) == h and all(len(r) == w for r in rgba), name
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(glyphs.png_bytes(w, h, rgba))
    with open(ppm_path, "wb") as f:
        f.write(background.to_ppm(background.render()))


if __name__ == "__main__":
    main()
