// Reads the three descriptor variants that vantor-bake wrote for one font with
// independent readers, and checks that they agree with each other and with the
// params file written beside them: ids, places, sizes, advances, pages, kerning.
// With SPREAD, the font is a distance field: every reader sees that padding on
// each side and every box offset by -SPREAD, and the text and XML variants carry a
// distanceField line or element with a range of 2 * SPREAD; without, they carry none.
//   node check-bmfont.js TEXT.fnt XML.fnt BINARY.fnt PARAMS.txt CODEPAGE [SPREAD]
'use strict';
const fs = require('fs');
const assert = require('assert');
const parseAscii = require('parse-bmfont-ascii');
const parseXml = require('parse-bmfont-xml');
const parseBinary = require('parse-bmfont-binary');
// The XML reader's own parser, strict by default; the reader itself drops distanceField.
const xml2js = require('xml2js');

const [textPath, xmlPath, binaryPath, paramsPath, codePage, spread] = process.argv.slice(2);
const textData = fs.readFileSync(textPath, 'utf8');
const xmlData = fs.readFileSync(xmlPath, 'utf8');
const fonts = {
  text: parseAscii(textData),
  xml: parseXml(xmlData),
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

// The distanceField line and element that field-drawing loaders look for: type "sdf" and the
// whole range of distances, -SPREAD to +SPREAD. The text reader keeps the line under its key but
// reads the bare type as a number (NaN), so its type is also read from the line itself, which must
// be exactly the tag and these two keys, right after common. The XML reader drops the element, so
// xml2js reads the file strictly, keeping the order of the elements.
const range = spread === undefined ? undefined : String(2 * Number(spread));
const fieldKeys = range === undefined ? undefined : { fieldType: 'sdf', distanceRange: range };
if (range === undefined) {
  assert.strictEqual(fonts.text.distanceField, undefined, 'text reader: distanceField in a coverage font');
} else {
  assert.strictEqual(Number(fonts.text.distanceField.distanceRange), Number(range), 'text reader: distanceRange');
}
const textLines = textData.split('\n');
const fieldLines = textLines.filter((line) => line.startsWith('distanceField'));
assert.strictEqual(fieldLines.length, range === undefined ? 0 : 1, 'text: distanceField lines');
if (range !== undefined) {
  assert.strictEqual(textLines.indexOf(fieldLines[0]), textLines.findIndex((line) => line.startsWith('common ')) + 1,
                     'text: distanceField right after common');
  const [tag, ...pairs] = fieldLines[0].split(' ');
  assert.strictEqual(tag, 'distanceField', 'text: distanceField tag');
  const keys = Object.fromEntries(pairs.map((pair) => {
    const m = /^(\w+)=([^\s"=]+)$/.exec(pair);
    assert.ok(m, 'text: malformed distanceField pair ' + pair);
    return [m[1], m[2]];
  }));
  assert.deepStrictEqual(keys, fieldKeys, 'text: distanceField keys');
}
xml2js.parseString(xmlData, { explicitChildren: true, preserveChildrenOrder: true }, (err, result) => {
  if (err) throw err;
  const children = result.font.$$;
  const expected = ['info', 'common', ...(range === undefined ? [] : ['distanceField']), 'pages', 'chars', 'kernings'];
  assert.deepStrictEqual(children.map((c) => c['#name']), expected, 'xml: elements of font');
  if (range !== undefined) {
    const field = children[2];
    assert.deepStrictEqual({ ...field.$ }, fieldKeys, 'xml: distanceField attributes');
    assert.strictEqual(field.$$, undefined, 'xml: distanceField has children');
  }
});

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
            ' kerning pairs agree across the text, XML and binary readers and the params file' +
            (range === undefined ? '; no distanceField' : '; distanceField sdf, range ' + range + ' in text and XML'));
