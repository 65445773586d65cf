// What both reader scripts print: entity counts by type and layer, texts, curves, dimensions
// with the blocks they draw, extents.
export function newSummary(reader) {
  return { reader, ok: false, critical: true, errors: [], codePage: null, layers: [],
           counts: {}, countsByLayer: {}, texts: [], curves: [], dimensions: [], blocks: {}, extents: null };
}

// The control codes CAD programs draw as symbols.
export function shownText(s) {
  return s.replace(/%%[cC]/g, '\u2300').replace(/%%[dD]/g, '\u00b0').replace(/%%[pP]/g, '\u00b1');
}

function grow(summary, x, y) {
  if (!Number.isFinite(x) || !Number.isFinite(y)) return;
  const e = summary.extents;
  if (!e) { summary.extents = { min: [x, y], max: [x, y] }; return; }
  e.min = [Math.min(e.min[0], x), Math.min(e.min[1], y)];
  e.max = [Math.max(e.max[0], x), Math.max(e.max[1], y)];
}

// Angles in radians, counter-clockwise.
function growBy(summary, type, g) {
  if (type === 'LINE') { grow(summary, g.x1, g.y1); grow(summary, g.x2, g.y2); }
  if (type === 'CIRCLE') { grow(summary, g.cx - g.r, g.cy - g.r); grow(summary, g.cx + g.r, g.cy + g.r); }
  if (type === 'ARC') {
    const sweep = ((g.end - g.start) % (2 * Math.PI) + 2 * Math.PI) % (2 * Math.PI) || 2 * Math.PI;
    const at = (a) => grow(summary, g.cx + g.r * Math.cos(a), g.cy + g.r * Math.sin(a));
    at(g.start); at(g.start + sweep);
    for (let k = 0; k < 4; k++) {
      const q = k * Math.PI / 2;
      const from = ((q - g.start) % (2 * Math.PI) + 2 * Math.PI) % (2 * Math.PI);
      if (from <= sweep) at(q);
    }
  }
  if (type === 'LWPOLYLINE' || type === 'SOLID') for (const [x, y] of g.points) grow(summary, x, y);
  if (type === 'TEXT') grow(summary, g.x, g.y);
}

// Adds one model-space entity.
export function addEntity(summary, type, layer, geometry) {
  summary.counts[type] = (summary.counts[type] ?? 0) + 1;
  const byLayer = (summary.countsByLayer[layer] ??= {});
  byLayer[type] = (byLayer[type] ?? 0) + 1;
  growBy(summary, type, geometry);
  if (type === 'TEXT') summary.texts.push({ text: geometry.text, layer, x: geometry.x, y: geometry.y, height: geometry.height });
  if (CURVES.includes(type)) summary.curves.push({ type, layer, ...geometry });
}

// Model-space curves as the reader gives them, in the order read (angles in radians).
const CURVES = ['LINE', 'ARC', 'CIRCLE', 'LWPOLYLINE'];

const dist = (a, b) => Math.hypot(b[0] - a[0], b[1] - a[1]);

// What the points measure, as a CAD program recomputing the dimension does: sheet
// units for lengths, degrees for an angle (the smaller one between the legs).
function sheetMeasure(d) {
  const p = d.points;
  switch (d.kind) {
    case 'linear': {
      const r = d.rotationDeg * Math.PI / 180;
      return Math.abs((p.second[0] - p.first[0]) * Math.cos(r) + (p.second[1] - p.first[1]) * Math.sin(r));
    }
    case 'aligned': return dist(p.first, p.second);
    case 'radius': case 'diameter': return dist(p.definition, p.arc);
    case 'angular': {
      const a1 = Math.atan2(p.first[1] - p.vertex[1], p.first[0] - p.vertex[0]);
      const a2 = Math.atan2(p.second[1] - p.vertex[1], p.second[0] - p.vertex[0]);
      let a = Math.abs(a2 - a1) % (2 * Math.PI);
      if (a > Math.PI) a = 2 * Math.PI - a;
      return a * 180 / Math.PI;
    }
  }
  return null;
}

// Adds one block other than model and paper space: `entities` [{type, g}]. A
// dimension's block (*Dn) is drawn where it is, so it counts in the extents.
export function addBlock(summary, name, entities) {
  const block = { counts: {}, texts: [] };
  for (const { type, g } of entities) {
    block.counts[type] = (block.counts[type] ?? 0) + 1;
    if (type === 'TEXT') block.texts.push(g.text);
    if (name.startsWith('*D')) growBy(summary, type, g);
  }
  summary.blocks[name] = block;
}

// Adds one model-space dimension: `d` has kind, handle, text, style, points (those
// its kind has, [x, y]), rotationDeg, block (its name, null where the reader does not
// say), measurement and lengthFactor (null where the reader has none).
export function addDimension(summary, layer, d) {
  addEntity(summary, 'DIMENSION', layer, {});
  for (const p of Object.values(d.points)) grow(summary, p[0], p[1]);
  const measured = sheetMeasure(d);
  const shown = d.kind === 'angular' ? measured : d.lengthFactor == null ? null : measured * d.lengthFactor;
  summary.dimensions.push({ ...d, layer, sheetMeasured: measured, shown });
}

// Dimensions in the order they were written (by handle).
export function sortDimensions(summary) {
  summary.dimensions.sort((a, b) => a.handle - b.handle);
}

// The summary is the last line of standard output: libdxfrw prints a line of its own.
export function print(summary) {
  process.stdout.write(JSON.stringify(summary, (k, v) => (typeof v === 'bigint' ? Number(v) : v)) + '\n');
}
