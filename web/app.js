// Purpose: the workbench page's logic: every click becomes one session line sent to the local
// tevaro serve; the answer's state redraws the plan, the dialog, the palette and the panels.
// Zoom, pan and hover stay in the page: they change nothing in the model.

const $ = (id) => document.getElementById(id);
const SVGNS = 'http://www.w3.org/2000/svg';
const ZOOM_STEP = 1.15;        // one wheel notch
const DRAG_START_PX = 4;       // a press that moves farther than this pans instead of clicking
const POLL_MS = 2000;          // how often another tab's changes are looked for
const DIALOG_SCALE = 1.3;      // dialog units to page pixels
const NOTHING_CHOSEN = /^\s*-.*-\s*$/;  // a pop-up's "- nincs kiválasztva -" entry
const CHUNK = 500;             // plan shapes made between two looks at the browser's other work
const EDGE_NUMBERS_MAX = 1500; // edge numbers are drawn when no more edges than this are in view

let labels = {};
let edgeTypes = [];
let state = null;
let planRevision = -1;
let view = { k: 1, x: 0, y: 0 };    // zoom and pan of the plan
let map = { scale: 1, offx: 0, offy: 0, width: 1000, height: 700 };  // model to plan picture
let pickedEdge = null;             // {group, number} shown in the edge panel
let lastPoint = null;              // the previous point of the running command (rubber band anchor)
let queue = Promise.resolve();
let threeView = null;
let drawn = { plan: -1, edges: -1 };  // the plan revision the element and edge layers show
let shapes = new Map();            // element id -> its shape on the plan
let edgeLines = [];                // [edge, its line] of the palette's edges
let numbersPending = false;

// ---- Talking to the server ---------------------------------------------------------------------

// Sends one session line; the answer's state redraws the page. Lines go one after another.
function send(line) {
  queue = queue.then(async () => {
    setBusy(true);
    try {
      const res = await fetch('/api/line', { method: 'POST', headers: { 'Content-Type': 'application/json' },
                                             body: JSON.stringify({ line, plan: planRevision }) });
      const reply = await res.json();
      showError(reply.ok ? '' : reply.error || res.statusText);
      $('output').textContent = reply.output || '';
      if (reply.state) await render(reply.state);
    } catch (e) {
      showError(String(e));
    } finally {
      setBusy(false);
    }
  });
  return queue;
}

function setBusy(on) {
  $('busy').hidden = !on;
  document.body.dataset.busy = on ? '1' : '';
}

function showError(text) {
  $('error-box').hidden = !text;
  $('error-text').textContent = text || '';
}

// Looks for changes another tab made.
async function poll() {
  if (document.body.dataset.busy) return;
  try {
    const res = await fetch('/api/state?since=' + (state ? state.revision : 0) + '&plan=' + planRevision);
    const s = await res.json();
    if (!state || s.revision !== state.revision) {
      if (s.selection) await render(s);
      else await render(await (await fetch('/api/state?plan=' + planRevision)).json());
    }
  } catch (e) { /* the server is gone: the next poll tries again */ }
}

// ---- Labels --------------------------------------------------------------------------------------

function label(row) { return labels[String(row)] || ''; }

function applyLabels() {
  for (const el of document.querySelectorAll('[data-label]')) el.textContent = label(el.dataset.label);
  for (const el of document.querySelectorAll('[data-label-title]')) el.title = label(el.dataset.labelTitle);
  document.title = label(241);
}

// ---- Plan ------------------------------------------------------------------------------------------

// A model point in plan-picture coordinates.
function P(x, y) { return [map.offx + map.scale * x, map.offy - map.scale * y]; }

// A model point from a mouse event.
function modelPoint(ev) {
  const m = $('viewport').getScreenCTM().inverse();
  const pt = new DOMPoint(ev.clientX, ev.clientY).matrixTransform(m);
  return [(pt.x - map.offx) / map.scale, (map.offy - pt.y) / map.scale];
}

function ringPath(ring) {
  return ring.map((p, i) => (i ? 'L' : 'M') + P(p[0], p[1]).map((v) => v.toFixed(2)).join(' ')).join(' ') + ' Z';
}

function svg(tag, attrs, parent) {
  const el = document.createElementNS(SVGNS, tag);
  for (const [k, v] of Object.entries(attrs)) el.setAttribute(k, v);
  if (parent) parent.appendChild(el);
  return el;
}

// Loads the server's plan drawing when the model changed, and its model-to-picture mapping.
// Loads the page's plan when the model changed: its pictures, laid over one another in order (the
// browser builds each in a task of its own), and its model-to-picture mapping. The pictures shown
// stay until the new ones are there.
async function loadPlan() {
  const meta = await (await fetch('/api/page-plan')).json();
  map = { scale: meta['data-scale'] || 1, offx: meta['data-offx'] || 0, offy: meta['data-offy'] || 0,
          width: meta.width || 1000, height: meta.height || 700 };
  const holder = $('plan-image');
  const old = [...holder.children];
  const group = svg('g', {}, holder);
  const loads = [];
  for (let k = 0; k < meta.parts; k += 1) {
    const img = svg('image', { x: 0, y: 0, width: map.width, height: map.height }, group);
    loads.push(new Promise((resolve) => {
      img.onload = () => resolve(true);
      img.onerror = () => resolve(false);
    }));
    img.setAttribute('href', `/api/page-plan/${k}?revision=${meta.revision}`);
  }
  const loaded = await Promise.all(loads);
  for (const g of old) g.remove();
  if (loaded.includes(false)) showError(label(81));
}

function applyView() {
  $('viewport').setAttribute('transform', `translate(${view.x} ${view.y}) scale(${view.k})`);
  scheduleEdgeNumbers();
}

// Lets the browser draw and answer the user before the next piece of work.
function nextFrame() { return new Promise((resolve) => setTimeout(resolve, 0)); }

// Makes a shape for every item, CHUNK at a time, into `layer`; the browser breathes between chunks.
async function buildInChunks(items, make, layer) {
  for (let i = 0; i < items.length; i += CHUNK) {
    const part = document.createDocumentFragment();
    for (const item of items.slice(i, i + CHUNK)) make(item, part);
    layer.appendChild(part);
    if (i + CHUNK < items.length) await nextFrame();
  }
}

function fitView() {
  const box = $('plan').getBoundingClientRect();
  const k = Math.min(box.width / map.width, box.height / map.height) || 1;
  view = { k, x: (box.width - map.width * k) / 2, y: (box.height - map.height * k) / 2 };
  applyView();
}

// Draws the selectable elements when the plan changed; otherwise only the selection's marks move.
async function drawElements() {
  const layer = $('layer-elements');
  const selected = new Set(state.selection);
  if (drawn.plan !== state.planRevision) {
    drawn.plan = state.planRevision;
    layer.replaceChildren();
    shapes = new Map();
    const order = { fill: 0, roof: 1, wall: 2, object: 3 };
    const elements = [...state.elements].sort((a, b) => order[a.kind] - order[b.kind]);
    await buildInChunks(elements, (e, parent) => {
      const el = elementShape(e, parent);
      if (el) shapes.set(e.id, el);
    }, layer);
  }
  for (const [id, el] of shapes) el.classList.toggle('sel', selected.has(id));
}

// One element's clickable shape on the plan (null when it has none).
function elementShape(e, parent) {
  const attrs = { class: e.kind === 'object' && !(e.polys && e.polys.length) && e.lines && e.lines.length ? 'ridge-hit' : 'el',
                  'data-id': e.id, 'data-kind': e.kind };
  if (e.kind === 'roof') {
    return svg('path', { ...attrs, d: e.planes.map((rings) => rings.map(ringPath).join(' ')).join(' '), 'fill-rule': 'evenodd' }, parent);
  } else if (e.polys && e.polys.length) {
    return svg('path', { ...attrs, d: e.polys.map(ringPath).join(' '), 'fill-rule': 'evenodd' }, parent);
  } else if (e.lines && e.lines.length) {
    const d = e.lines.map((l) => 'M' + P(...l[0]).join(' ') + ' L' + P(...l[1]).join(' ')).join(' ');
    return svg('path', { ...attrs, d }, parent);
  } else if (e.at) {
    const [x, y] = P(e.at[0], e.at[1]);
    return svg('circle', { ...attrs, cx: x, cy: y, r: 7 }, parent);
  }
  return null;
}

function typeInfo(type) { return edgeTypes.find((t) => t.type === type) || { label: '?', colour: '#999' }; }

// Draws the open palette's edges in their types' colours when they changed; the picked one shows.
async function drawEdges() {
  const layer = $('layer-edges');
  const revision = state.palette ? state.planRevision : -1;
  if (drawn.edges !== revision) {
    drawn.edges = revision;
    layer.replaceChildren();
    edgeLines = [];
    $('layer-numbers').replaceChildren();
    await buildInChunks(state.palette ? state.edges : [], (e, parent) => {
      const [x1, y1] = P(e.start[0], e.start[1]);
      const [x2, y2] = P(e.end[0], e.end[1]);
      edgeLines.push([e, svg('line', { class: 'edge', x1, y1, x2, y2, stroke: typeInfo(e.type).colour,
                                       'data-group': e.group, 'data-edge': e.number }, parent)]);
    }, layer);
  }
  for (const [e, line] of edgeLines)
    line.classList.toggle('picked', !!pickedEdge && pickedEdge.group === e.group && pickedEdge.number === e.number);
  drawEdgeNumbers();
}

// The edge numbers of the edges in view, when they are few enough to be read (zoomed in).
function drawEdgeNumbers() {
  numbersPending = false;
  const layer = $('layer-numbers');
  const box = $('plan').getBoundingClientRect();
  // the plan picture's part in view
  const x0 = -view.x / view.k, y0 = -view.y / view.k, x1 = x0 + box.width / view.k, y1 = y0 + box.height / view.k;
  const inView = [];
  for (const [e, line] of edgeLines) {
    const x = (+line.getAttribute('x1') + +line.getAttribute('x2')) / 2, y = (+line.getAttribute('y1') + +line.getAttribute('y2')) / 2;
    if (x >= x0 && x <= x1 && y >= y0 && y <= y1) inView.push([e, x, y]);
    if (inView.length > EDGE_NUMBERS_MAX) break;
  }
  layer.replaceChildren();
  if (inView.length > EDGE_NUMBERS_MAX) return;
  const part = document.createDocumentFragment();
  for (const [e, x, y] of inView) svg('text', { class: 'edge-no', x, y: y + 4, 'text-anchor': 'middle' }, part).textContent = e.number;
  layer.appendChild(part);
}

// Redraws the edge numbers once the view has settled in this frame.
function scheduleEdgeNumbers() {
  if (numbersPending || !edgeLines.length) return;
  numbersPending = true;
  requestAnimationFrame(drawEdgeNumbers);
}

// ---- Edge panel --------------------------------------------------------------------------------------

// A small picture of an edge type: its colour as a line, as on the palette.
function typePictogram(type) {
  const s = document.createElementNS(SVGNS, 'svg');
  s.setAttribute('width', 26);
  s.setAttribute('height', 14);
  svg('rect', { x: 0.5, y: 0.5, width: 25, height: 13, fill: '#fff', stroke: '#999' }, s);
  svg('line', { x1: 3, y1: 7, x2: 23, y2: 7, stroke: typeInfo(type).colour, 'stroke-width': 4 }, s);
  const t = svg('text', { x: 13, y: 11, 'font-size': 9, 'text-anchor': 'middle', fill: '#000' }, s);
  t.textContent = type;
  return s;
}

function showEdgePanel() {
  const e = pickedEdge && state.palette && state.edges.find((x) => x.group === pickedEdge.group && x.number === pickedEdge.number);
  $('edge-panel').hidden = !e;
  if (!e) return;
  const f = (v) => v.toFixed(2);
  $('edge-title').textContent = `${e.group}/${e.number}`;
  $('edge-type').textContent = `${e.type} – ${e.label}`;
  $('edge-length').textContent = `${f(e.length)} m`;
  $('edge-ends').textContent = `(${e.start.map(f).join('; ')}) – (${e.end.map(f).join('; ')})`;
  const list = $('edge-types');
  list.replaceChildren();
  for (const t of edgeTypes) {
    const b = document.createElement('button');
    b.className = t.type === e.type ? 'current' : '';
    b.dataset.type = t.type;
    b.append(typePictogram(t.type), document.createTextNode(t.label));
    b.onclick = () => send(`edge ${e.group} ${e.number} ${t.type}`);
    list.appendChild(b);
  }
}

// ---- Dialogs -----------------------------------------------------------------------------------------

// The label a dialog shows beside an item: the text item on its row to its left, else the one before it.
function itemLabel(items, item) {
  const texts = items.filter((t) => t.kind === 'text' && t.visible && t.text);
  const row = texts.filter((t) => t.x < item.x && Math.abs(t.y - item.y) < Math.max(item.h, 12));
  if (row.length) return row[row.length - 1].text.replace(/:\s*$/, '');
  const before = texts.filter((t) => t.number < item.number);
  return before.length ? before[before.length - 1].text.replace(/:\s*$/, '') : `#${item.number}`;
}

// The choices still missing while OK is disabled: visible pop-ups left on "nothing chosen".
function missingChoices(items) {
  return items.filter((i) => i.kind === 'popup' && i.visible && i.enabled && i.entries.length &&
                             (i.selected === 0 || NOTHING_CHOSEN.test(i.entries[i.selected - 1].text)))
              .map((i) => itemLabel(items, i));
}

// The line a click on a dialog button sends: OK and Cancel by name, others by number.
function buttonLine(dialog, item) {
  if (dialog.modal && item.number === 1) return 'ok';
  if (dialog.modal && item.number === 2) return 'cancel';
  return `click ${item.number}`;
}

// One dialog item as a form element, placed where the layout puts it.
function dialogItem(dialog, item) {
  const at = (el) => {
    el.style.left = item.x * DIALOG_SCALE + 'px';
    el.style.top = item.y * DIALOG_SCALE + 'px';
    el.style.width = Math.max(item.w, 8) * DIALOG_SCALE + 'px';
    el.style.height = Math.max(item.h, 8) * DIALOG_SCALE + 'px';
    el.dataset.item = item.number;
    el.dataset.kind = item.kind;
    if (!item.enabled) { el.classList.add('disabled'); if ('disabled' in el) el.disabled = true; }
    return el;
  };
  const n = item.number;
  const make = (tag) => document.createElement(tag);
  switch (item.kind) {
    case 'button':
    case 'iconbutton': {
      const b = at(make('button'));
      b.type = 'button';
      b.textContent = item.text || item.iconName || `#${n}`;
      b.onclick = () => send(buttonLine(dialog, item));
      if (n === 1 && dialog.modal && !item.enabled) {
        const missing = missingChoices(dialog.items);
        b.title = missing.length ? label(265) + missing.join(', ') : '';
      }
      return b;
    }
    case 'text': { const d = at(make('div')); d.textContent = item.text; return d; }
    case 'separator': { const d = at(make('hr')); d.style.height = '0'; return d; }
    case 'picture':
    case 'icon': { const d = at(make('div')); d.className = 'icon'; d.textContent = item.iconName; return d; }
    case 'rolldown': {
      const b = at(make('button'));
      b.type = 'button';
      b.classList.add('rolldown');
      b.textContent = (item.value ? '▼' : '▶') + item.text;
      b.onclick = () => send(`set ${n} ${item.value ? 0 : 1}`);
      return b;
    }
    case 'checkbox':
    case 'radio':
    case 'iconradio': {
      const l = at(make('label'));
      const i = make('input');
      i.type = item.kind === 'checkbox' ? 'checkbox' : 'radio';
      i.checked = !!item.value;
      i.disabled = !item.enabled;
      i.onchange = () => send(`set ${n} ${item.kind === 'checkbox' ? (i.checked ? 1 : 0) : 1}`);
      l.append(i, document.createTextNode(' ' + (item.text || item.iconName)));
      return l;
    }
    case 'popup': {
      const s = at(make('select'));
      item.entries.forEach((e, k) => {
        const o = make('option');
        o.value = k + 1;
        o.textContent = e.text + (e.iconName ? ` [${e.iconName}]` : '');
        s.appendChild(o);
      });
      s.value = item.selected || '';
      s.onchange = () => send(`pick ${n} ${s.value}`);
      return s;
    }
    case 'list': {
      const d = at(make('div'));
      d.classList.add('list');
      item.rows.forEach((r, k) => {
        const row = make('div');
        row.className = item.selected === k + 1 ? 'sel' : '';
        row.dataset.row = k + 1;
        row.textContent = r.texts.map((t, f) => (r.imageNames[f] ? `[${r.imageNames[f]}] ` : '') + t).join('  ');
        if (item.enabled) row.onclick = () => send(`pick ${n} ${k + 1}`);
        d.appendChild(row);
      });
      return d;
    }
    case 'intedit':
    case 'realedit':
    case 'textedit':
    case 'usercontrol': {
      const i = at(make('input'));
      i.type = item.kind === 'textedit' ? 'text' : 'number';
      if (item.kind === 'realedit') i.step = 'any';
      i.value = item.kind === 'textedit' || (item.kind === 'realedit' && item.text) ? item.text : item.value;
      i.onchange = () => send(`set ${n} ${i.value}`);
      return i;
    }
    default: { const d = at(make('div')); d.textContent = item.text; return d; }
  }
}

function drawDialog() {
  const d = state.dialog;
  $('dialog-back').hidden = !d;
  if (!d) return;
  $('dialog-title').textContent = d.title;
  const box = $('dialog-items');
  box.replaceChildren();
  let bottom = 0;
  for (const item of d.items) {
    if (!item.visible) continue;
    box.appendChild(dialogItem(d, item));
    bottom = Math.max(bottom, item.y + item.h);
  }
  box.style.width = d.width * DIALOG_SCALE + 'px';
  box.style.height = Math.max(d.height, bottom) * DIALOG_SCALE + 'px';
  const ok = d.items.find((i) => i.number === 1);
  const missing = ok && !ok.enabled ? missingChoices(d.items) : [];
  $('dialog-missing').textContent = missing.length ? label(265) + missing.join(', ') : '';
}

// The open edge palette's own items (its Finalize button), and its close control.
function drawPalette() {
  const p = state.palette;
  $('palette').hidden = !p;
  if (!p) { pickedEdge = null; return; }
  $('palette-title').textContent = p.title || label(274);
  const box = $('palette-items');
  box.replaceChildren();
  for (const item of p.items) {
    if (!item.visible || (item.kind !== 'button' && item.kind !== 'text')) continue;
    const el = document.createElement(item.kind === 'button' ? 'button' : 'div');
    el.textContent = item.text;
    el.dataset.item = item.number;
    if (item.kind === 'button') {
      el.disabled = !item.enabled;
      el.onclick = () => send(item.number === 1 ? 'finalize' : `click ${item.number}`);
    }
    box.appendChild(el);
  }
}

// ---- Panels -------------------------------------------------------------------------------------------

function drawPanels() {
  $('selection').textContent = state.selection.length ? state.selection.join(', ') : label(273);
  const tbody = $('quantities').querySelector('tbody');
  tbody.replaceChildren();
  for (const q of state.quantities) {
    const tr = document.createElement('tr');
    for (const [v, cls] of [[q.item, ''], [q.code, ''], [(+q.quantity).toFixed(q.unit === 'pcs' ? 0 : 2), 'num'], [q.unit, '']]) {
      const td = document.createElement('td');
      td.textContent = v;
      td.className = cls;
      tr.appendChild(td);
    }
    tbody.appendChild(tr);
  }
  const ol = $('messages');
  ol.replaceChildren();
  for (const m of state.messages) {
    const li = document.createElement('li');
    li.textContent = m.text;
    li.className = m.kind;
    ol.appendChild(li);
  }
  $('session').textContent = state.session.join('\n');
  $('session').scrollTop = $('session').scrollHeight;
  $('point-bar').hidden = !state.point;
  $('point-prompt').textContent = state.point ? (state.point.prompt || label(264)) + ' – ' + label(264) : '';
  $('plan').classList.toggle('pointing', !!state.point);
  if (!state.point) $('layer-rubber').replaceChildren();
  for (const b of document.querySelectorAll('#menus button')) b.disabled = !!state.dialog;
}

// Redraws everything from a state the server sent.
async function render(s) {
  const first = !state;
  // a state without the plan's parts (the page holds them) keeps the ones it has
  if (state && s.elements === null) {
    s.elements = state.elements;
    s.edges = state.edges;
    s.quantities = state.quantities;
  }
  state = s;
  if (s.planRevision !== planRevision) {
    await loadPlan();
    planRevision = s.planRevision;
    if (first) fitView();
  }
  await drawElements();
  await drawEdges();
  drawPalette();
  showEdgePanel();
  drawDialog();
  drawPanels();
  if (threeView && !$('three').hidden) await threeView.refresh(s.planRevision, s.selection);
}

// ---- Mouse on the plan ---------------------------------------------------------------------------------

// The rubber band while a point is asked: a cross at the cursor and the line from the previous point.
function drawRubber(ev) {
  const layer = $('layer-rubber');
  layer.replaceChildren();
  if (!state || !state.point) return;
  const [mx, my] = modelPoint(ev);
  const [x, y] = P(mx, my);
  const r = 12 / view.k;
  svg('path', { class: 'rubber', d: `M${x - r} ${y} L${x + r} ${y} M${x} ${y - r} L${x} ${y + r}` }, layer);
  if (lastPoint) {
    const [ax, ay] = P(lastPoint[0], lastPoint[1]);
    svg('line', { class: 'rubber', x1: ax, y1: ay, x2: x, y2: y }, layer);
  }
}

function planClick(ev) {
  if (!state) return;
  if (state.point) {
    const [x, y] = modelPoint(ev).map((v) => Math.round(v * 1000) / 1000);
    lastPoint = [x, y];
    send(`point ${x} ${y}`);
    return;
  }
  const t = ev.target;
  if (t.dataset && t.dataset.edge) {
    pickedEdge = { group: +t.dataset.group, number: +t.dataset.edge };
    for (const [e, line] of edgeLines) line.classList.toggle('picked', pickedEdge.group === e.group && pickedEdge.number === e.number);
    showEdgePanel();
    return;
  }
  if (t.dataset && t.dataset.id) {
    send(ev.shiftKey ? `select + ${t.dataset.id}` : `select ${t.dataset.id}`);
  } else if (!ev.shiftKey && state.selection.length) {
    send('select none');
  }
}

function setupPlanMouse() {
  const plan = $('plan');
  let press = null;
  plan.addEventListener('mousedown', (ev) => { press = { x: ev.clientX, y: ev.clientY, vx: view.x, vy: view.y, moved: false }; });
  window.addEventListener('mousemove', (ev) => {
    if (press) {
      const dx = ev.clientX - press.x, dy = ev.clientY - press.y;
      if (Math.hypot(dx, dy) > DRAG_START_PX) press.moved = true;
      if (press.moved) { view.x = press.vx + dx; view.y = press.vy + dy; applyView(); }
    }
    if (ev.target.closest && ev.target.closest('#plan')) drawRubber(ev);
  });
  window.addEventListener('mouseup', (ev) => {
    const p = press;
    press = null;
    if (p && !p.moved && ev.target.closest && ev.target.closest('#plan')) planClick(ev);
  });
  plan.addEventListener('wheel', (ev) => {
    ev.preventDefault();
    const box = plan.getBoundingClientRect();
    const f = ev.deltaY < 0 ? ZOOM_STEP : 1 / ZOOM_STEP;
    const cx = ev.clientX - box.left, cy = ev.clientY - box.top;
    view = { k: view.k * f, x: cx - (cx - view.x) * f, y: cy - (cy - view.y) * f };
    applyView();
  }, { passive: false });
}

// ---- Tool bar ---------------------------------------------------------------------------------------------

function setupToolbar() {
  for (const b of document.querySelectorAll('#menus button[data-menu]')) {
    b.onclick = () => { lastPoint = null; send('menu ' + b.dataset.menu); };
  }
  $('undo').onclick = () => send('undo');
  $('palette-close').onclick = () => send('close-palette');
  $('point-cancel').onclick = () => send('select ' + (state.selection.length ? state.selection.join(' ') : 'none'));
  $('view-fit').onclick = fitView;
  $('upload').onchange = async () => {
    const file = $('upload').files[0];
    if (!file) return;
    queue = queue.then(async () => {
      setBusy(true);
      try {
        const res = await fetch('/api/upload?name=' + encodeURIComponent(file.name), { method: 'POST', body: file,
                                headers: { 'Content-Type': 'application/json' } });
        const reply = await res.json();
        showError(reply.ok ? '' : reply.error);
        if (reply.state) { await render(reply.state); fitView(); }
      } catch (e) { showError(String(e)); } finally { setBusy(false); $('upload').value = ''; }
    });
  };
  $('view-plan').onclick = () => showView(false);
  $('view-3d').onclick = () => showView(true);
  window.addEventListener('keydown', (ev) => {
    if (ev.key === 'Escape' && state && state.point) $('point-cancel').click();
    // Ctrl+A selects everything, as in the host (not while typing in a field or a dialog is open)
    if (ev.key === 'a' && (ev.ctrlKey || ev.metaKey) && state && !state.dialog && !ev.target.closest('input, select')) {
      ev.preventDefault();
      send('select all');
    }
  });
}

// The 3D view's module with three.js: fetched and compiled once, early, while the page is idle.
let view3dLoading = null;
function view3dModule() {
  if (!view3dLoading) view3dLoading = import('/view3d.js');
  return view3dLoading;
}

// Switches between the plan and the 3D view (made on first use).
async function showView(three) {
  $('view-plan').classList.toggle('on', !three);
  $('view-3d').classList.toggle('on', three);
  $('plan').style.visibility = three ? 'hidden' : 'visible';
  $('three').hidden = !three;
  if (!three) return;
  try {
    if (!threeView) threeView = await (await view3dModule()).createView($('three'), (id, shift) => {
      send(shift ? `select + ${id}` : `select ${id}`);
    });
    await threeView.refresh(state ? state.planRevision : 0, state ? state.selection : []);
    window.__view3d = threeView;
  } catch (e) {
    showError(String(e));
  }
}

async function start() {
  labels = await (await fetch('/api/labels')).json();
  edgeTypes = await (await fetch('/api/edge-types')).json();
  applyLabels();
  setupToolbar();
  setupPlanMouse();
  await render(await (await fetch('/api/state')).json());
  setInterval(poll, POLL_MS);
  document.addEventListener('visibilitychange', poll);
  window.addEventListener('resize', () => { if (state) applyView(); });
  document.body.dataset.ready = '1';
  // three.js is large: compile it while the user looks at the plan, so the 3D view opens at once
  (window.requestIdleCallback || setTimeout)(() => view3dModule().catch(() => {}));
}

// The plan's mapping, for the browser tests that aim at model points.
window.__planMap = () => map;

start();
