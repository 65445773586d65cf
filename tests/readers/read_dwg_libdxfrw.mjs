// Reads one DWG file with libdxfrw (WebAssembly build, a fresh instance for this
// file) and prints the same JSON summary as read_dwg_libredwg.mjs.
// Usage: node read_dwg_libdxfrw.mjs FILE
import { readFileSync } from 'node:fs';
import { newSummary, addEntity, print } from './summary.mjs';

const pkg = new URL('./node_modules/@mlightcad/libdxfrw-web/', import.meta.url).pathname;
const { default: createModule } = await import(pkg + 'dist/libdxfrw.js');

const ERRORS = ['NONE', 'UNKNOWN', 'OPEN', 'VERSION', 'READ_METADATA', 'READ_FILE_HEADER',
  'READ_HEADER', 'READ_HANDLES', 'READ_CLASSES', 'READ_TABLES', 'READ_BLOCKS',
  'READ_ENTITIES', 'READ_OBJECTS', 'READ_SECTION', 'CODE_PARSED'];
const TYPES = { 1: 'ARC', 3: 'CIRCLE', 17: 'LINE', 18: 'LWPOLYLINE', 25: 'TEXT' };
// The file header's code page numbers this script can decode.
const ENCODINGS = { 30: 'windows-1252', 31: 'gbk', 39: 'gbk' };

// This build turns every text of these files into UTF-8 as if it were Windows-1252,
// whatever code page the file names; map each character back to its byte and decode
// the bytes with the file's own code page. (Bytes 1252 leaves undefined are lost.)
const unto1252 = new Map();
const western = new TextDecoder('windows-1252');
for (let b = 0; b < 256; b++) unto1252.set(western.decode(new Uint8Array([b])), b);
let decoder = null;
const text = (s) => (decoder ? decoder.decode(new Uint8Array([...s].map((c) => unto1252.get(c) ?? 0x3f))) : s);

const bytes = readFileSync(process.argv[2]);
const summary = newSummary('libdxfrw');
summary.codePage = bytes.length > 0x14 ? bytes.readUInt16LE(0x13) : null;
if (ENCODINGS[summary.codePage]) decoder = new TextDecoder(ENCODINGS[summary.codePage]);
else summary.errors.push(`code page ${summary.codePage} not decoded`);

const lib = await createModule();
const database = new lib.DRW_Database();
const handler = new lib.DRW_FileHandler();
handler.database = database;
const dwg = new lib.DRW_DwgR(new Uint8Array(bytes));
const ok = dwg.read(handler, false);
const error = dwg.getError().value;
if (error !== 0) summary.errors.push(ERRORS[error] ?? `error ${error}`);
summary.version = dwg.getVersion().value;
summary.critical = !ok;
dwg.delete();
if (ok) {
  const layers = database.layers;
  for (let i = 0; i < layers.size(); i++) {
    const l = layers.get(i);
    summary.layers.push({ name: text(l.name), colour: l.color, linetype: text(l.lineType) });
  }
  const entities = database.mBlock ? database.mBlock.entities : null;
  for (let i = 0; entities && i < entities.size(); i++) {
    const e = entities.get(i);
    const type = TYPES[e.eType.value] ?? `ETYPE${e.eType.value}`;
    let g = {};
    if (type === 'LINE') g = { x1: e.basePoint.x, y1: e.basePoint.y, x2: e.secPoint.x, y2: e.secPoint.y };
    else if (type === 'CIRCLE' || type === 'ARC')
      g = { cx: e.basePoint.x, cy: e.basePoint.y, r: e.radius, start: e.startAngle, end: e.endAngle };
    else if (type === 'LWPOLYLINE') {
      const list = e.getVertexList();
      g = { points: [] };
      for (let k = 0; k < list.size(); k++) g.points.push([list.get(k).x, list.get(k).y]);
    } else if (type === 'TEXT') g = { x: e.basePoint.x, y: e.basePoint.y, height: e.height, text: text(e.text) };
    addEntity(summary, type, text(e.layer), g);
  }
  summary.ok = true;
}
database.delete();
handler.delete();
print(summary);
