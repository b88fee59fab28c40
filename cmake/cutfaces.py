# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Cuts the Chinese faces the screens are drawn in down to what a classroom
needs, at build time:

    cutfaces.py --characters LIST TEXTFILE...
    cutfaces.py OUTDIR LIST PARTS NAME=COLLECTION:FAMILY

The first writes LIST, two lines: the characters of the program's own texts
(every character of the TEXTFILEs that is not plain ASCII: the program's
sources and its translations) with printable ASCII; then the 6,763
characters and the symbols of GB 2312 that are not on the first line, so
that nearly every pupil's name is drawn from a cut face too. LIST is left
untouched when it would not change, so that editing the code does not cut
the faces again.

The second cuts the face of COLLECTION (a .ttc or .otf file) whose family is
FAMILY into faces of its own: NAME holds the first line of LIST, and
"NAME GB1" to "NAME GB<PARTS>" the second, in GB 2312's order (its common
characters first), in PARTS parts of equal length. Outlines, hinting, metrics and every
layout feature stay as they are. Each cut face is renamed (the fonts'
licence reserves their names for the original fonts) and written to
OUTDIR/<its family without blanks>-<style>.otf.

A window that shows only the program's texts reads only the small first
face, and a name's few characters only the parts that hold them, each well
under 1 MB: the system reads and maps the pages of a face a program reads
in blocks of up to 2 MB at once, so a name would otherwise bring in most of
a face that holds all of GB 2312.
"""

import io
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont


def characters(text_files):
    texts = set(range(0x20, 0x7F))
    for path in text_files:
        with open(path, encoding="utf-8") as f:
            texts.update(ord(c) for c in f.read() if ord(c) > 0x7E and c.isprintable())
    # GB 2312: rows 1-9 (symbols) and 16-87 (hanzi) of its 94 x 94 table.
    names = set()
    for row in range(0xA1, 0xF8):
        for cell in range(0xA1, 0xFF):
            try:
                names.add(ord(bytes((row, cell)).decode("gb2312")))
            except UnicodeDecodeError:
                pass
    return texts, names - texts


def face(collection, family):
    if not collection.lower().endswith(".ttc"):
        return TTFont(collection, recalcBBoxes=False)
    for number, font in enumerate(TTCollection(collection).fonts):
        if font["name"].getDebugName(1) == family:
            return TTFont(collection, fontNumber=number, recalcBBoxes=False)
    sys.exit(f"cutfaces: no face of the family {family} in {collection}")


def rename(font, family):
    name = font["name"]
    style = name.getDebugName(2) or "Regular"
    postscript = family.replace(" ", "") + "-" + style.replace(" ", "")
    full = family if style == "Regular" else f"{family} {style}"
    for record in name.names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (4, 18):
            record.string = full
        elif record.nameID == 3:
            record.string = f"{postscript}; cut for Tavrino"
        elif record.nameID == 6:
            record.string = postscript
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FamilyName = family
        top.FullName = full
    return postscript


def write_list(path, text_files):
    text = "".join("".join(chr(c) for c in sorted(part)) + "\n" for part in characters(text_files))
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def cut(font, unicodes, family):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.hinting = True
    options.prune_unicode_ranges = False
    # The whole face's bounds and widest glyph, which its metrics were made
    # with: the cut face is drawn exactly as the whole one.
    options.recalc_bounds = False
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=unicodes)
    cutter.subset(font)
    return rename(font, family)


def main(argv):
    if argv[1] == "--characters":
        write_list(argv[2], argv[3:])
        return
    outdir, listed, parts, item = argv[1:5]
    parts = int(parts)
    with open(listed, encoding="utf-8") as f:
        texts, names = f.read().split("\n")[:2]
    family, source = item.split("=", 1)
    collection, original = source.split(":", 1)
    os.makedirs(outdir, exist_ok=True)
    # Cut once to everything the parts hold, then each part from that.
    whole = io.BytesIO()
    font = face(collection, original)
    cut(font, {ord(c) for c in texts + names}, family)
    font.save(whole)
    names = sorted(names, key=lambda c: c.encode("gb2312"))
    size = -(-len(names) // parts)
    faces = [(family, texts)] + [
        (f"{family} GB{n + 1}", names[n * size : (n + 1) * size]) for n in range(parts)
    ]
    for name, chars in faces:
        whole.seek(0)
        font = TTFont(whole, recalcBBoxes=False)
        postscript = cut(font, {ord(c) for c in chars}, name)
        font.save(os.path.join(outdir, postscript + ".otf"))


if __name__ == "__main__":
    main(sys.argv)
