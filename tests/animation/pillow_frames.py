"""Decodes a GIF with Pillow and writes each frame as raw RGB bytes.

usage: pillow_frames.py GIF OUTDIR
Prints "width height" of the logical screen, then "width height" of every frame as
Pillow returns it, and writes OUTDIR/frame_<n>.rgb (RGB rows, top first).
"""
import sys

from PIL import Image, ImageSequence


def main():
    path, out = sys.argv[1], sys.argv[2]
    with Image.open(path) as im:
        print(im.size[0], im.size[1])
        for n, frame in enumerate(ImageSequence.Iterator(im)):
            rgb = frame.convert("RGB")
            with open(f"{out}/frame_{n}.rgb", "wb") as f:
                f.write(rgb.tobytes())
            print(rgb.size[0], rgb.size[1])


if __name__ == "__main__":
    main()
