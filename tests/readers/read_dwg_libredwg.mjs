// Reads one DWG file with LibreDWG (WebAssembly build, raw dwg_read_file, a fresh
// instance for this file) and prints a JSON summary. Usage: node read_dwg_libredwg.mjs FILE
import { readFileSync } from 'node:fs';
import { newSummary, addEntity, print } from './summary.mjs';

const pkg = new URL('./node_modules/@mlightcad/libredwg-web/', import.meta.url).pathname;
const { default: createModule } = await import(pkg + 'wasm/libredwg-web.js');
const { dwgCodePageToEncoding } = await import(pkg + 'lib/database/codepage.js');

// Error bits of the library; from 128 on they are critical.
const ERRORS = { 1: 'WRONGCRC', 2: 'NOTYETSUPPORTED', 4: 'UNHANDLEDCLASS', 8: 'INVALIDTYPE',
  16: 'INVALIDHANDLE', 32: 'INVALIDEED', 64: 'VALUEOUTOFBOUNDS', 128: 'CLASSESNOTFOUND',
  256: 'SECTIONNOTFOUND', 512: 'PAGENOTFOUND', 1024: 'INTERNALERROR', 2048: 'INVALIDDWG',
  4096: 'IOERROR', 8192: 'OUTOFMEM' };
const CRITICAL = 128;
const TYPES = { 1: 'TEXT', 17: 'ARC', 18: 'CIRCLE', 19: 'LINE', 77: 'LWPOLYLINE' };
const LAYER = 51, BLOCK = 4, ENDBLK = 5, MODEL_SPACE = 2;

const summary = newSummary('libredwg');
const lib = await createModule();
lib.FS.writeFile('drawing.dwg', new Uint8Array(readFileSync(process.argv[2])));
const result = lib.dwg_read_file('drawing.dwg');
for (const [bit, name] of Object.entries(ERRORS)) if (result.error & Number(bit)) summary.errors.push(name);
summary.critical = result.error >= CRITICAL;
if (!summary.critical) {
  const data = result.data;
  summary.codePage = lib.dwg_get_codepage(data);
  const decoder = new TextDecoder(dwgCodePageToEncoding(summary.codePage) ?? 'utf-8');
  const text = (v) => (v && v.bin ? decoder.decode(new Uint8Array(Object.values(v.bin))) : (v?.data ?? ''));
  const value = (tio, field) => lib.dwg_dynapi_entity_value(tio, field).data;
  const count = lib.dwg_get_num_objects(data);
  const layerNames = new Map();
  const objects = [];
  for (let i = 0; i < count; i++) objects.push(lib.dwg_get_object(data, i));
  for (const obj of objects) {
    if (lib.dwg_object_get_fixedtype(obj) !== LAYER) continue;
    const tio = lib.dwg_object_to_object_tio(obj);
    const name = text(lib.dwg_dynapi_entity_value(tio, 'name'));
    layerNames.set(String(lib.dwg_obj_get_handle_value(obj)), name);
    summary.layers.push({ name, colour: value(tio, 'color')?.index ?? null });
  }
  const header = (f) => lib.dwg_dynapi_header_value(data, f).data;
  summary.headerExtents = { min: [header('EXTMIN').x, header('EXTMIN').y], max: [header('EXTMAX').x, header('EXTMAX').y] };
  summary.insertionUnits = header('INSUNITS');
  for (const obj of objects) {
    if (lib.dwg_object_get_supertype(obj) !== 0) continue;
    const fixed = lib.dwg_object_get_fixedtype(obj);
    if (fixed === BLOCK || fixed === ENDBLK) continue;
    const ent = lib.dwg_object_to_entity(obj);
    if (lib.dwg_object_entity_get_entmode(ent) !== MODEL_SPACE) continue;
    const tio = lib.dwg_object_to_entity_tio(obj);
    const layerRef = lib.dwg_object_entity_get_layer_object_ref(ent);
    const layer = layerNames.get(String(layerRef?.absolute_ref)) ?? '?';
    const type = TYPES[fixed] ?? `TYPE${fixed}`;
    let g = {};
    if (type === 'LINE') {
      const s = value(tio, 'start'), e = value(tio, 'end');
      g = { x1: s.x, y1: s.y, x2: e.x, y2: e.y };
    } else if (type === 'CIRCLE' || type === 'ARC') {
      const c = value(tio, 'center');
      g = { cx: c.x, cy: c.y, r: value(tio, 'radius'), start: value(tio, 'start_angle'), end: value(tio, 'end_angle') };
    } else if (type === 'LWPOLYLINE') {
      const points = lib.dwg_ptr_to_point2d_array(value(tio, 'points'), value(tio, 'num_points'));
      g = { points: points.map((p) => [p.x, p.y]) };
    } else if (type === 'TEXT') {
      const p = value(tio, 'ins_pt');
      g = { x: p.x, y: p.y, height: value(tio, 'height'), text: text(lib.dwg_dynapi_entity_value(tio, 'text_value')) };
    }
    addEntity(summary, type, layer, g);
  }
  summary.ok = true;
}
print(summary);
