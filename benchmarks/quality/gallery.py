#!/usr/bin/python3
"""Draws the README's methods gallery: two photographs converted by the real
program with every method it offers, side by side at 3x, each captioned.

    benchmarks/quality/gallery.py [--brivane PATH] [--tons G] [-o OUT.png] [PHOTO PHOTO]

By default: photos/astronaut.jpg and photos/raccoon.jpg into docs/dithering-methods.png.
Each row is one method; the first row is the fitted colour picture the methods
start from (as measure.py makes it), enlarged the same way.
"""
import argparse
import pathlib
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
import measure  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
SCALE = 3
PANEL = (measure.SCREEN[0] * SCALE, measure.SCREEN[1] * SCALE)
GAP, CAPTION = 12, 30
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
TITLES = {
    "seuil": "Seuil (sans tramage)",
    "floyd-steinberg": "Floyd-Steinberg",
    "atkinson": "Atkinson",
    "bayer": "Bayer 8 x 8",
    "jarvis": "Jarvis-Judice-Ninke",
    "stucki": "Stucki",
    "sierra": "Sierra",
    "bruit-bleu": "Bruit bleu",
    "optimal": "Optimal",
}


def panel(picture, caption, font):
    """The picture enlarged SCALE times (each pixel a square), centred over its caption."""
    cell = Image.new("RGB", (PANEL[0], PANEL[1] + CAPTION), "white")
    big = picture.resize((picture.width * SCALE, picture.height * SCALE), Image.NEAREST)
    cell.paste(big, ((PANEL[0] - big.width) // 2, (PANEL[1] - big.height) // 2))
    draw = ImageDraw.Draw(cell)
    width = draw.textlength(caption, font=font)
    draw.text(((PANEL[0] - width) / 2, PANEL[1] + 4), caption, fill="black", font=font)
    return cell


def main():
    parser = argparse.ArgumentParser(description="Galerie des méthodes de tramage.")
    parser.add_argument("photos", nargs="*", type=pathlib.Path,
                        default=[HERE / "photos" / "astronaut.jpg", HERE / "photos" / "raccoon.jpg"])
    parser.add_argument("--brivane", help="le programme (par défaut build/test/src/brivane)")
    parser.add_argument("--tons", type=float, help="courbe de tons G des méthodes (--tons)")
    parser.add_argument("-o", "--sortie", type=pathlib.Path,
                        default=measure.ROOT / "docs" / "dithering-methods.png")
    args = parser.parse_args()

    photos = [measure.Photo(p) for p in args.photos]
    brivane = measure.Brivane(measure.find_brivane(args.brivane))
    tones = args.tons if brivane.has_tones else None
    rows = [("Photo (ajustée)", {p.name: Image.fromarray(p.fitted) for p in photos})]
    for method in [None] + brivane.methods:
        bits, _ = brivane.convert(photos, method, tones)
        pictures = {name: Image.fromarray(np.where(b, 0, 255).astype(np.uint8)).convert("RGB")
                    for name, b in bits.items()}
        rows.append((TITLES.get(method or "seuil", method), pictures))

    font = ImageFont.truetype(FONT, 20)
    cell_w, cell_h = PANEL[0] + GAP, PANEL[1] + CAPTION + GAP
    sheet = Image.new("RGB", (cell_w * len(photos) + GAP, cell_h * len(rows) + GAP), "white")
    for r, (title, pictures) in enumerate(rows):
        for c, p in enumerate(photos):
            sheet.paste(panel(pictures[p.name], title, font), (GAP + c * cell_w, GAP + r * cell_h))
    args.sortie.parent.mkdir(parents=True, exist_ok=True)
    sheet.save(args.sortie, optimize=True)
    print(f"Image : {args.sortie} ({sheet.width} x {sheet.height})")


if __name__ == "__main__":
    main()
