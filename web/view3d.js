// Purpose: the workbench's 3D view: the glTF scene tevaro serve writes of the project (roof planes,
// walls, fills, tile surfaces with their tile courses, ridges, accessories) in three.js, with
// orbit, zoom and pan, and a click on a plane or an element selecting it (through a session line).
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { GLTFLoader } from 'three/addons/loaders/GLTFLoader.js';

const CLICK_SLOP_PX = 4;            // a press that moves farther than this orbits instead of picking
const SELECTED_EMISSIVE = 0x2050d0; // how the selected elements glow

// Makes the view in `container`; `onPick(id, shift)` is called for a clicked element.
export async function createView(container, onPick) {
  const renderer = new THREE.WebGLRenderer({ antialias: true, preserveDrawingBuffer: true });
  renderer.setPixelRatio(window.devicePixelRatio);
  container.appendChild(renderer.domElement);
  const scene = new THREE.Scene();
  scene.background = new THREE.Color(0xe9eef3);
  scene.add(new THREE.HemisphereLight(0xffffff, 0x887766, 2.2));
  const sun = new THREE.DirectionalLight(0xffffff, 1.6);
  sun.position.set(-30, 50, 20);
  scene.add(sun);
  const camera = new THREE.PerspectiveCamera(45, 1, 0.1, 20000);
  const controls = new OrbitControls(camera, renderer.domElement);
  controls.enableDamping = false;
  const loader = new GLTFLoader();
  let model = null;
  let loadedRevision = -1;
  let selection = new Set();
  let framed = false;

  function resize() {
    const w = container.clientWidth || 800, h = container.clientHeight || 600;
    renderer.setSize(w, h, false);
    renderer.domElement.style.width = '100%';
    renderer.domElement.style.height = '100%';
    camera.aspect = w / h;
    camera.updateProjectionMatrix();
    draw();
  }

  function draw() { renderer.render(scene, camera); }

  // Puts the whole model in view, looking from the south-west and above.
  function frame() {
    if (!model) return;
    const box = new THREE.Box3().setFromObject(model);
    if (box.isEmpty()) return;
    const centre = box.getCenter(new THREE.Vector3());
    const size = box.getSize(new THREE.Vector3()).length() || 10;
    camera.position.set(centre.x - size * 0.6, centre.y + size * 0.7, centre.z + size * 0.8);
    camera.near = size / 1000;
    camera.far = size * 20;
    camera.updateProjectionMatrix();
    controls.target.copy(centre);
    controls.update();
  }

  // Each mesh its own material, so the selection can glow without touching the others.
  function showSelection() {
    if (!model) return;
    model.traverse((o) => {
      if (!o.isMesh || !o.material || !('emissive' in o.material)) return;
      const id = o.userData.id || (o.parent && o.parent.userData.id);
      o.material.emissive.setHex(selection.has(id) ? SELECTED_EMISSIVE : 0x000000);
    });
    draw();
  }

  async function load(revision) {
    const gltf = await loader.loadAsync('/api/model.gltf?revision=' + revision);
    if (model) {
      scene.remove(model);
      model.traverse((o) => { if (o.geometry) o.geometry.dispose(); if (o.material) o.material.dispose(); });
    }
    model = gltf.scene;
    model.traverse((o) => { if (o.isMesh) o.material = o.material.clone(); });
    scene.add(model);
    loadedRevision = revision;
    if (!framed) { frame(); framed = true; }
    showSelection();
  }

  // The element a screen point hits: the nearest face, else a line close by.
  function pick(ev) {
    const rect = renderer.domElement.getBoundingClientRect();
    const pointer = new THREE.Vector2(((ev.clientX - rect.left) / rect.width) * 2 - 1, -((ev.clientY - rect.top) / rect.height) * 2 + 1);
    const ray = new THREE.Raycaster();
    ray.params.Line.threshold = 0.15;
    ray.setFromCamera(pointer, camera);
    const hits = model ? ray.intersectObject(model, true) : [];
    // planes first: the tile courses' lines float just above them
    hits.sort((a, b) => (b.object.isMesh ? 1 : 0) - (a.object.isMesh ? 1 : 0) || a.distance - b.distance);
    for (const h of hits) {
      const id = h.object.userData.id || (h.object.parent && h.object.parent.userData.id);
      if (id) return id;
    }
    return null;
  }

  let press = null;
  renderer.domElement.addEventListener('pointerdown', (ev) => { press = [ev.clientX, ev.clientY]; });
  renderer.domElement.addEventListener('pointerup', (ev) => {
    if (!press || Math.hypot(ev.clientX - press[0], ev.clientY - press[1]) > CLICK_SLOP_PX) return;
    press = null;
    const id = pick(ev);
    if (id) onPick(id, ev.shiftKey);
  });
  controls.addEventListener('change', draw);
  new ResizeObserver(resize).observe(container);
  resize();

  return {
    // Loads the scene again when the model changed; shows the selection.
    async refresh(revision, selected) {
      if (selected) selection = new Set(selected);
      if (revision !== loadedRevision) await load(revision);
      else showSelection();
      container.dataset.revision = String(loadedRevision);
    },
    // The screen point of a model point (x east, y north, z up), for tests that aim at a plane.
    screenPoint(x, y, z) {
      const v = new THREE.Vector3(x, z, -y).project(camera);
      const rect = renderer.domElement.getBoundingClientRect();
      return [rect.left + (v.x + 1) / 2 * rect.width, rect.top + (1 - v.y) / 2 * rect.height];
    },
    frame() { frame(); draw(); },
  };
}
