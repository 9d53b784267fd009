// Reads the three descriptor variants that vantor-bake wrote for one font with
// independent readers, and checks that they agree with each other and with the
// params file written beside them: ids, places, sizes, advances, pages, kerning.
// With SPREAD, the font is a distance field: every reader sees that padding on
// each side and every box offset by -SPREAD.
//   node check-bmfont.js TEXT.fnt XML.fnt BINARY.fnt PARAMS.txt CODEPAGE [SPREAD]
'use strict';
const fs = require('fs');
const assert = require('assert');
const parseAscii = require('parse-bmfont-ascii');
const parseXml = require('parse-bmfont-xml');
const parseBinary = require('parse-bmfont-binary');

const [textPath, xmlPath, binaryPath, paramsPath, codePage, spread] = process.argv.slice(2);
const fonts = {
  text: parseAscii(fs.readFileSync(textPath, 'utf8')),
  xml: parseXml(fs.readFileSync(xmlPath, 'utf8')),
  binary: parseBinary(fs.readFileSync(binaryPath)),
};

const charFields = ['id', 'x', 'y', 'width', 'height', 'xoffset', 'yoffset', 'xadvance', 'page', 'chnl'];
const pick = (object, fields) => fields.map((f) => Number(object[f]));

const reference = fonts.text;
assert.ok(reference.chars.length > 100, 'too few chars: ' + reference.chars.length);
assert.ok(reference.kernings.length > 0, 'no kerning pairs');
for (const [name, font] of Object.entries(fonts)) {
  assert.deepStrictEqual(font.pages, reference.pages, name + ' pages');
  assert.strictEqual(font.chars.length, reference.chars.length, name + ' char count');
  font.chars.forEach((c, i) => assert.deepStrictEqual(pick(c, charFields), pick(reference.chars[i], charFields), name + ' char ' + i));
  assert.deepStrictEqual(font.kernings.map((k) => pick(k, ['first', 'second', 'amount'])),
                         reference.kernings.map((k) => pick(k, ['first', 'second', 'amount'])), name + ' kernings');
  for (const f of ['lineHeight', 'base', 'scaleW', 'scaleH', 'pages', 'packed']) {
    assert.strictEqual(Number(font.common[f]), Number(reference.common[f]), name + ' common.' + f);
  }
  for (const f of ['size', 'bold', 'italic', 'smooth', 'unicode']) {
    assert.strictEqual(Number(font.info[f]), Number(reference.info[f]), name + ' info.' + f);
  }
  const padding = spread === undefined ? 0 : Number(spread);
  assert.deepStrictEqual(Array.from(font.info.padding, Number), [padding, padding, padding, padding], name + ' padding');
  // The binary info block has no room for them; the text and XML variants name the
  // field and its spread (the XML reader turns every attribute into a number).
  if (spread !== undefined && name !== 'binary') {
    assert.strictEqual(Number(font.info.spread), padding, name + ' spread');
    if (name === 'text') assert.strictEqual(font.info.field, 'sdf', 'text field');
  }
  font.chars.forEach((c) => assert.deepStrictEqual([Number(c.xoffset), Number(c.yoffset)], [0 - padding, 0 - padding],
                                                   name + ' offsets of char ' + c.id));
}

// The params file: after its "Simbol params" line, one line a byte: BYTE=x,y,width.
const params = fs.readFileSync(paramsPath).toString('latin1').split('\r\n');
const decoder = new TextDecoder(codePage);
const places = new Map();
for (const line of params.slice(params.indexOf('; Simbol params (x,y,width):') + 1)) {
  if (line.length < 2) continue;
  const id = decoder.decode(Buffer.from([line.charCodeAt(0)])).codePointAt(0);
  if (!places.has(id)) places.set(id, line.slice(2).split(',').map(Number));
}
assert.strictEqual(places.size > 200, true, 'params file has too few characters');
for (const c of reference.chars) {
  assert.ok(places.has(c.id), 'char ' + c.id + ' is not in the params file');
  assert.deepStrictEqual([c.x, c.y, c.width].map(Number), places.get(c.id), 'place of char ' + c.id);
}
console.log('bmfont: ' + reference.chars.length + ' chars, ' + reference.kernings.length +
            ' kerning pairs agree across the text, XML and binary readers and the params file');
