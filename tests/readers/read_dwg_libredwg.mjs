// Reads one DWG file with LibreDWG (WebAssembly build, raw dwg_read_file, a fresh
// instance for this file) and prints a JSON summary. Usage: node read_dwg_libredwg.mjs FILE
import { readFileSync } from 'node:fs';
import { newSummary, addEntity, addBlock, addDimension, sortDimensions, shownText, print } from './summary.mjs';

const pkg = new URL('./node_modules/@mlightcad/libredwg-web/', import.meta.url).pathname;
const { default: createModule } = await import(pkg + 'wasm/libredwg-web.js');
const { dwgCodePageToEncoding } = await import(pkg + 'lib/database/codepage.js');

// Error bits of the library; from 128 on they are critical.
const ERRORS = { 1: 'WRONGCRC', 2: 'NOTYETSUPPORTED', 4: 'UNHANDLEDCLASS', 8: 'INVALIDTYPE',
  16: 'INVALIDHANDLE', 32: 'INVALIDEED', 64: 'VALUEOUTOFBOUNDS', 128: 'CLASSESNOTFOUND',
  256: 'SECTIONNOTFOUND', 512: 'PAGENOTFOUND', 1024: 'INTERNALERROR', 2048: 'INVALIDDWG',
  4096: 'IOERROR', 8192: 'OUTOFMEM' };
const CRITICAL = 128;
const TYPES = { 1: 'TEXT', 17: 'ARC', 18: 'CIRCLE', 19: 'LINE', 31: 'SOLID', 77: 'LWPOLYLINE' };
const DIMENSIONS = { 21: 'linear', 22: 'aligned', 23: 'angular', 25: 'radius', 26: 'diameter' };
const LAYER = 51, BLOCK = 4, ENDBLK = 5, BLOCK_HEADER = 49, DIMSTYLE = 69, MODEL_SPACE = 2, IN_BLOCK = 0;

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
  const refOf = (tio, field) => String(lib.dwg_ref_get_absref(value(tio, field)));
  const xy = (p) => [p.x, p.y];
  const count = lib.dwg_get_num_objects(data);
  const layerNames = new Map(), blockNames = new Map(), dimStyles = new Map();
  const objects = [];
  for (let i = 0; i < count; i++) objects.push(lib.dwg_get_object(data, i));
  for (const obj of objects) {
    const fixed = lib.dwg_object_get_fixedtype(obj);
    if (fixed !== LAYER && fixed !== BLOCK_HEADER && fixed !== DIMSTYLE) continue;
    const tio = lib.dwg_object_to_object_tio(obj);
    const handle = String(lib.dwg_obj_get_handle_value(obj));
    const name = text(lib.dwg_dynapi_entity_value(tio, 'name'));
    if (fixed === LAYER) {
      layerNames.set(handle, name);
      summary.layers.push({ name, colour: value(tio, 'color')?.index ?? null });
    } else if (fixed === BLOCK_HEADER) {
      blockNames.set(handle, name);
    } else {
      dimStyles.set(handle, { name, lengthFactor: value(tio, 'DIMLFAC'), textHeight: value(tio, 'DIMTXT') });
    }
  }
  const header = (f) => lib.dwg_dynapi_header_value(data, f).data;
  summary.headerExtents = { min: [header('EXTMIN').x, header('EXTMIN').y], max: [header('EXTMAX').x, header('EXTMAX').y] };
  summary.insertionUnits = header('INSUNITS');
  summary.dimensionStyle = dimStyles.get(String(lib.dwg_ref_get_absref(header('DIMSTYLE'))))?.name ?? null;
  summary.dimensionStyles = [...dimStyles.values()];

  const geometry = (type, tio) => {
    if (type === 'LINE') {
      const s = value(tio, 'start'), e = value(tio, 'end');
      return { x1: s.x, y1: s.y, x2: e.x, y2: e.y };
    }
    if (type === 'CIRCLE' || type === 'ARC') {
      const c = value(tio, 'center');
      return { cx: c.x, cy: c.y, r: value(tio, 'radius'), start: value(tio, 'start_angle'), end: value(tio, 'end_angle') };
    }
    if (type === 'LWPOLYLINE') {
      const points = lib.dwg_ptr_to_point2d_array(value(tio, 'points'), value(tio, 'num_points'));
      return { points: points.map((p) => [p.x, p.y]) };
    }
    if (type === 'SOLID') return { points: ['corner1', 'corner2', 'corner3', 'corner4'].map((c) => xy(value(tio, c))) };
    if (type === 'TEXT') {
      const p = value(tio, 'ins_pt');
      return { x: p.x, y: p.y, height: value(tio, 'height'), text: shownText(text(lib.dwg_dynapi_entity_value(tio, 'text_value'))) };
    }
    return {};
  };

  // What each block record's entities draw (the dimensions' blocks).
  const blockEntities = new Map();
  const modelSpace = [];
  for (const obj of objects) {
    if (lib.dwg_object_get_supertype(obj) !== 0) continue;
    const fixed = lib.dwg_object_get_fixedtype(obj);
    if (fixed === BLOCK || fixed === ENDBLK) continue;
    const ent = lib.dwg_object_to_entity(obj);
    const mode = lib.dwg_object_entity_get_entmode(ent);
    if (mode === MODEL_SPACE) { modelSpace.push(obj); continue; }
    if (mode !== IN_BLOCK) continue;
    const owner = String(lib.dwg_object_entity_get_ownerhandle_object(ent)?.absolute_ref);
    const type = TYPES[fixed] ?? `TYPE${fixed}`;
    if (!blockEntities.has(owner)) blockEntities.set(owner, []);
    blockEntities.get(owner).push({ type, g: geometry(type, lib.dwg_object_to_entity_tio(obj)) });
  }

  for (const [handle, entities] of blockEntities) addBlock(summary, blockNames.get(handle) ?? handle, entities);
  for (const obj of modelSpace) {
    const fixed = lib.dwg_object_get_fixedtype(obj);
    const ent = lib.dwg_object_to_entity(obj);
    const tio = lib.dwg_object_to_entity_tio(obj);
    const layerRef = lib.dwg_object_entity_get_layer_object_ref(ent);
    const layer = layerNames.get(String(layerRef?.absolute_ref)) ?? '?';
    const kind = DIMENSIONS[fixed];
    if (!kind) {
      const type = TYPES[fixed] ?? `TYPE${fixed}`;
      addEntity(summary, type, layer, geometry(type, tio));
      continue;
    }
    const points = { definition: xy(value(tio, 'def_pt')), text: xy(value(tio, 'text_midpt')) };
    if (kind === 'linear' || kind === 'aligned' || kind === 'angular') {
      points.first = xy(value(tio, 'xline1_pt'));
      points.second = xy(value(tio, 'xline2_pt'));
    }
    if (kind === 'radius' || kind === 'diameter') points.arc = xy(value(tio, 'first_arc_pt'));
    if (kind === 'angular') points.vertex = xy(value(tio, 'center_pt'));
    const style = dimStyles.get(refOf(tio, 'dimstyle'));
    const block = refOf(tio, 'block');
    const measurement = value(tio, 'act_measurement');
    addDimension(summary, layer, {
      kind, handle: Number(lib.dwg_obj_get_handle_value(obj)), points, style: style?.name ?? null,
      text: shownText(text(lib.dwg_dynapi_entity_value(tio, 'user_text'))),
      rotationDeg: kind === 'linear' ? value(tio, 'dim_rotation') * 180 / Math.PI : 0,
      // Angles are stored in radians; report degrees as lengths are reported in mm.
      measurement: kind === 'angular' ? measurement * 180 / Math.PI : measurement,
      lengthFactor: style?.lengthFactor ?? null,
      block: blockNames.get(block) ?? null,
    });
  }
  sortDimensions(summary);
  summary.ok = true;
}
print(summary);
