#!/usr/bin/python3
"""Rebuilds benchmarks/quality/photos from public-domain pictures that Debian's
packages ship (see photos/SOURCES.txt), plus one illustration drawn here.

Each photograph is shrunk (Lanczos) to at most 400 px on its long side and saved
as JPEG quality 85, so that the set stays small in the repository.

    benchmarks/quality/deps --photos && benchmarks/quality/make_photos.py
"""
import math
import pathlib
import subprocess
import sys
import tempfile
import warnings

from PIL import Image, ImageDraw, ImageFilter

HERE = pathlib.Path(__file__).resolve().parent
PHOTOS = HERE / "photos"
LONG_SIDE = 400

# (file in the repository, Debian package, path inside the package)
FROM_PACKAGES = [
    ("astronaut.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/astronaut.png"),
    ("cat.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/chelsea.png"),
    ("coffee.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/coffee.png"),
    ("camera.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/camera.png"),
    ("coins.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/coins.png"),
    ("page.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/page.png"),
    ("rocket.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/rocket.jpg"),
    ("hubble.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/hubble_deep_field.jpg"),
    ("tissue.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/ihc.png"),
    ("retina.jpg", "python3-skimage", "usr/lib/python3/dist-packages/skimage/data/retina.jpg"),
    ("hopper.jpg", "python-matplotlib-data", "usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg"),
]


def shrink(image):
    scale = LONG_SIDE / max(image.size)
    if scale < 1:
        size = (round(image.width * scale), round(image.height * scale))
        image = image.resize(size, Image.LANCZOS)
    return image


def save(image, name):
    image = shrink(image)
    if image.mode not in ("L", "RGB"):
        image = image.convert("RGB")
    image.save(PHOTOS / name, quality=85, optimize=True)
    print(f"{name}: {image.width} x {image.height}")


def from_packages():
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        work.chmod(0o777)  # apt-get downloads as its own user when it can
        for package in sorted({p for _, p, _ in FROM_PACKAGES}):
            subprocess.run(["apt-get", "download", package], cwd=work, check=True,
                           stdout=subprocess.DEVNULL)
            deb = next(work.glob(package + "_*.deb"))
            subprocess.run(["dpkg-deb", "-x", str(deb), str(work / package)], check=True)
        for name, package, path in FROM_PACKAGES:
            save(Image.open(work / package / path), name)


def from_scipy():
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        import scipy.misc
        face = scipy.misc.face()
        ascent = scipy.misc.ascent()
    save(Image.fromarray(face), "raccoon.jpg")
    save(Image.fromarray(ascent.clip(0, 255).astype("uint8")), "stairs.jpg")


def ellipse_points(cx, cy, rx, ry, angle, steps=72):
    c, s = math.cos(angle), math.sin(angle)
    points = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        points.append((cx + x * c - y * s, cy + x * s + y * c))
    return points


def flower():
    """A yellow flower on green leaves, drawn at 4x and shrunk (smooth edges).
    Its yellow and its greens have close (r + g + b) / 3 but far-apart light."""
    k = 4
    w, h = 400 * k, 250 * k
    image = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(image)
    for y in range(h):  # a soft green backdrop, lighter at the top
        t = y / h
        draw.line([(0, y), (w, y)], fill=(int(70 - 30 * t), int(120 - 50 * t), int(60 - 25 * t)))
    leaves = [(60, 200, 120, 40, -0.5, (46, 125, 50)), (330, 60, 110, 38, 0.6, (56, 142, 60)),
              (110, 70, 100, 34, 0.4, (85, 139, 47)), (300, 210, 130, 42, -0.3, (27, 94, 32)),
              (200, 225, 90, 30, 0.1, (67, 160, 71)), (360, 150, 80, 28, 1.2, (104, 159, 56)),
              (30, 110, 70, 26, 1.0, (51, 105, 30))]
    for cx, cy, rx, ry, angle, colour in leaves:
        draw.polygon([(x * k, y * k) for x, y in ellipse_points(cx, cy, rx, ry, angle)], fill=colour)
        dark = tuple(int(c * 0.7) for c in colour)  # the midrib
        dx, dy = math.cos(angle) * rx * k, math.sin(angle) * rx * k
        draw.line([(cx * k - dx, cy * k - dy), (cx * k + dx, cy * k + dy)], fill=dark, width=3 * k)
    cx, cy = 205, 120
    for i in range(12):  # petals, alternately lighter and deeper yellow
        a = 2 * math.pi * i / 12
        px, py = cx + 52 * math.cos(a), cy + 52 * math.sin(a)
        colour = (253, 216, 53) if i % 2 else (251, 192, 45)
        draw.polygon([(x * k, y * k) for x, y in ellipse_points(px, py, 48, 17, a)], fill=colour,
                     outline=(230, 160, 20), width=k)
    draw.ellipse([(cx - 30) * k, (cy - 30) * k, (cx + 30) * k, (cy + 30) * k], fill=(121, 85, 72))
    for i in range(40):  # seeds in a sunflower spiral
        r, a = 3.6 * math.sqrt(i), i * 2.39996
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        draw.ellipse([(x - 2) * k, (y - 2) * k, (x + 2) * k, (y + 2) * k], fill=(78, 52, 46))
    image = image.filter(ImageFilter.GaussianBlur(k / 2)).resize((400, 250), Image.LANCZOS)
    image.save(PHOTOS / "flower.png", optimize=True)
    print("flower.png: 400 x 250")


def main():
    PHOTOS.mkdir(exist_ok=True)
    if "--dessin" not in sys.argv:
        from_packages()
        from_scipy()
    flower()


if __name__ == "__main__":
    main()
