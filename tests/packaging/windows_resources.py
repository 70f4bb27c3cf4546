#!/usr/bin/env python3
"""windows_resources.py VERSION PROGRAM.exe...

What Explorer shows of each Windows program and what Windows reads before it starts it, read
from the file with wrestool: the icon in every size Windows asks for, the version information in
Chinese and in English with the build's version, and a manifest that asks for no elevation,
names Windows 10/11 and declares per-monitor DPI awareness v2."""
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

ICON_SIZES = [16, 20, 24, 30, 32, 36, 40, 48, 60, 64, 72, 80, 96, 256]
WINDOWS_10 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


def resource(exe, kind):
    return subprocess.run(["wrestool", "-x", "--raw", "-t", str(kind), exe], check=True,
                          capture_output=True).stdout


def icon_sizes(exe):
    # The icon group: a header, then one 14-byte entry per image; a width of 0 means 256.
    group = resource(exe, 14)
    count = struct.unpack_from("<H", group, 4)[0]
    return [group[6 + 14 * i] or 256 for i in range(count)]


def version_blocks(data, offset=0, end=None):
    """The VS_VERSIONINFO tree as {key: (value, children)}; texts are UTF-16."""
    end = len(data) if end is None else end
    nodes = {}
    while offset + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
        if length == 0:
            break
        key_end = offset + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        value = data[value_start:value_start + value_size]
        value = value.decode("utf-16-le").rstrip("\0") if is_text else value
        children_start = (value_start + value_size + 3) & ~3
        nodes[key] = (value, version_blocks(data, children_start, offset + length))
        offset = (offset + length + 3) & ~3
    return nodes


def check(exe, version):
    faults = []
    if icon_sizes(exe) != ICON_SIZES:
        faults.append(f"icon sizes {icon_sizes(exe)}, not {ICON_SIZES}")

    info = version_blocks(resource(exe, 16))["VS_VERSION_INFO"]
    fixed = struct.unpack_from("<13I", info[0])
    numbers = [int(n) for n in version.split(".")]
    if fixed[0] != 0xFEEF04BD or [fixed[2] >> 16, fixed[2] & 0xFFFF, fixed[3] >> 16] != numbers:
        faults.append("the numeric file version is not " + version)
    tables = info[1]["StringFileInfo"][1]
    name = exe.replace("\\", "/").rsplit("/", 1)[-1]
    for language in ("080404b0", "040904b0"):
        strings = {key: text for key, (text, _) in tables.get(language, (None, {}))[1].items()}
        for key in ("ProductName", "FileDescription", "CompanyName", "LegalCopyright"):
            if not strings.get(key):
                faults.append(f"{language}: no {key}")
        if strings.get("FileVersion") != version or strings.get("ProductVersion") != version:
            faults.append(f"{language}: versions {strings.get('FileVersion')}, "
                          f"{strings.get('ProductVersion')}, not {version}")
        if strings.get("OriginalFilename") != name:
            faults.append(f"{language}: original file name {strings.get('OriginalFilename')}")
        description = strings.get("FileDescription", "")
        chinese = any("\u4e00" <= c <= "\u9fff" for c in description)
        if chinese != (language == "080404b0"):
            faults.append(f"{language}: the description '{description}' is in the other language")
    if info[1]["VarFileInfo"][1]["Translation"][0] != struct.pack("<4H", 0x804, 1200, 0x409, 1200):
        faults.append("the translations are not Chinese (PRC) and English (US), Unicode")

    manifest = ET.fromstring(resource(exe, 24))
    texts = {el.tag.split("}")[1]: (el.text or "").strip() for el in manifest.iter()}
    levels = [el.get("level") for el in manifest.iter() if el.tag.endswith("requestedExecutionLevel")]
    systems = [el.get("Id") for el in manifest.iter() if el.tag.endswith("supportedOS")]
    if levels != ["asInvoker"]:
        faults.append(f"execution level {levels}")
    if WINDOWS_10 not in systems:
        faults.append(f"supported systems {systems}")
    if not texts.get("dpiAwareness", "").startswith("PerMonitorV2"):
        faults.append(f"DPI awareness '{texts.get('dpiAwareness')}'")
    return [f"{name}: {fault}" for fault in faults]


def main():
    version, programs = sys.argv[1], sys.argv[2:]
    faults = [fault for exe in programs for fault in check(exe, version)]
    print("\n".join(faults) or f"resources of {len(programs)} programs checked", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
