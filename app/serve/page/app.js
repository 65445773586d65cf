// The fabdoc page: the session's part in 3D, its tree, the menu, the dialog the host shows,
// messages and sheets. Every change is a request to the server, which runs it as a journal
// line; the page only shows what the server answers.
import * as THREE from 'three';
import { OrbitControls } from '/page/OrbitControls.js';

const $ = (id) => document.getElementById(id);
const state = { modelRefresh: null, session: null, tree: null, bodies: new Map(), picked: new Set(), activeBlock: null,
                pickList: [], revision: -1, sheets: [], folded: new Map() };
// Figures the browser test reads.
window.fabdoc = { lastLoadMs: null, lastPickMs: null, ready: false, busy: 0 };

// ---- server calls

// The host's own commands in the menu, after the add-on's actions: "dimension" puts
// automatic dimensions and part marks on all the displayed part's sheets.
// Host commands offered beside the add-on's actions, with their labels.
const hostCommands = ['dimension'];
const hostCommandLabels = { dimension: '自动标注尺寸' };

async function call(what, body = {}) {
  window.fabdoc.busy++;
  try {
    const response = await fetch('/api/' + what, {
      method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body) });
    const reply = await response.json();
    showReply(reply);
    if (reply.state) await showState(reply.state);
    await showMessages();
    return reply;
  } finally {
    window.fabdoc.busy--;
  }
}

async function get(what) {
  const response = await fetch('/api/' + what);
  return response.json();
}

function showReply(reply) {
  const error = $('error');
  error.hidden = reply.ok !== false;
  error.textContent = reply.ok === false ? reply.error : '';
}

// The session's message log, newest first; a message repeated in a row shows once with a count.
async function showMessages() {
  const log = await get('messages');
  if (!Array.isArray(log)) return;
  const pane = $('messages');
  pane.innerHTML = '';
  for (let i = log.length - 1; i >= 0;) {
    const m = log[i];
    let repeats = 1;
    while (i - repeats >= 0 && log[i - repeats].kind === m.kind && log[i - repeats].text === m.text) repeats++;
    i -= repeats;
    const line = el('div', 'message-line kind-' + m.kind);
    if (m.kind === 'file') {
      const link = el('a', '', m.text);
      link.href = '/api/file?download=1&path=' + encodeURIComponent(m.text);
      link.download = m.text.split('/').pop();
      line.append('written: ', link);
    } else {
      line.textContent = (m.kind === 'message' ? '' : m.kind + ': ') + m.text;
    }
    if (repeats > 1) line.append(el('span', 'repeat', '×' + repeats));
    pane.append(line);
  }
}

// ---- session state: part, dialogs, selection asked for

async function showState(session) {
  const changed = session.revision !== state.revision;
  state.session = session;
  state.revision = session.revision;
  $('part-name').textContent = session.part || '(no part)';
  const actions = $('actions');
  const entries = [...session.actions, ...hostCommands];
  if (actions.options.length - 1 !== entries.length) {
    actions.length = 1;
    for (const name of entries) {
      const option = new Option(session.labels?.[name] || hostCommandLabels[name] || name, name);
      option.title = name;
      actions.add(option);
    }
  }
  showDialogs(session);
  showPick(session);
  // The dialog answers at once; the model follows (still counted as busy).
  if (changed) state.modelRefresh = tracked(refreshModel());
}

async function tracked(promise) {
  window.fabdoc.busy++;
  try {
    await promise;
  } finally {
    window.fabdoc.busy--;
  }
}

async function refreshModel() {
  if (!state.session.part) return;
  const [tree, meshes, sheets] = await Promise.all([get('tree'), get('meshes'), get('sheets')]);
  state.tree = tree;
  showMeshes(meshes);  // first: the tree's swatches take the bodies' colours
  showTree(tree);
  state.sheets = Array.isArray(sheets) ? sheets : [];
  showSheets(state.sheets);
  showPick(state.session);
}

// ---- 3D view

const canvas = $('canvas');
const renderer = new THREE.WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
renderer.setPixelRatio(window.devicePixelRatio);
const scene = new THREE.Scene();
scene.background = new THREE.Color(0xdfe6ee);
const camera = new THREE.PerspectiveCamera(35, 1, 1, 1e6);
camera.up.set(0, 0, 1);
const controls = new OrbitControls(camera, canvas);
scene.add(new THREE.AmbientLight(0xffffff, 0.9));
const sun = new THREE.DirectionalLight(0xffffff, 1.6);
scene.add(sun);
const model = new THREE.Group();
scene.add(model);
let framed = false;

function resize() {
  const { clientWidth: w, clientHeight: h } = canvas;
  if (canvas.width !== w * devicePixelRatio || canvas.height !== h * devicePixelRatio) {
    renderer.setSize(w, h, false);
    camera.aspect = w / Math.max(h, 1);
    camera.updateProjectionMatrix();
  }
}

function render() {
  resize();
  sun.position.copy(camera.position);
  renderer.render(scene, camera);
}
controls.addEventListener('change', render);
window.addEventListener('resize', render);

function showMeshes(described) {
  for (const child of [...model.children]) {
    model.remove(child);
    child.material.dispose();
    child.userData.outline?.geometry.dispose();
  }
  const geometries = new Map();
  for (const [id, mesh] of Object.entries(described.meshes || {})) {
    const g = new THREE.BufferGeometry();
    g.setAttribute('position', new THREE.Float32BufferAttribute(mesh.positions, 3));
    g.setIndex(mesh.indices);
    g.computeVertexNormals();
    geometries.set(id, g);
  }
  state.bodies.clear();
  for (const body of described.bodies || []) {
    const opacity = 1 - body.translucency / 100;
    const material = new THREE.MeshStandardMaterial({
      color: new THREE.Color(...body.color), roughness: 0.7, metalness: 0.1,
      transparent: opacity < 1, opacity, depthWrite: opacity === 1 });
    const mesh = new THREE.Mesh(geometries.get(body.mesh), material);
    mesh.matrixAutoUpdate = false;
    mesh.matrix.set(...body.matrix);
    mesh.visible = !body.blanked;
    mesh.userData = { ...body };
    model.add(mesh);
    state.bodies.set(body.tag, mesh);
  }
  model.updateMatrixWorld(true);
  if (!framed && model.children.length) frame();
  highlight();
  render();
}

function frame() {
  const box = new THREE.Box3().setFromObject(model);
  const size = box.getSize(new THREE.Vector3()).length() || 1000;
  const center = box.getCenter(new THREE.Vector3());
  controls.target.copy(center);
  camera.position.copy(center).add(new THREE.Vector3(1, -1.4, 0.9).normalize().multiplyScalar(size * 1.6));
  camera.near = size / 1000;
  camera.far = size * 20;
  camera.updateProjectionMatrix();
  controls.update();
  framed = true;
}

// A picked body is drawn in a strong orange with its edges outlined, whatever its colour.
const pickedColor = new THREE.Color(0xff8c00);
const outlineMaterial = new THREE.LineBasicMaterial({ color: 0x8a2a00, depthTest: false, transparent: true });
function highlight() {
  for (const [tag, mesh] of state.bodies) {
    const picked = state.picked.has(tag);
    mesh.material.color.copy(picked ? pickedColor : new THREE.Color(...mesh.userData.color));
    mesh.material.emissive.setHex(picked ? 0xb35000 : 0x000000);
    if (picked && !mesh.userData.outline) {
      mesh.userData.outline = new THREE.LineSegments(new THREE.EdgesGeometry(mesh.geometry, 30), outlineMaterial);
      mesh.add(mesh.userData.outline);
    }
    if (mesh.userData.outline) mesh.userData.outline.visible = picked;
  }
  for (const node of document.querySelectorAll('.node[data-tag]'))
    node.classList.toggle('picked', state.picked.has(Number(node.dataset.tag)));
}

const raycaster = new THREE.Raycaster();
function bodyAt(event) {
  const rect = canvas.getBoundingClientRect();
  const pointer = new THREE.Vector2(((event.clientX - rect.left) / rect.width) * 2 - 1,
                                    -((event.clientY - rect.top) / rect.height) * 2 + 1);
  raycaster.setFromCamera(pointer, camera);
  const hit = raycaster.intersectObjects(model.children.filter((m) => m.visible), false)[0];
  return hit ? hit.object.userData.tag : null;
}

let downAt = null;
canvas.addEventListener('pointerdown', (e) => { downAt = [e.clientX, e.clientY]; });
canvas.addEventListener('pointerup', (e) => {
  if (!downAt || Math.hypot(e.clientX - downAt[0], e.clientY - downAt[1]) > 4) return;  // a drag turns the view
  const tag = bodyAt(e);
  if (tag !== null) pickBody(tag);
});
canvas.addEventListener('pointermove', (e) => {
  if (e.buttons) return;
  const tag = bodyAt(e);
  $('hover').textContent = tag === null ? '' : nameOf(tag);
  if (tag !== null && state.picked.size === 0) showAttributes(tag);
});

// Where a body shows on the screen (page pixels), for the browser test to click it.
window.fabdoc.screenPointOf = (tag) => {
  const mesh = state.bodies.get(tag);
  if (!mesh) return null;
  const rect = canvas.getBoundingClientRect();
  const p = new THREE.Box3().setFromObject(mesh).getCenter(new THREE.Vector3()).project(camera);
  return { x: rect.left + (p.x + 1) / 2 * rect.width, y: rect.top + (1 - p.y) / 2 * rect.height };
};
window.fabdoc.bodyTags = () => [...state.bodies.keys()];
window.fabdoc.bodyAtPoint = (x, y) => bodyAt({ clientX: x, clientY: y });
// The colour drawn at a page point, [r, g, b] 0..255.
window.fabdoc.pixelAt = (x, y) => {
  render();
  const rect = canvas.getBoundingClientRect();
  const probe = document.createElement('canvas');
  probe.width = probe.height = 1;
  const context = probe.getContext('2d');
  const sx = (x - rect.left) * canvas.width / rect.width, sy = (y - rect.top) * canvas.height / rect.height;
  context.drawImage(canvas, sx, sy, 1, 1, 0, 0, 1, 1);
  return [...context.getImageData(0, 0, 1, 1).data.slice(0, 3)];
};
window.fabdoc.colorOf = (tag) => state.bodies.get(tag)?.userData.color;

// ---- picking: fills the active selection block, or the selection the host asks for

async function pickBody(tag) {
  const started = performance.now();
  showAttributes(tag);
  reveal(tag);
  const session = state.session;
  if (session?.pick) {
    toggle(state.pickList, tag);
    state.picked = new Set(state.pickList);
    highlight();
    showPick(session);
  } else if (state.activeBlock) {
    const block = findBlock(state.activeBlock);
    const selected = (block?.properties.SelectedObjects.value || []).map((o) => o.tag);
    const single = block?.properties.SelectMode?.value === 0;
    const tags = single ? [tag] : toggle(selected, tag);
    await call('select', { block: state.activeBlock, tags });
  } else {
    state.picked = new Set([tag]);
    highlight();
  }
  window.fabdoc.lastPickMs = performance.now() - started;
  render();
}

function toggle(list, tag) {
  const at = list.indexOf(tag);
  if (at >= 0) list.splice(at, 1); else list.push(tag);
  return list;
}

// A selection the host asks for: bodies picked in the view or the tree, and sheets, for
// which the sheet list offers a box each (none ticked: the command takes them all).
function showPick(session) {
  const panel = $('pick');
  panel.innerHTML = '';
  if (!session?.pick) { state.pickList = []; return; }
  const box = el('div', 'dialog');
  box.append(el('h3', '', session.pick.title || 'Select objects'));
  const bodies = state.pickList.filter((t) => state.bodies.has(t));
  box.append(el('div', 'blocks', bodies.map(nameOf).join(', ') || 'Pick bodies in the view, or sheets below.'));
  if (state.sheets.length) {
    const sheets = el('div', 'blocks sheet-choices');
    for (const s of state.sheets.filter((x) => x.pick !== null)) {
      const choice = el('label', 'sheet-choice');
      const tick = el('input');
      tick.type = 'checkbox';
      tick.checked = state.pickList.includes(s.pick);
      tick.dataset.sheet = s.name;
      tick.addEventListener('change', () => toggle(state.pickList, s.pick));
      choice.append(tick, ' ' + s.name);
      sheets.append(choice);
    }
    box.append(sheets);
  }
  const buttons = el('div', 'buttons');
  buttons.append(button('OK', () => call('pick', { tags: state.pickList }), 'pick-ok'),
                 button('Cancel', () => call('pick', { cancel: true }), 'pick-cancel'));
  box.append(buttons);
  panel.append(box);
}

// ---- tree of components and bodies; attributes

function nameOf(tag) {
  return state.bodies.get(tag)?.userData.name || String(tag);
}

function findTreeBody(tag, node = state.tree) {
  if (!node) return null;
  for (const b of node.bodies || []) if (b.tag === tag) return b;
  for (const c of node.components || []) { const f = findTreeBody(tag, c); if (f) return f; }
  return null;
}

function showAttributes(tag) {
  const body = findTreeBody(tag);
  const panel = $('attributes');
  if (!body) { panel.textContent = nameOf(tag); return; }
  const table = el('table', 'attrs');
  const row = (k, v) => { const tr = el('tr'); tr.append(el('td', '', k), el('td', '', String(v))); table.append(tr); };
  row('name', body.name);
  row('tag', body.tag);
  const shown = state.bodies.get(tag)?.userData;
  const color = el('td');
  const swatch = el('span', 'swatch');
  if (shown) swatch.style.background = rgbText(shown.color);
  color.append(swatch, `${shown?.colorName || ''} (${body.color})`);
  const colorRow = el('tr');
  colorRow.append(el('td', '', 'color'), color);
  table.append(colorRow);
  for (const [k, v] of Object.entries(body.attributes || {})) row(k, v);
  panel.innerHTML = '';
  panel.append(table);
}

const rgbText = (rgb) => `rgb(${rgb.map((c) => Math.round(c * 255)).join(',')})`;

// Many bodies of one part are grouped by part name; a group folds, as does a component.
const kGroupAbove = 30;

function showTree(tree) {
  const root = $('tree');
  root.innerHTML = '';
  if (!tree) return;
  const bodyNode = (b) => {
    const node = el('div', 'node' + (b.blanked ? ' blanked' : ''));
    node.dataset.tag = b.tag;
    const swatch = el('span', 'swatch');
    const shown = state.bodies.get(b.tag)?.userData;
    swatch.style.background = rgbText(shown?.color || [0.5, 0.5, 0.5]);
    swatch.title = shown?.colorName || '';
    const partName = b.attributes?.DB_PART_NAME;
    node.append(swatch, document.createTextNode(b.name + (partName ? '  [' + partName + ']' : '')));
    node.title = Object.entries(b.attributes || {}).map(([k, v]) => k + '=' + v).join('\n');
    node.addEventListener('click', () => pickBody(b.tag));
    node.addEventListener('mouseenter', () => showAttributes(b.tag));
    return node;
  };
  const fold = (key, label, count, foldedAtFirst, fill) => {
    const box = el('div', 'folder');
    const head = el('div', 'node fold');
    const children = el('div', 'children');
    const folded = state.folded.has(key) ? state.folded.get(key) : foldedAtFirst;
    const mark = () => { head.firstChild.textContent = children.classList.contains('folded') ? '▸ ' : '▾ '; };
    head.append(el('span', '', ''), label, el('span', 'count', ` (${count})`));
    children.classList.toggle('folded', folded);
    head.addEventListener('click', () => {
      children.classList.toggle('folded');
      state.folded.set(key, children.classList.contains('folded'));
      mark();
    });
    mark();
    fill(children);
    box.append(head, children);
    return box;
  };
  const bodies = (list, key, into) => {
    if (list.length <= kGroupAbove) { for (const b of list) into.append(bodyNode(b)); return; }
    const groups = new Map();
    for (const b of list) {
      const name = b.attributes?.DB_PART_NAME || b.name || '(unnamed)';
      if (!groups.has(name)) groups.set(name, []);
      groups.get(name).push(b);
    }
    for (const [name, members] of groups)
      into.append(fold(key + '/' + name, name, members.length, true, (c) => members.forEach((b) => c.append(bodyNode(b)))));
  };
  const componentNode = (c, key) => fold(key, c.instance, (c.bodies || []).length + (c.components || []).length, false,
    (children) => {
      bodies(c.bodies || [], key, children);
      for (const sub of c.components || []) children.append(componentNode(sub, key + '/' + sub.instance));
    });
  root.append(el('div', 'node', tree.file.split('/').pop()));
  bodies(tree.bodies, '', root);
  for (const c of tree.components) root.append(componentNode(c, c.instance));
  highlight();
}

// Unfolds what hides a body's node in the tree.
function reveal(tag) {
  const node = document.querySelector(`#tree .node[data-tag="${tag}"]`);
  for (let e = node?.parentElement; e && e.id !== 'tree'; e = e.parentElement)
    if (e.classList.contains('folded')) e.previousElementSibling.click();
}

// ---- dialogs, built from the blocks the server reads from the dialog file

function findBlock(id, blocks = state.session?.dialogs.at(-1)?.blocks || []) {
  for (const b of blocks) {
    if (b.id === id) return b;
    const inner = findBlock(id, b.children);
    if (inner) return inner;
  }
  return null;
}

function showDialogs(session) {
  const panel = $('dialog');
  panel.innerHTML = '';
  const dialog = session.dialogs.at(-1);
  if (!dialog) { state.activeBlock = null; state.picked = new Set(); highlight(); return; }
  // The active selection block stays while usable; else the first usable one.
  const selects = [];
  const collect = (blocks) => blocks.forEach((b) => {
    if (b.kind === 'SelectObject' && b.usable) selects.push(b.id);
    collect(b.children);
  });
  collect(dialog.blocks);
  if (!selects.includes(state.activeBlock)) state.activeBlock = selects[0] || null;
  const active = findBlock(state.activeBlock);
  state.picked = new Set((active?.properties.SelectedObjects.value || []).map((o) => o.tag));
  highlight();

  const box = el('div', 'dialog');
  box.dataset.file = dialog.file;
  box.append(el('h3', '', dialog.title + (session.dialogs.length > 1 ? `  (${session.dialogs.length})` : '')));
  const blocks = el('div', 'blocks');
  for (const b of dialog.blocks) { const e = blockElement(b); if (e) blocks.append(e); }
  box.append(blocks);
  const buttons = el('div', 'buttons');
  buttons.append(button('OK', () => call('ok'), 'dialog-ok'), button('Apply', () => call('apply'), 'dialog-apply'),
                 button('Cancel', () => call('cancel'), 'dialog-cancel'));
  box.append(buttons);
  panel.append(box);
}

// A number typed by the user, or the text as typed so that the server says what is wrong.
const numberOrText = (text) => (text.trim() !== '' && Number.isFinite(Number(text)) ? Number(text) : text);
const set = (block, value, property) => call('set', property ? { block, property, value } : { block, value });

function blockElement(b) {
  if (!b.shown && !(b.properties.ShowHandle?.value)) return null;
  const p = b.properties;
  const box = el('div', 'block kind-' + b.kind + (b.usable ? '' : ' disabled'));
  box.dataset.block = b.id;
  const label = () => el('label', '', b.label || b.id);
  const input = (value, onChange) => {
    const i = el('input');
    i.value = value;
    i.disabled = !b.usable;
    i.addEventListener('change', () => onChange(i.value));
    return i;
  };
  const xyz = (name) => {
    const span = el('span');
    span.append(el('label', '', name === b.main ? (b.label || b.id) : b.id + '.' + name));
    const v = p[name].value;
    const inputs = v.map((c) => input(c, () => set(b.id, inputs.map((i) => numberOrText(i.value)), name === b.main ? undefined : name)));
    inputs.forEach((i) => { i.size = 6; i.dataset.property = name; span.append(i); });
    return span;
  };
  switch (b.kind) {
    case 'Group': {
      const fs = el('fieldset');
      fs.append(el('legend', '', b.label));
      for (const c of b.children) { const e = blockElement(c); if (e) fs.append(e); }
      box.append(fs);
      break;
    }
    case 'Label': box.append(el('span', '', b.label)); break;
    case 'Separator': box.append(el('hr')); break;
    case 'Enumeration': {
      const s = el('select');
      p.Value.members.forEach((m, i) => s.add(new Option(m, i)));
      s.value = p.Value.value;
      s.disabled = !b.usable;
      s.addEventListener('change', () => set(b.id, Number(s.value)));
      box.append(label(), s);
      break;
    }
    case 'Toggle': {
      const c = el('input');
      c.type = 'checkbox';
      c.checked = p.Value.value;
      c.disabled = !b.usable;
      c.addEventListener('change', () => set(b.id, c.checked));
      box.append(c, label());
      break;
    }
    case 'StringBlock': case 'FolderSelection':
      box.append(label(), input(p[b.main].value, (v) => set(b.id, v)));
      break;
    case 'ExpressionBlock': case 'DoubleBlock': case 'IntegerBlock': case 'LinearDimension':
      box.append(label(), input(p.Value.value, (v) => set(b.id, numberOrText(v))));
      break;
    case 'ObjectColorPicker': {
      const field = input(p.Value.value.join(','), (v) => set(b.id, v.split(',').map(numberOrText)));
      field.size = 4;
      box.append(label(), field);
      for (const c of b.colors || []) {
        const swatch = el('span', 'swatch');
        swatch.style.background = rgbText(c.rgb);
        box.append(' ', swatch, el('span', 'color-name', c.name));
      }
      break;
    }
    case 'Button': box.append(button(b.label || b.id, () => call('press', { block: b.id }))); break;
    case 'SpecifyPoint': box.append(xyz('Point')); break;
    case 'SpecifyOrientation': box.append(xyz('Origin'), el('br'), xyz('XAxis'), el('br'), xyz('YAxis')); break;
    case 'DrawingArea': {
      const img = el('img');
      if (p.Image.value) img.src = '/api/file?path=' + encodeURIComponent(p.Image.value);
      img.style.maxWidth = '100%';
      box.append(label(), el('br'), img);
      break;
    }
    case 'SelectObject': {
      box.classList.add('select');
      box.classList.toggle('active', state.activeBlock === b.id);
      const names = p.SelectedObjects.value.map((o) => o.name || o.tag).join(', ');
      box.append(label(), el('span', 'selected', names || '(pick bodies in the view)'));
      const all = button('All', () => call('select', { block: b.id, tags: window.fabdoc.bodyTags() }));
      const clear = button('Clear', () => call('select', { block: b.id, tags: [] }));
      all.className = 'all';
      clear.className = 'clear';
      box.append(all, clear);
      box.addEventListener('click', () => { state.activeBlock = b.id; showDialogs(state.session); });
      break;
    }
    case 'Tree': box.append(label(), treeBlock(b)); break;
    default: box.append(label(), el('span', '', '(' + b.kind + ')'));
  }
  return box;
}

// A tree block: its nodes as the host describes them; a click selects a node, the
// context-menu field chooses an item on the selected node.
function treeBlock(b) {
  const box = el('div', 'tree-block');
  const path = [];
  let selectedPath = null;
  for (const line of (b.tree || '').split('\n').filter(Boolean)) {
    const depth = (line.length - line.trimStart().length - 2) / 2;
    const text = line.trimStart().replace(/ \[[^\]]*\].*$/, '');
    path.length = depth;
    path.push(text);
    const nodePath = [...path];
    const selected = / selected( |$)/.test(line.replace(/tooltip ".*"$/, ''));
    if (selected) selectedPath = nodePath;
    const node = el('div', 'tnode' + (selected ? ' selected' : ''), '  '.repeat(depth) + text);
    node.addEventListener('click', () => call('select', { block: b.id, node: nodePath }));
    box.append(node);
  }
  if (b.menu) {
    const item = el('input');
    item.placeholder = 'menu item';
    box.append(item, button('Menu', () => call('menu', selectedPath ? { block: b.id, item: item.value, node: selectedPath }
                                                                   : { block: b.id, item: item.value })));
  }
  return box;
}

// ---- sheets as SVG

function showSheets(sheets) {
  const bar = $('sheets');
  bar.innerHTML = '';
  $('sheets-pdf').hidden = sheets.length === 0;
  for (const s of sheets) {
    const b = button(s.name, () => {
      $('sheet-image').src = '/api/sheet.svg?name=' + encodeURIComponent(s.name) + '&r=' + state.revision;
      $('sheet-view').hidden = false;
    });
    b.dataset.sheet = s.name;
    bar.append(b);
  }
}
$('close-sheet').addEventListener('click', () => { $('sheet-view').hidden = true; });

// ---- header: files and menu

$('open').addEventListener('click', async () => {
  const started = performance.now();
  framed = false;
  const reply = await call('open', { path: $('part-path').value });
  await state.modelRefresh;
  if (reply.ok) window.fabdoc.lastLoadMs = performance.now() - started;
});
$('save').addEventListener('click', () => call('save'));
$('save-all').addEventListener('click', () => call('save-all'));
$('save-as').addEventListener('click', () => call('save-as', { path: $('part-path').value }));
$('run-action').addEventListener('click', () => {
  const name = $('actions').value;
  if (hostCommands.includes(name)) call(name);
  else if (name) call('action', { name });
});

function el(tag, className = '', text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function button(text, onClick, id) {
  const b = el('button', '', text);
  if (id) b.id = id;
  b.addEventListener('click', onClick);
  return b;
}

// ---- start: the session as it is, then every change another tab makes

// The host's progress bar during a long command.
function showProgress(p) {
  $('progress').hidden = !p.shown;
  if (!p.shown) return;
  const percent = p.span > 0 ? Math.round((100 * p.done) / p.span) : 0;
  $('progress-text').textContent = p.text;
  $('progress-fill').style.width = percent + '%';
  $('progress-percent').textContent = `${percent}% (${p.done}/${p.span})`;
  window.fabdoc.progressSeen = (window.fabdoc.progressSeen || 0) + 1;
}

async function start() {
  await showState(await get('state'));
  await showMessages();
  const socket = new WebSocket(`ws://${location.host}/ws`);
  socket.addEventListener('message', async (event) => {
    const data = JSON.parse(event.data);
    if (data.event === 'progress') showProgress(data);
    if (data.event === 'changed' && data.revision !== state.revision && !window.fabdoc.busy) {
      await showState(await get('state'));
      await showMessages();
    }
  });
  window.fabdoc.ready = true;
}
start();
