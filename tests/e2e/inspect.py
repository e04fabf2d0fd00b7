#!/usr/bin/env python3
"""What the end-to-end tests read from disk after an installation.

  inspect.py tree ARCHIVE FOLDER   every entry of the ZIP archive is in FOLDER
                                   with its bytes, its write time and normal
                                   attributes; prints each fault, exits 1 on any
  inspect.py lnk-target FILE       the target path stored in a shell link, as
                                   UTF-8 (the link stores code-page-936 bytes)

Entry names and link paths are code-page-936 bytes; Wine names the files on
the Linux side in UTF-8. Under Wine, read-only is a missing write permission,
and hidden and system live in the extended attribute user.DOSATTRIB.
"""
import calendar
import os
import struct
import sys
import zipfile

HIDDEN, SYSTEM, READ_ONLY = 0x2, 0x4, 0x1


def entry_name(info):
    if info.flag_bits & 0x800:
        return info.filename
    return info.filename.encode("cp437").decode("gbk")


def local_extra(archive_path, info):
    with open(archive_path, "rb") as f:
        f.seek(info.header_offset)
        header = f.read(30)
        name_length, extra_length = struct.unpack("<HH", header[26:30])
        f.seek(info.header_offset + 30 + name_length)
        return f.read(extra_length)


def expected_write_time(archive_path, info):
    """The extended timestamp's write time when present, else the MS-DOS time
    read as UTC."""
    extra = local_extra(archive_path, info)
    at = 0
    while at + 4 <= len(extra):
        ident, size = struct.unpack("<HH", extra[at:at + 4])
        if ident == 0x5455 and size >= 1 and extra[at + 4] & 1 and size >= 5:
            return struct.unpack("<i", extra[at + 5:at + 9])[0]
        at += 4 + size
    return calendar.timegm(info.date_time + (0, 0, 0))


def attribute_faults(path):
    faults = []
    mode = os.stat(path).st_mode
    if not mode & 0o200:
        faults.append("read-only")
    try:
        value = os.getxattr(path, "user.DOSATTRIB").decode(errors="replace")
        bits = int(value.strip("\0").split(",")[0], 0) if value.startswith("0x") else 0
        if bits & (HIDDEN | SYSTEM):
            faults.append("DOS attributes " + value)
    except OSError:
        pass
    return faults


def check_tree(archive_path, folder):
    faults = []
    with zipfile.ZipFile(archive_path) as archive:
        for info in archive.infolist():
            name = entry_name(info)
            path = os.path.join(folder, *name.rstrip("/").split("/"))
            if info.is_dir():
                if not os.path.isdir(path):
                    faults.append(f"{name}: no folder")
                continue
            if not os.path.isfile(path):
                faults.append(f"{name}: missing")
                continue
            with open(path, "rb") as f:
                if f.read() != archive.read(info):
                    faults.append(f"{name}: content differs")
            mtime = int(os.stat(path).st_mtime)
            expected = expected_write_time(archive_path, info)
            if mtime != expected:
                faults.append(f"{name}: write time {mtime}, archive {expected}")
            faults += [f"{name}: {fault}" for fault in attribute_faults(path)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


def link_target(path):
    """The LinkInfo's local base path and common suffix (MS-SHLLINK 2.3)."""
    data = open(path, "rb").read()
    if len(data) < 0x4C or struct.unpack("<I", data[:4])[0] != 0x4C:
        raise SystemExit(f"{path}: not a shell link")
    flags = struct.unpack("<I", data[0x14:0x18])[0]
    at = 0x4C
    if flags & 0x1:  # HasLinkTargetIDList
        at += 2 + struct.unpack("<H", data[at:at + 2])[0]
    if not flags & 0x2:  # HasLinkInfo
        raise SystemExit(f"{path}: no LinkInfo")
    info = data[at:at + struct.unpack("<I", data[at:at + 4])[0]]
    info_flags, _, base_offset, _, suffix_offset = struct.unpack("<IIIII", info[8:28])
    if not info_flags & 0x1:  # VolumeIDAndLocalBasePath
        raise SystemExit(f"{path}: no local base path")

    def zero_terminated(offset):
        return info[offset:info.index(b"\0", offset)]

    target = zero_terminated(base_offset) + zero_terminated(suffix_offset)
    return target.decode("gbk")


def main(argv):
    if len(argv) == 4 and argv[1] == "tree":
        return check_tree(argv[2], argv[3])
    if len(argv) == 3 and argv[1] == "lnk-target":
        print(link_target(argv[2]))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
