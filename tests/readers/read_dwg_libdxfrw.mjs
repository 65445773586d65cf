// Reads one DWG file with libdxfrw (WebAssembly build, a fresh instance for this
// file) and prints the same JSON summary as read_dwg_libredwg.mjs.
// Usage: node read_dwg_libdxfrw.mjs FILE
import { readFileSync } from 'node:fs';
import { newSummary, addEntity, addBlock, addDimension, sortDimensions, shownText, print } from './summary.mjs';

const pkg = new URL('./node_modules/@mlightcad/libdxfrw-web/', import.meta.url).pathname;
const { default: createModule } = await import(pkg + 'dist/libdxfrw.js');

const ERRORS = ['NONE', 'UNKNOWN', 'OPEN', 'VERSION', 'READ_METADATA', 'READ_FILE_HEADER',
  'READ_HEADER', 'READ_HANDLES', 'READ_CLASSES', 'READ_TABLES', 'READ_BLOCKS',
  'READ_ENTITIES', 'READ_OBJECTS', 'READ_SECTION', 'CODE_PARSED'];
const TYPES = { 1: 'ARC', 3: 'CIRCLE', 17: 'LINE', 18: 'LWPOLYLINE', 23: 'SOLID', 25: 'TEXT' };
// This build gives every dimension the generic type; its class tells the kind.
const DIMENSIONS = { DRW_DimAligned: 'aligned', DRW_DimLinear: 'linear', DRW_DimRadial: 'radius',
  DRW_DimDiametric: 'diameter', DRW_DimAngular3p: 'angular' };
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
  const xy = (p) => [p.x, p.y];
  const geometry = (type, e) => {
    if (type === 'LINE') return { x1: e.basePoint.x, y1: e.basePoint.y, x2: e.secPoint.x, y2: e.secPoint.y };
    if (type === 'CIRCLE' || type === 'ARC')
      return { cx: e.basePoint.x, cy: e.basePoint.y, r: e.radius, start: e.startAngle, end: e.endAngle };
    if (type === 'LWPOLYLINE') {
      const list = e.getVertexList();
      const g = { points: [] };
      for (let k = 0; k < list.size(); k++) g.points.push([list.get(k).x, list.get(k).y]);
      return g;
    }
    if (type === 'SOLID') return { points: [e.basePoint, e.secPoint, e.thirdPoint, e.fourPoint].map(xy) };
    if (type === 'TEXT') return { x: e.basePoint.x, y: e.basePoint.y, height: e.height, text: shownText(text(e.text)) };
    return {};
  };
  // The blocks other than model and paper space, with what they draw.
  for (let i = 0; i < database.blocks.size(); i++) {
    const b = database.blocks.get(i);
    const name = text(b.name);
    if (name === '*Model_Space' || name === '*Paper_Space') continue;
    const list = [];
    for (let k = 0; k < b.entities.size(); k++) {
      const e = b.entities.get(k);
      const type = TYPES[e.eType.value] ?? `ETYPE${e.eType.value}`;
      list.push({ type, g: geometry(type, e) });
    }
    addBlock(summary, name, list);
  }
  // Each kind's points under this library's names.
  const pointsOf = (kind, e) => {
    switch (kind) {
      case 'linear': case 'aligned':
        return { definition: xy(e.getDefPoint()), first: xy(e.getDef1Point()), second: xy(e.getDef2Point()) };
      case 'radius': return { definition: xy(e.getCenterPoint()), arc: xy(e.getDiameterPoint()) };
      case 'diameter': return { definition: xy(e.getDiameter2Point()), arc: xy(e.getDiameter1Point()) };
      case 'angular':
        return { definition: xy(e.getDimPoint()), first: xy(e.getFirstLine()), second: xy(e.getSecondLine()),
                 vertex: xy(e.getVertexPoint()) };
    }
    return {};
  };
  const entities = database.mBlock ? database.mBlock.entities : null;
  for (let i = 0; entities && i < entities.size(); i++) {
    const e = entities.get(i);
    const kind = DIMENSIONS[e.constructor.name];
    if (kind) {
      // This library does not say which block a dimension draws.
      const points = { ...pointsOf(kind, e), text: xy(e.getTextPoint()) };
      addDimension(summary, text(e.layer), {
        kind, handle: Number(e.handle), points, style: text(e.getStyle()), text: shownText(text(e.getText())),
        rotationDeg: kind === 'linear' ? e.getAngle() : 0, block: null, measurement: null, lengthFactor: null,
      });
      continue;
    }
    const type = TYPES[e.eType.value] ?? `ETYPE${e.eType.value}`;
    addEntity(summary, type, text(e.layer), geometry(type, e));
  }
  sortDimensions(summary);
  summary.ok = true;
}
database.delete();
handler.delete();
print(summary);
