// Purpose: the workbench page at estate scale in headless Chromium: a generated estate is opened,
// every roof selected, the tiling command run with its dialog, and the edge palette finalized, all
// from the page; no task of the page's main thread may last a second or more (the page would freeze).
// The server's answers are timed too (its Server-Timing header) and every figure printed.
// Usage: node estate.test.mjs TEVARO MAKE_ESTATE SOURCE_DIR OUT_DIR [HOUSES]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import assert from 'node:assert/strict';
import { checker, idle, launchBrowser, runMain, startServer } from './browser.mjs';

const [tevaro, makeEstate, sourceDir, outDir, housesArg] = process.argv.slice(2);
const HOUSES = +(housesArg || 1000);
const LONGEST_TASK_MS = 1000;     // a main-thread task this long is a frozen page
const STEP_TIMEOUT_MS = 150000;   // one user step on the estate, the tiling run included
const TOTAL_TIMEOUT_MS = 220000;  // the whole test
const DIALOG_CHOICES = [20, 23, 27, 29, 36];  // the main dialog's lists with no default: their first real entry

const checks = checker();

// Records the page's main-thread tasks of 50 ms or more (the browser's long-task entries) from the
// page's first script on.
function watchLongTasks() {
  window.__longTasks = [];
  new PerformanceObserver((list) => {
    for (const e of list.getEntries()) window.__longTasks.push({ start: e.startTime, ms: e.duration });
  }).observe({ type: 'longtask', buffered: true });
}

// The long tasks recorded since `from` (page milliseconds), longest first.
async function longTasksSince(page, from) {
  const tasks = await page.evaluate((t) => window.__longTasks.filter((e) => e.start >= t), from);
  return tasks.sort((a, b) => b.ms - a.ms);
}

// One user step: runs `act`, waits for the page to rest, and returns its figures.
async function step(page, name, act, figures) {
  const from = await page.evaluate(() => performance.now());
  const started = Date.now();
  await act();
  await idle(page, STEP_TIMEOUT_MS);
  const tasks = await longTasksSince(page, from);
  const f = { name, wallMs: Date.now() - started, longest: tasks.length ? tasks[0].ms : 0, longTasks: tasks.length };
  figures.push(f);
  console.log(`  ${name}: ${f.wallMs} ms in all, longest main-thread task ${f.longest.toFixed(0)} ms (${f.longTasks} over 50 ms)`);
  return f;
}

async function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const work = fs.mkdtempSync(path.join(outDir, 'work-'));
  const made = spawnSync(makeEstate, [String(HOUSES), path.join(work, 'estate.json')], { encoding: 'utf8' });
  assert.equal(made.status, 0, made.stderr);
  // the generated estate is read as written: it needs no healing
  const { server, url } = await startServer(tevaro, work, 'estate.json', ['--no-heal']);
  const { browser, close } = await launchBrowser(sourceDir);
  const figures = [];
  const answers = [];
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1500, height: 950 });
    page.on('pageerror', (e) => console.log('page error:', e.message));
    page.on('response', async (res) => {
      const timing = res.headers()['server-timing'];
      if (!timing) return;
      const size = +(res.headers()['content-length'] || 0);
      answers.push({ what: res.request().method() + ' ' + new URL(res.url()).pathname, timing, kb: Math.round(size / 1024) });
    });
    await page.evaluateOnNewDocument(watchLongTasks);

    await checks.check(`the page opens the estate of ${HOUSES} houses`, async () => {
      await step(page, 'open', () => page.goto(url), figures);
      assert.ok(await page.$('#layer-elements [data-kind="roof"]'));
    });

    await checks.check('every roof is selected, tiled through the dialog, and the palette finalized', async () => {
      await step(page, 'select all', async () => {
        await page.keyboard.down('Control');
        await page.keyboard.press('a');
        await page.keyboard.up('Control');
        await page.waitForFunction(() => document.getElementById('selection').textContent.includes(','));
      }, figures);
      await step(page, 'tiling command', async () => {
        await page.click('[data-menu="place-tiles"]');
        await page.waitForSelector('#dialog-back:not([hidden])', { timeout: STEP_TIMEOUT_MS });
      }, figures);
      for (const item of DIALOG_CHOICES) {
        const select = `#dialog-items select[data-item="${item}"]:not([disabled])`;
        if (!(await page.$(select))) continue;
        await step(page, `dialog choice ${item}`, () => page.select(select, '2'), figures);
      }
      await step(page, 'dialog OK', async () => {
        await page.click('#dialog-items [data-item="1"]');
        await page.waitForSelector('#palette:not([hidden])', { timeout: STEP_TIMEOUT_MS });
      }, figures);
      const edges = await page.$$eval('#layer-edges line.edge', (l) => l.length);
      console.log(`  the palette draws ${edges} edges`);
      await page.screenshot({ path: path.join(outDir, 'estate-palette.png') });
      await step(page, 'finalize', async () => {
        await page.click('#palette-items [data-item="1"]');
        await page.waitForSelector('#palette[hidden]', { timeout: STEP_TIMEOUT_MS });
      }, figures);
      const surfaces = await page.evaluate(async () => (await (await fetch('/api/state')).json()).elements
        .filter((e) => e.part === 'tile-surface').length);
      assert.ok(surfaces >= HOUSES, `${surfaces} tile surfaces on ${HOUSES} houses`);
      await page.screenshot({ path: path.join(outDir, 'estate-tiled.png') });
    });

    for (const a of answers) console.log(`  server: ${a.what} ${a.kb} kB  ${a.timing}`);
    await checks.check(`no main-thread task of the page lasts ${LONGEST_TASK_MS} ms`, async () => {
      for (const f of figures) assert.ok(f.longest < LONGEST_TASK_MS, `${f.name}: a task of ${f.longest.toFixed(0)} ms`);
    });
  } finally {
    await close();
    server.kill('SIGTERM');
  }
}

runMain(main, checks, TOTAL_TIMEOUT_MS);
