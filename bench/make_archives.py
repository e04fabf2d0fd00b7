#!/usr/bin/env python3
"""Writes the benchmark archives deterministically.

big.zip  : about 200 MB in 40 files, half compressible text, half random bytes.
many.zip : about 20,000 files of 1 to 8 KB in 200 folders, with folder entries.
Entries carry MS-DOS attributes (0x20 files, 0x10 folders) as Windows makes them.
"""
import random
import sys
import zipfile
from pathlib import Path

DATE = (2013, 7, 16, 23, 40, 38)
WORDS = ("安装 程序 archive folder entry deflate stored progress window label button "
         "juniper maple larch cedar birch alder oak hazel elm fir").split()


def file_info(name, size_hint=0):
    info = zipfile.ZipInfo(name, DATE)
    info.create_system = 0
    info.external_attr = 0x10 if name.endswith("/") else 0x20
    info.compress_type = zipfile.ZIP_STORED if name.endswith("/") else zipfile.ZIP_DEFLATED
    return info


def text_bytes(rng, size):
    out = bytearray()
    while len(out) < size:
        line = " ".join(rng.choice(WORDS) for _ in range(12)) + "\r\n"
        out += line.encode("utf-8")
    return bytes(out[:size])


def write_big(path):
    rng = random.Random(1)
    with zipfile.ZipFile(path, "w", compresslevel=6) as archive:
        archive.writestr(file_info("big/"), b"")
        for i in range(40):
            size = 5 * 1024 * 1024
            data = text_bytes(rng, size) if i % 2 == 0 else rng.randbytes(size)
            archive.writestr(file_info(f"big/part{i:02d}.{'txt' if i % 2 == 0 else 'bin'}"), data)


def write_many(path):
    rng = random.Random(2)
    with zipfile.ZipFile(path, "w", compresslevel=6) as archive:
        archive.writestr(file_info("tree/"), b"")
        for folder in range(200):
            archive.writestr(file_info(f"tree/d{folder:03d}/"), b"")
            for index in range(100):
                size = rng.randint(1024, 8192)
                data = text_bytes(rng, size) if index % 2 == 0 else rng.randbytes(size)
                archive.writestr(file_info(f"tree/d{folder:03d}/f{index:03d}.dat"), data)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, writer in (("big.zip", write_big), ("many.zip", write_many)):
        target = out / name
        if not target.exists():
            partial = out / (name + ".part")
            writer(partial)
            partial.rename(target)


if __name__ == "__main__":
    main()
