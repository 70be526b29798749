#!/usr/bin/python3
"""How well each black-and-white method renders photographs at 160 x 100, against
ImageMagick and Pillow. See README.md beside this file.

    benchmarks/quality/measure.py [--brivane PATH] [--tons G | --balayer [--valeurs G,...]]
                                  [--markdown] [PHOTO...]

Every picture is fitted into 160 x 100 keeping its proportions, exactly as
"brivane convertir --proportions" fits it (the longer side fills the screen, the
other is int(160 * h / w) or int(100 * w / h); each output pixel takes a block of
source pixels, a run per axis, source index j going to ((2j + 1) D - 1) div (2S)).
On that fit:
- reference: the source's luminance in linear light (sRGB decoded, Rec. 709
  weights), averaged over each output pixel's block;
- result: the method's 1-bit picture as light (white 1, black 0);
- both blurred by the same Gaussian (sigma 1.2, 11 x 11, reflected edges);
- PSNR of the blurred lights (peak 1), and SSIM (Gaussian windows sigma 1.5,
  11 x 11, reflected edges, averaged over every pixel) of the blurred lights
  encoded to sRGB.
Our program converts the photo file itself. The peers (ImageMagick's threshold,
Floyd-Steinberg on the colour and on the grey picture, Riemersma and ordered 8x8;
Pillow's Floyd-Steinberg) get the colour picture our program dithers: each
block's rounded mean of the sRGB code values, the same box reduction, made here
and handed over as a lossless PNG.
"""
import argparse
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

import numpy as np
from PIL import Image

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SCREEN = (160, 100)
CONVERT = "/usr/bin/convert"  # the packaged ImageMagick, whatever PATH holds

# The peers: ImageMagick commands on the fitted colour picture, then Pillow. The
# diffusions remap to a black-and-white palette (pattern:gray50 holds just those
# two); "-monochrome" first reduces to two picked greys and scores far lower.
BLACK_WHITE = ["-remap", "pattern:gray50"]
MAGICK = {
    "im-seuil": ["-colorspace", "Gray", "-threshold", "50%"],
    "im-fs": ["-dither", "FloydSteinberg"] + BLACK_WHITE,
    "im-fs-gris": ["-colorspace", "Gray", "-dither", "FloydSteinberg"] + BLACK_WHITE,
    "im-riemersma": ["-dither", "Riemersma"] + BLACK_WHITE,
    "im-o8x8": ["-colorspace", "Gray", "-ordered-dither", "o8x8"],
}
PEERS = list(MAGICK) + ["pillow-fs"]
# Our error-diffusion methods, those the tone sweep varies.
DIFFUSION = ["floyd-steinberg", "atkinson", "jarvis", "stucki", "sierra"]
SWEEP = [1.0, 1.3, 1.6, 2.2]


# --- Light -----------------------------------------------------------------

def decode(code):
    """sRGB code values 0..1 to linear light."""
    return np.where(code <= 0.04045, code / 12.92, ((code + 0.055) / 1.055) ** 2.4)


def encode(light):
    light = np.clip(light, 0.0, 1.0)
    return np.where(light <= 0.0031308, light * 12.92, 1.055 * light ** (1 / 2.4) - 0.055)


def luminance(rgb):
    """Linear-light luminance of an RGB array of code values 0..255."""
    lin = decode(rgb.astype(np.float64) / 255.0)
    return lin @ np.array([0.2126, 0.7152, 0.0722])


# --- The fit ---------------------------------------------------------------

def fit_size(width, height):
    """The fitted size of a width x height picture in 160 x 100, as the program's."""
    sw, sh = SCREEN
    rw, rh = width / sw, height / sh
    if rh < rw:
        return sw, max(1, int(sw * (height / width)))
    if rh > rw:
        return max(1, int(sh * (width / height))), sh
    return sw, sh


def run_starts(source, destination):
    """The first source index of each destination index (shrinking only)."""
    if destination >= source:
        sys.exit(f"Image trop petite pour la mesure : {source} pixels pour {destination}.")
    dest = ((2 * np.arange(source) + 1) * destination - 1) // (2 * source)
    return np.searchsorted(dest, np.arange(destination))


def block_sums(array, rows, cols):
    return np.add.reduceat(np.add.reduceat(array, rows, axis=0), cols, axis=1)


class Photo:
    def __init__(self, path):
        self.path = path
        self.name = path.stem
        rgb = np.asarray(Image.open(path).convert("RGB"), dtype=np.int64)
        h, w = rgb.shape[:2]
        self.width, self.height = fit_size(w, h)
        rows = run_starts(h, self.height)
        cols = run_starts(w, self.width)
        counts = np.outer(np.diff(np.append(rows, h)), np.diff(np.append(cols, w)))
        # The colour picture the program dithers: each channel's rounded block mean.
        sums = block_sums(rgb, rows, cols)
        self.fitted = ((sums + counts[..., None] // 2) // counts[..., None]).astype(np.uint8)
        self.reference = block_sums(luminance(rgb), rows, cols) / counts
        self.blurred_reference = blur(self.reference)


# --- The measures ----------------------------------------------------------

def gaussian(sigma, size=11):
    x = np.arange(size) - size // 2
    k = np.exp(-x * x / (2 * sigma * sigma))
    return k / k.sum()


def filter2(image, kernel):
    """Separable filter, reflected edges (the edge pixel repeated: d c b a | a b c d)."""
    r = len(kernel) // 2
    padded = np.pad(image, r, mode="symmetric")
    h, w = image.shape
    rows = sum(kernel[i] * padded[i:i + h, :] for i in range(len(kernel)))
    return sum(kernel[i] * rows[:, i:i + w] for i in range(len(kernel)))


EYE = gaussian(1.2)
WINDOW = gaussian(1.5)


def blur(light):
    return filter2(light, EYE)


def psnr(a, b):
    mse = np.mean((a - b) ** 2)
    return 99.0 if mse == 0 else 10 * np.log10(1.0 / mse)


def ssim(a, b):
    c1, c2 = 0.01 ** 2, 0.03 ** 2
    ma, mb = filter2(a, WINDOW), filter2(b, WINDOW)
    va = filter2(a * a, WINDOW) - ma * ma
    vb = filter2(b * b, WINDOW) - mb * mb
    cov = filter2(a * b, WINDOW) - ma * mb
    m = ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2))
    return float(m.mean())


def measure(photo, bits):
    """bits: h x w booleans, True for black. Returns (PSNR, SSIM)."""
    if bits.shape != photo.reference.shape:
        sys.exit(f"{photo.name} : résultat de {bits.shape[1]} x {bits.shape[0]}, "
                 f"attendu {photo.width} x {photo.height}.")
    result = blur(np.where(bits, 0.0, 1.0))
    ref = photo.blurred_reference
    return psnr(result, ref), ssim(encode(result), encode(ref))


# --- Our program -----------------------------------------------------------

def read_89i(path):
    data = pathlib.Path(path).read_bytes()
    height = int.from_bytes(data[88:90], "big")
    width = int.from_bytes(data[90:92], "big")
    stride = (width + 7) // 8
    rows = np.frombuffer(data[92:92 + stride * height], dtype=np.uint8).reshape(height, stride)
    return np.unpackbits(rows, axis=1)[:, :width].astype(bool)


class Brivane:
    def __init__(self, path):
        self.path = str(path)
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        help_text = self.run(["convertir", "--help"]).stdout
        tones = re.search(r"\n\s*--tons.*?(?=\n  -|\n\n|\Z)", help_text, re.S)
        self.has_tones = tones is not None
        self.tones_help = " ".join(tones.group(0).split()) if tones else ""
        self.methods = self.find_methods(help_text)

    def run(self, args, check=True):
        return subprocess.run([self.path] + args, env=self.env, capture_output=True, text=True,
                              check=check)

    def find_methods(self, help_text):
        """The names --tramage takes: the words of its help that the program accepts."""
        block = re.search(r"--tramage.*?(?=\n  -|\n\n|\Z)", help_text, re.S)
        if not block:
            return []
        words = dict.fromkeys(re.findall(r"[a-z][a-z0-9]*(?:-[a-z0-9]+)*", block.group(0)))
        methods = []
        with tempfile.TemporaryDirectory() as work:
            probe = pathlib.Path(work, "probe.png")
            Image.new("RGB", (8, 8), (128, 128, 128)).save(probe)
            for word in words:
                if len(word) < 4 or word == "tramage":
                    continue
                done = self.run(["convertir", "--tramage", word, "-o", str(pathlib.Path(work, "p.89i")),
                                 str(probe)], check=False)
                if done.returncode == 0:
                    methods.append(word)
        return methods

    def convert(self, photos, method=None, tones=None):
        """Converts every photo in one call on one core; returns ({name: bits}, seconds)."""
        args = ["convertir", "--proportions", "--largeur", str(SCREEN[0]), "--hauteur", str(SCREEN[1]),
                "-j", "1"]
        if method:
            args += ["--tramage", method]
        if tones is not None:
            args += ["--tons", f"{tones:g}"]
        with tempfile.TemporaryDirectory() as out:
            start = time.perf_counter()
            self.run(args + ["-o", out] + [str(p.path) for p in photos])
            seconds = time.perf_counter() - start
            return {p.name: read_89i(pathlib.Path(out, p.name + ".89i")) for p in photos}, seconds


def check_fit(photos, threshold):
    """The program's threshold files against its plain grey-level rule, (r + g + b + 1)
    div 3 black up to 127, on the fitted picture the peers get: equal when both fit
    and decode alike."""
    for p in photos:
        grey = (p.fitted.astype(np.int64).sum(axis=2) + 1) // 3
        differ = int(np.count_nonzero((grey <= 127) != threshold[p.name]))
        if differ:
            print(f"Attention : {p.name}, le seuil du programme diffère de l'image ajustée "
                  f"des pairs sur {differ} pixels.")


# --- The peers -------------------------------------------------------------

def peer_bits(photos, work):
    """{photo name: {peer: bits}}; one ImageMagick call per method for all photos."""
    inputs = []
    for p in photos:
        inputs.append(str(pathlib.Path(work, p.name + ".png")))
        Image.fromarray(p.fitted).save(inputs[-1])
    bits = {p.name: {} for p in photos}
    for name, options in MAGICK.items():
        out = str(pathlib.Path(work, name + "-%d.png"))  # its PBM writer is slow
        subprocess.run([CONVERT] + inputs + options + [out], check=True,
                       env=dict(os.environ, MAGICK_THREAD_LIMIT="1"))
        for i, p in enumerate(photos):
            grey = np.asarray(Image.open(out % i).convert("L"))
            if not np.isin(grey, (0, 255)).all():
                sys.exit(f"ImageMagick ({name}) a rendu des gris pour {p.name}.")
            bits[p.name][name] = grey < 128
    for p in photos:
        bits[p.name]["pillow-fs"] = np.asarray(Image.fromarray(p.fitted).convert("1").convert("L")) < 128
    return bits


# --- Tables ----------------------------------------------------------------

def table(title, photos, columns, scores, index, digits, markdown):
    """One measure: rows photos, our columns then the peers and their best; a value
    above every peer's is marked (a '*', in Markdown bold)."""
    ours = [c for c in columns if c not in PEERS]
    heads = ["photo"] + columns + ["meilleur pair"]
    lines = []
    for photo in photos:
        row = scores[photo.name]
        best = max(row[p][index] for p in PEERS)
        cells = [photo.name]
        for c in columns:
            v, text = row[c][index], f"{row[c][index]:.{digits}f}"
            if c in ours and v > best:
                text = f"**{text}**" if markdown else text + "*"
            cells.append(text)
        cells.append(f"{best:.{digits}f}")
        lines.append(cells)
    mean = ["moyenne"] + [f"{np.mean([scores[p.name][c][index] for p in photos]):.{digits}f}"
                          for c in columns]
    mean.append(f"{np.mean([max(scores[p.name][q][index] for q in PEERS) for p in photos]):.{digits}f}")
    lines.append(mean)
    print(f"\n{title}\n")
    render(heads, lines, markdown)


def render(heads, lines, markdown):
    if markdown:
        print("| " + " | ".join(heads) + " |")
        print("|" + "|".join(["---"] + ["---:"] * (len(heads) - 1)) + "|")
        for cells in lines:
            print("| " + " | ".join(cells) + " |")
        return
    widths = [max(len(h), *(len(c[i]) for c in lines)) for i, h in enumerate(heads)]
    print("  ".join(h.rjust(w) if i else h.ljust(w) for i, (h, w) in enumerate(zip(heads, widths))))
    for cells in lines:
        print("  ".join(c.rjust(w) if i else c.ljust(w) for i, (c, w) in enumerate(zip(cells, widths))))


def wins(photos, scores, method):
    """Photos where the method beats every peer on both measures."""
    return sum(all(scores[p.name][method][i] > max(scores[p.name][q][i] for q in PEERS) for i in (0, 1))
               for p in photos)


# --- Runs ------------------------------------------------------------------

def find_brivane(path):
    if path:
        return path
    build = ROOT / "build" / "test" / "src" / "brivane"
    if not build.exists():
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(ROOT / "build" / "test"), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DBRIVANE_TESTS=OFF",
                        "-DBRIVANE_BENCHMARKS=OFF"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", str(ROOT / "build" / "test"), "--target", "brivane"], check=True)
    return build


def main():
    parser = argparse.ArgumentParser(description="Mesure la qualité des méthodes noir et blanc.")
    parser.add_argument("photos", nargs="*", type=pathlib.Path, help="images (par défaut photos/)")
    parser.add_argument("--brivane", help="le programme à mesurer (par défaut build/test/src/brivane)")
    parser.add_argument("--tons", type=float,
                        help="passe --tons G à chaque méthode tramée (sinon, le défaut du programme)")
    parser.add_argument("--balayer", action="store_true",
                        help="balaye la courbe de tons G des méthodes à diffusion d'erreur")
    parser.add_argument("--valeurs", type=lambda t: [float(v) for v in t.split(",")], default=SWEEP,
                        help="les G du balayage, séparés par des virgules (1,1.3,1.6,2.2 par défaut)")
    parser.add_argument("--markdown", action="store_true", help="tableaux en Markdown")
    args = parser.parse_args()

    paths = args.photos or sorted(p for p in (HERE / "photos").iterdir() if p.suffix in (".jpg", ".png"))
    photos = [Photo(p) for p in paths]
    brivane = Brivane(find_brivane(args.brivane))
    print(f"Programme : {brivane.path}")
    print(f"Méthodes : seuil (sans --tramage), {', '.join(brivane.methods)}"
          + ("; pas de --tons" if not brivane.has_tones else ""))
    if brivane.has_tones:
        print(f"Tons : {brivane.tones_help}" + (f" ; mesurés à G = {args.tons:g}" if args.tons else ""))
    print(f"Photos : {len(photos)} ({', '.join(f'{p.name} {p.width}x{p.height}' for p in photos)})")

    scores = {p.name: {} for p in photos}
    with tempfile.TemporaryDirectory() as work:
        for name, peers in peer_bits(photos, work).items():
            photo = next(p for p in photos if p.name == name)
            for peer, bits in peers.items():
                scores[name][peer] = measure(photo, bits)

    def ours(label, method=None, tones=None):
        results, seconds = brivane.convert(photos, method, tones)
        for p in photos:
            scores[p.name][label] = measure(p, results[p.name])
        if method is None:
            check_fit(photos, results)
        return seconds / len(photos)

    if args.tons is not None and not brivane.has_tones:
        sys.exit("Ce programme n'a pas --tons.")
    if args.balayer:
        ours("seuil")
        sweep(brivane, photos, scores, ours, args.valeurs, args.markdown)
        return

    times = {"seuil": ours("seuil")}  # checks the fit too
    for m in brivane.methods:
        times[m] = ours(m, m, args.tons)
    columns = list(times) + PEERS
    table("PSNR (dB) de la lumière floutée", photos, columns, scores, 0, 2, args.markdown)
    table("SSIM (structure perçue)", photos, columns, scores, 1, 3, args.markdown)
    print("\nPhotos où la méthode bat tous les pairs sur les deux mesures, "
          "et temps par photo (un cœur, démarrage du programme compris)\n")
    render(["méthode", "victoires", "ms/photo"],
           [[m, f"{wins(photos, scores, m)}/{len(photos)}", f"{times[m] * 1000:.0f}"] for m in times],
           args.markdown)


def sweep(brivane, photos, scores, ours, values, markdown):
    if not brivane.has_tones:
        sys.exit("Ce programme n'a pas --tons : pas de balayage possible.")
    methods = [m for m in DIFFUSION if m in brivane.methods]
    lines, total = [], {}
    for m in methods:
        for g in values:
            label = f"{m} G={g:g}"
            ours(label, m, g)
            w = wins(photos, scores, label)
            total[g] = total.get(g, 0) + w
            psnrs = [scores[p.name][label][0] for p in photos]
            ssims = [scores[p.name][label][1] for p in photos]
            lines.append([m, f"{g:g}", f"{np.mean(psnrs):.2f}", f"{np.mean(ssims):.3f}",
                          f"{min(ssims):.3f}", f"{w}/{len(photos)}"])
    print("\nBalayage de la courbe de tons (moyennes sur les photos; victoires : "
          "bat tous les pairs sur les deux mesures)\n")
    render(["méthode", "G", "PSNR", "SSIM", "SSIM min", "victoires"], lines, markdown)
    best_peer = [f"{np.mean([max(scores[p.name][q][i] for q in PEERS) for p in photos]):.{d}f}"
                 for i, d in ((0, 2), (1, 3))]
    print(f"\nMeilleur pair, moyenne : PSNR {best_peer[0]}, SSIM {best_peer[1]}")
    mean_ssim = {g: np.mean([scores[p.name][f"{m} G={g:g}"][1] for m in methods for p in photos])
                 for g in values}
    best = max(values, key=lambda g: (total[g], mean_ssim[g]))
    print("Victoires par G, toutes méthodes à diffusion : "
          + ", ".join(f"G={g:g} {total[g]}" for g in values))
    print(f"G suggéré par défaut : {best:g} (le plus de victoires, puis la meilleure SSIM moyenne)")


if __name__ == "__main__":
    main()
