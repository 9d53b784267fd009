// Reads the three descriptor variants of one Unicode character set on several
// pages with independent readers, and checks that they agree with each other,
// that every page is listed and every character lies on one, and that ids and
// advances agree with an 8-bit descriptor of the same font where both hold a character.
// Cells lie on their pages in code-point order; packed glyph boxes in any order.
//   node check-pages.js TEXT.fnt XML.fnt BINARY.fnt EIGHT_BIT.fnt cells|packed|cell-effects
// Cells grown for effects are as high as the most any character of their set reaches:
// against the 8-bit set only their widths and advances agree.
'use strict';
const fs = require('fs');
const assert = require('assert');
const parseAscii = require('parse-bmfont-ascii');
const parseXml = require('parse-bmfont-xml');
const parseBinary = require('parse-bmfont-binary');

const [textPath, xmlPath, binaryPath, eightBitPath, layout] = process.argv.slice(2);
const fonts = {
  text: parseAscii(fs.readFileSync(textPath, 'utf8')),
  xml: parseXml(fs.readFileSync(xmlPath, 'utf8')),
  binary: parseBinary(fs.readFileSync(binaryPath)),
};
const eightBit = parseAscii(fs.readFileSync(eightBitPath, 'utf8'));

const charFields = ['id', 'x', 'y', 'width', 'height', 'xadvance', 'page', 'chnl'];
const pick = (object, fields) => fields.map((f) => Number(object[f]));

const reference = fonts.text;
const pageCount = reference.pages.length;
assert.ok(pageCount >= 3, 'expected several pages, got ' + pageCount);
// Numbers of one width from 11 pages on, as a binary descriptor needs.
const digits = pageCount > 10 ? String(pageCount - 1).length : 1;
assert.deepStrictEqual(reference.pages, [...Array(pageCount).keys()].map((i) => 'font_' + String(i).padStart(digits, '0') + '.png'));
if (layout === 'packed') assert.ok(pageCount > 10, 'expected more than 10 pages, got ' + pageCount);
for (const [name, font] of Object.entries(fonts)) {
  // The node XML reader keeps only the first <page> of <pages>; its other pages are
  // checked by the Python XML reader of check-pages.sh.
  const listed = name === 'xml' ? reference.pages.slice(0, 1) : reference.pages;
  assert.deepStrictEqual(font.pages, listed, name + ' pages');
  assert.strictEqual(Number(font.common.pages), pageCount, name + ' common.pages');
  assert.strictEqual(font.chars.length, reference.chars.length, name + ' char count');
  font.chars.forEach((c, i) => assert.deepStrictEqual(pick(c, charFields), pick(reference.chars[i], charFields), name + ' char ' + i));
}

// Characters in code-point order, each once, each on a listed page, pages in order.
const onPage = new Array(pageCount).fill(0);
reference.chars.forEach((c, i) => {
  const page = Number(c.page);
  assert.ok(page >= 0 && page < pageCount, 'char ' + c.id + ' on page ' + page);
  onPage[page] += 1;
  if (i > 0) {
    const before = reference.chars[i - 1];
    assert.ok(Number(c.id) > Number(before.id), 'ids out of order at ' + c.id);
    if (layout !== 'packed') assert.ok(page >= Number(before.page), 'pages out of order at ' + c.id);
  }
  assert.ok(Number(c.y) + Number(c.height) <= 4096, 'char ' + c.id + ' passes 4096');
});
onPage.forEach((count, page) => assert.ok(count > 0, 'page ' + page + ' is empty'));

// Where both hold a character, the same id and the same advance and width.
const byId = new Map(eightBit.chars.map((c) => [Number(c.id), c]));
let shared = 0;
for (const c of reference.chars) {
  const other = byId.get(Number(c.id));
  if (!other) continue;
  shared += 1;
  const agree = layout === 'cell-effects' ? ['width', 'xadvance'] : ['width', 'height', 'xadvance'];
  assert.deepStrictEqual(pick(c, agree), pick(other, agree), 'char ' + c.id);
}
assert.ok(shared > 150, 'too few shared characters: ' + shared);
console.log('bmfont pages (' + layout + '): ' + reference.chars.length + ' chars on ' + pageCount + ' pages agree across the three readers; ' +
            shared + ' agree with the 8-bit descriptor');
