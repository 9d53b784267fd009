"""Writes a copy of a font file whose family is named anew, for tests of face names.

usage: rename-family.py SOURCE TARGET FAMILY   (FAMILY may hold any character)
"""
import sys

from fontTools.ttLib import TTFont

source, target, family = sys.argv[1:4]
font = TTFont(source)
names = font["name"]
for record in list(names.names):
    if record.nameID in (1, 4, 16, 21):
        names.removeNames(nameID=record.nameID)
names.setName(family, 1, 3, 1, 0x409)
names.setName(family, 4, 3, 1, 0x409)
names.setName(family.replace(" ", "").replace("\n", ""), 6, 3, 1, 0x409)
font.save(target)
