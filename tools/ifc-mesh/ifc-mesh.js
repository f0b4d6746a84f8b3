#!/usr/bin/env node
// Purpose: the mesh stage of the IFC import. Reads an IFC file with web-ifc and writes, as one JSON
// document, the triangles of every element a roof tiler cares about (roofs, roof slabs and
// coverings, walls, chimneys, proxies, openings) in metres, z up, with GlobalId, IFC type,
// predefined type, name, storey and the element it belongs to; plus the storeys, the true north
// direction, the length unit and the coordinate reference system when the file names one.
//
// Usage: node ifc-mesh.js FILE.ifc [OUT.json]   (without OUT the JSON goes to standard output)
// Exit codes: 0 written, 1 the file could not be read as IFC, 2 bad arguments.
'use strict';

const fs = require('fs');
const path = require('path');
const WebIFC = require('web-ifc');

// Element types whose geometry the plane stage reads; everything else is only counted.
const KEPT_TYPES = new Set([
  'IFCROOF', 'IFCSLAB', 'IFCCOVERING', 'IFCWALL', 'IFCWALLSTANDARDCASE', 'IFCWALLELEMENTEDCASE',
  'IFCCHIMNEY', 'IFCBUILDINGELEMENTPROXY', 'IFCOPENINGELEMENT',
]);
// Decimal places written for coordinates (0.01 mm is far below any roof tolerance).
const COORD_DECIMALS = 5;
// SI prefixes of IfcSIUnit as powers of ten.
const SI_PREFIX = {
  EXA: 18, PETA: 15, TERA: 12, GIGA: 9, MEGA: 6, KILO: 3, HECTO: 2, DECA: 1,
  DECI: -1, CENTI: -2, MILLI: -3, MICRO: -6, NANO: -9, PICO: -12, FEMTO: -15, ATTO: -18,
};

// A reference attribute's express id, or null.
function ref(attr) {
  return attr && typeof attr.value === 'number' ? attr.value : null;
}
// A simple attribute's value, or null when it is not set.
function val(attr) {
  if (attr === null || attr === undefined) return null;
  return attr.value !== undefined ? attr.value : null;
}
// IFC STEP text escapes (\X2\...\X0\, \X\.., \S\.) undone into a JavaScript string.
function decodeIfcText(s) {
  if (typeof s !== 'string') return s;
  let out = s.replace(/\\X2\\([0-9A-Fa-f]+)\\X0\\/g, (m, hex) => {
    let r = '';
    for (let i = 0; i + 4 <= hex.length; i += 4) r += String.fromCharCode(parseInt(hex.substr(i, 4), 16));
    return r;
  });
  out = out.replace(/\\X4\\([0-9A-Fa-f]+)\\X0\\/g, (m, hex) => {
    let r = '';
    for (let i = 0; i + 8 <= hex.length; i += 8) r += String.fromCodePoint(parseInt(hex.substr(i, 8), 16));
    return r;
  });
  out = out.replace(/\\X\\([0-9A-Fa-f]{2})/g, (m, hex) => String.fromCharCode(parseInt(hex, 16)));
  out = out.replace(/\\S\\(.)/g, (m, c) => String.fromCharCode(c.charCodeAt(0) + 128));
  return out;
}
// A text attribute decoded, or null.
function text(attr) {
  const v = val(attr);
  return typeof v === 'string' ? decodeIfcText(v) : null;
}
// The ids of every line of one IFC type (subtypes included).
function idsOfType(api, model, typeCode) {
  const out = [];
  if (!typeCode) return out;
  const v = api.GetLineIDsWithType(model, typeCode, true);
  for (let i = 0; i < v.size(); i++) out.push(v.get(i));
  return out;
}
// The line of `id`, or null when it cannot be read.
function line(api, model, id) {
  try { return api.GetLine(model, id, false); } catch (e) { return null; }
}
// The type name of a line ("IFCSLAB").
function typeName(api, model, id) {
  try { return String(api.GetNameFromTypeCode(api.GetLineType(model, id))).toUpperCase(); } catch (e) { return ''; }
}

// Metres per length unit of the file, from its unit assignment (1 when none is given).
function lengthUnit(api, model) {
  for (const id of idsOfType(api, model, WebIFC.IFCUNITASSIGNMENT)) {
    const ua = line(api, model, id);
    for (const u of (ua && ua.Units) || []) {
      const unit = line(api, model, ref(u));
      if (!unit || val(unit.UnitType) !== 'LENGTHUNIT') continue;
      const t = typeName(api, model, ref(u));
      if (t === 'IFCSIUNIT') {
        const p = val(unit.Prefix);
        return p && SI_PREFIX[p] !== undefined ? Math.pow(10, SI_PREFIX[p]) : 1;
      }
      if (t === 'IFCCONVERSIONBASEDUNIT') {
        const m = line(api, model, ref(unit.ConversionFactor));
        const v = m && m.ValueComponent ? Number(val(m.ValueComponent)) : NaN;
        const base = m ? line(api, model, ref(m.UnitComponent)) : null;
        const bp = base && val(base.Prefix) && SI_PREFIX[val(base.Prefix)] !== undefined ? Math.pow(10, SI_PREFIX[val(base.Prefix)]) : 1;
        if (isFinite(v) && v > 0) return v * bp;
      }
    }
  }
  return 1;
}

// The true north direction [x, y] of the model's 3D context, or null when the file gives none.
function trueNorth(api, model) {
  for (const id of idsOfType(api, model, WebIFC.IFCGEOMETRICREPRESENTATIONCONTEXT)) {
    if (typeName(api, model, id) !== 'IFCGEOMETRICREPRESENTATIONCONTEXT') continue;  // not a sub-context
    const ctx = line(api, model, id);
    const dir = ctx ? line(api, model, ref(ctx.TrueNorth)) : null;
    if (!dir || !dir.DirectionRatios) continue;
    const r = dir.DirectionRatios.map((d) => Number(val(d)));
    if (r.length >= 2 && isFinite(r[0]) && isFinite(r[1]) && (r[0] !== 0 || r[1] !== 0)) return [r[0], r[1]];
  }
  return null;
}

// The name of the projected coordinate reference system (IFC4 IfcProjectedCRS), or null.
function crsName(api, model) {
  const code = WebIFC.IFCPROJECTEDCRS;
  for (const id of idsOfType(api, model, code)) {
    const crs = line(api, model, id);
    const n = crs ? text(crs.Name) : null;
    if (n) return n;
  }
  return null;
}

// Transforms web-ifc's y-up point (after the placement matrix) back to the file's z-up axes.
function toZUp(x, y, z) {
  return [x, -z, y];
}

// The triangles of one streamed mesh as a flat list of z-up coordinates, rounded.
function meshTriangles(api, model, mesh) {
  const out = [];
  const f = Math.pow(10, COORD_DECIMALS);
  const geoms = mesh.geometries;
  for (let g = 0; g < geoms.size(); g++) {
    const pg = geoms.get(g);
    const geom = api.GetGeometry(model, pg.geometryExpressID);
    const verts = api.GetVertexArray(geom.GetVertexData(), geom.GetVertexDataSize());
    const idx = api.GetIndexArray(geom.GetIndexData(), geom.GetIndexDataSize());
    const m = pg.flatTransformation;  // column-major 4x4
    for (let i = 0; i + 2 < idx.length; i += 3) {
      for (let k = 0; k < 3; k++) {
        const v = idx[i + k] * 6;  // x y z nx ny nz
        const x = verts[v], y = verts[v + 1], z = verts[v + 2];
        const p = toZUp(m[0] * x + m[4] * y + m[8] * z + m[12],
                        m[1] * x + m[5] * y + m[9] * z + m[13],
                        m[2] * x + m[6] * y + m[10] * z + m[14]);
        for (const c of p) out.push(Math.round(c * f) / f);
      }
    }
    if (geom.delete) geom.delete();
  }
  return out;
}

// Appends `more` to `list` (a spread push overflows the call stack for large meshes).
function appendAll(list, more) {
  for (let i = 0; i < more.length; i++) list.push(more[i]);
}

// Relations: storey of each element, the aggregating parent, and what each opening voids.
function relations(api, model) {
  const storeyOf = new Map(), parentOf = new Map(), voids = new Map();
  for (const id of idsOfType(api, model, WebIFC.IFCRELCONTAINEDINSPATIALSTRUCTURE)) {
    const r = line(api, model, id);
    const s = r ? ref(r.RelatingStructure) : null;
    for (const e of (r && r.RelatedElements) || []) storeyOf.set(ref(e), s);
  }
  for (const id of idsOfType(api, model, WebIFC.IFCRELAGGREGATES)) {
    const r = line(api, model, id);
    const p = r ? ref(r.RelatingObject) : null;
    for (const e of (r && r.RelatedObjects) || []) if (!parentOf.has(ref(e))) parentOf.set(ref(e), p);
  }
  for (const id of idsOfType(api, model, WebIFC.IFCRELVOIDSELEMENT)) {
    const r = line(api, model, id);
    if (r) voids.set(ref(r.RelatedOpeningElement), ref(r.RelatingBuildingElement));
  }
  return { storeyOf, parentOf, voids };
}

// The z (metres) of a local placement's origin, following its chain of relative placements.
function placementZ(api, model, placementId, unit) {
  try {
    const m = api.GetWorldTransformMatrix(model, placementId);
    if (Array.isArray(m) && m.length === 16 && isFinite(m[14])) return m[14] * unit;
  } catch (e) { /* fall through */ }
  return null;
}

function main() {
  const args = process.argv.slice(2);
  if (args.length < 1 || args.length > 2 || args[0] === '--help') {
    process.stderr.write('usage: node ifc-mesh.js FILE.ifc [OUT.json]\n');
    process.exit(2);
  }
  let data;
  try {
    data = fs.readFileSync(args[0]);
  } catch (e) {
    process.stderr.write(`${args[0]}: cannot be read: ${e.message}\n`);
    process.exit(1);
  }
  const head = data.subarray(0, 64).toString('latin1');
  if (!/^\s*ISO-10303-21\s*;/.test(head)) {
    process.stderr.write(`${args[0]}: not an IFC file (no ISO-10303-21 header)\n`);
    process.exit(1);
  }
  const tail = data.subarray(Math.max(0, data.length - 256)).toString('latin1');
  if (!/END-ISO-10303-21\s*;\s*$/.test(tail)) {
    process.stderr.write(`${args[0]}: the file is truncated (no END-ISO-10303-21 at its end)\n`);
    process.exit(1);
  }
  const api = new WebIFC.IfcAPI();
  api.SetWasmPath(path.join(path.dirname(require.resolve('web-ifc')), path.sep), true);
  api.Init().then(() => {
    if (api.SetLogLevel) api.SetLogLevel(WebIFC.LogLevel ? WebIFC.LogLevel.LOG_LEVEL_OFF : 6);
    const model = api.OpenModel(new Uint8Array(data), { COORDINATE_TO_ORIGIN: false });
    if (model < 0) {
      process.stderr.write(`${args[0]}: web-ifc could not open the model\n`);
      process.exit(1);
    }
    const result = {
      generator: 'web-ifc ' + (api.GetVersion ? api.GetVersion() : ''),
      schema: api.GetModelSchema(model),
      lengthUnit: lengthUnit(api, model),
      trueNorth: trueNorth(api, model),
      crs: crsName(api, model),
      storeys: [],
      elements: [],
      ignored: {},
    };
    const unit = result.lengthUnit;
    const rel = relations(api, model);
    for (const id of idsOfType(api, model, WebIFC.IFCBUILDINGSTOREY)) {
      const s = line(api, model, id);
      const elev = s ? Number(val(s.Elevation)) : NaN;
      result.storeys.push({
        id, guid: s ? text(s.GlobalId) : null, name: s ? text(s.Name) : null,
        elevation: isFinite(elev) && val(s.Elevation) !== null ? elev * unit : null,
        placementZ: s && ref(s.ObjectPlacement) ? placementZ(api, model, ref(s.ObjectPlacement), unit) : null,
      });
    }
    // One record per element; its triangles come from the meshes streamed below.
    const records = new Map();
    const record = (id) => {
      let r = records.get(id);
      if (r) return r;
      const l = line(api, model, id);
      const t = typeName(api, model, id);
      let storey = rel.storeyOf.has(id) ? rel.storeyOf.get(id) : null;
      for (let p = rel.parentOf.get(id), n = 0; storey === null && p && n < 16; p = rel.parentOf.get(p), n++) {
        if (rel.storeyOf.has(p)) storey = rel.storeyOf.get(p);
      }
      r = {
        id, type: t, guid: l ? text(l.GlobalId) : null, name: l ? text(l.Name) : null,
        objectType: l ? text(l.ObjectType) : null,
        predefinedType: l && l.PredefinedType ? val(l.PredefinedType) : null,
        storey, parent: rel.parentOf.has(id) ? rel.parentOf.get(id) : null,
        voids: rel.voids.has(id) ? rel.voids.get(id) : null,
        triangles: [],
      };
      records.set(id, r);
      return r;
    };
    api.StreamAllMeshes(model, (mesh) => {
      const t = typeName(api, model, mesh.expressID);
      if (!KEPT_TYPES.has(t)) {
        result.ignored[t] = (result.ignored[t] || 0) + 1;
        return;
      }
      const r = record(mesh.expressID);
      appendAll(r.triangles, meshTriangles(api, model, mesh));
    });
    // Openings are not streamed with the building; fetch the ones that void a kept element.
    const openings = [];
    for (const [o, host] of rel.voids) {
      const ht = typeName(api, model, host);
      if (ht === 'IFCROOF' || ht === 'IFCSLAB' || ht === 'IFCCOVERING') openings.push(o);
    }
    if (openings.length) {
      api.StreamMeshes(model, openings, (mesh) => {
        const r = record(mesh.expressID);
        appendAll(r.triangles, meshTriangles(api, model, mesh));
      });
    }
    // Roof containers without a body of their own are kept too, so their parts can find them.
    for (const [child, p] of rel.parentOf) {
      if (records.has(child) && p !== null && typeName(api, model, p) === 'IFCROOF') record(p);
    }
    result.elements = Array.from(records.values());
    api.CloseModel(model);
    const json = JSON.stringify(result);
    if (args[1]) fs.writeFileSync(args[1], json);
    else process.stdout.write(json);
  }).catch((e) => {
    process.stderr.write(`${args[0]}: web-ifc failed: ${e && e.message ? e.message : e}\n`);
    process.exit(1);
  });
}

main();
