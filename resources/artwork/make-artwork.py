#!/usr/bin/python3
"""Draws the program's artwork: icon 128 (icon.png), the About picture 130
(picture.png, 172 x 90) and the desktop icon at the usual sizes
(hicolor/SIZExSIZE/vantor.png). Run once by hand; the PNGs are committed."""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def icon(size=64):
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((1, 1, size - 2, size - 2), radius=size // 8, fill=(18, 28, 64, 255),
                           outline=(120, 170, 255, 255), width=2)
    # A grid of glyph cells, like a texture atlas.
    cell = size // 8
    for row in range(1, 7):
        for col in range(1, 7):
            if (row + col) % 3 == 0:
                x, y = col * cell, row * cell
                draw.rectangle((x + 1, y + 1, x + cell - 2, y + cell - 2), fill=(60, 90, 160, 255))
    font = ImageFont.truetype(FONT, int(size * 0.72))
    draw.text((size / 2, size / 2 + 2), "V", font=font, fill=(255, 255, 255, 255), anchor="mm")
    return image


def picture():
    image = Image.new("RGB", (172, 90), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    small = ImageFont.truetype(FONT, 11)
    x, y = 3, 2
    for code in range(33, 127):
        text = chr(code)
        width = draw.textlength(text, font=small) + 1
        if x + width >= 169:
            x, y = 3, y + 13
        draw.text((x, y), text, font=small, fill=(150, 170, 210))
        x += width
    big = ImageFont.truetype(FONT, 30)
    draw.rectangle((14, 50, 157, 84), fill=(0, 0, 0))
    draw.text((86, 67), "Vantor", font=big, fill=(255, 255, 255), anchor="mm")
    draw.rectangle((0, 0, 171, 89), outline=(255, 255, 255))
    return image.convert("P", palette=Image.ADAPTIVE, colors=256)


DESKTOP_SIZES = (16, 24, 32, 48, 64, 128, 256)

if __name__ == "__main__":
    icon().save(HERE / "icon.png")
    picture().save(HERE / "picture.png")
    for size in DESKTOP_SIZES:
        folder = HERE / "hicolor" / f"{size}x{size}"
        folder.mkdir(parents=True, exist_ok=True)
        icon(size).save(folder / "vantor.png", optimize=True)
