"""Gives the uninstaller its own description in its version resource, in place.

The installer's description is at least as long as the uninstaller's: the new text and NULs
fill the old one exactly, so that no length or offset in the resource changes. The program's
own integrity check (a CRC-32 of everything after the first 512 bytes, stored at the end of its
data) is brought up to date, so this runs before any signing.
"""
import os
import struct
import sys
import zlib

INSTALLER = "Quorvex Setup: installs Quorvex"
UNINSTALLER = "Quorvex Uninstaller"
CHECKED_FROM = 512


def fail(path, why):
    sys.exit(f"describe-uninstaller: {path}: {why}")


def main(path):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    old = INSTALLER.encode("utf-16-le") + b"\0\0"
    new = UNINSTALLER.encode("utf-16-le")
    new += b"\0" * (len(old) - len(new))
    at = data.find(old)
    if at < CHECKED_FROM or data.find(old, at + 1) != -1:
        fail(path, "does not hold the installer's description once")
    data[at:at + len(old)] = new

    # The first header: flags, 0xDEADBEEF, "NullsoftInst", header length, length of the rest
    # (which ends with the CRC).
    marker = data.find(b"\xef\xbe\xad\xdeNullsoftInst")
    if marker < 4:
        fail(path, "is not an installer's program")
    end = marker - 4 + struct.unpack_from("<I", data, marker + 20)[0]
    if end != len(data):
        fail(path, "is already signed or damaged")
    struct.pack_into("<I", data, end - 4, zlib.crc32(bytes(data[CHECKED_FROM:end - 4])))

    with open(path + ".part", "wb") as f:
        f.write(data)
    os.replace(path + ".part", path)


if __name__ == "__main__":
    main(sys.argv[1])
