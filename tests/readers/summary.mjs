// What both reader scripts print: entity counts by type and layer, texts, extents.
export function newSummary(reader) {
  return { reader, ok: false, critical: true, errors: [], codePage: null, layers: [],
           counts: {}, countsByLayer: {}, texts: [], extents: null };
}

function grow(summary, x, y) {
  if (!Number.isFinite(x) || !Number.isFinite(y)) return;
  const e = summary.extents;
  if (!e) { summary.extents = { min: [x, y], max: [x, y] }; return; }
  e.min = [Math.min(e.min[0], x), Math.min(e.min[1], y)];
  e.max = [Math.max(e.max[0], x), Math.max(e.max[1], y)];
}

// Adds one model-space entity. Angles in radians, counter-clockwise.
export function addEntity(summary, type, layer, geometry) {
  summary.counts[type] = (summary.counts[type] ?? 0) + 1;
  const byLayer = (summary.countsByLayer[layer] ??= {});
  byLayer[type] = (byLayer[type] ?? 0) + 1;
  const g = geometry;
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
  if (type === 'LWPOLYLINE') for (const [x, y] of g.points) grow(summary, x, y);
  if (type === 'TEXT') {
    grow(summary, g.x, g.y);
    summary.texts.push({ text: g.text, layer, x: g.x, y: g.y, height: g.height });
  }
}

// The summary is the last line of standard output: libdxfrw prints a line of its own.
export function print(summary) {
  process.stdout.write(JSON.stringify(summary, (k, v) => (typeof v === 'bigint' ? Number(v) : v)) + '\n');
}
