// Purpose: what the workbench's browser tests share: starting `tevaro serve` on a free port,
// launching the system's headless Chromium through puppeteer-core, waiting for the page to rest,
// and running named checks that report as they go.
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// Starts `tevaro serve MODEL` on a free port in `work` (with `extra` options); resolves with the
// process and the page's address.
export function startServer(tevaro, work, model, extra = []) {
  const server = spawn(tevaro, ['serve', model, '--port', '0', '--work', work, ...extra], { cwd: work });
  return new Promise((resolve, reject) => {
    let text = '';
    server.stdout.on('data', (d) => {
      text += d;
      const m = text.match(/http:\/\/127\.0\.0\.1:(\d+)\//);
      if (m) resolve({ server, url: m[0] });
    });
    server.stderr.on('data', (d) => process.stderr.write(d));
    server.on('exit', (code) => reject(new Error(`tevaro serve ended with ${code}`)));
  });
}

// Launches headless Chromium with a profile of its own; resolves with the browser and a function
// that closes it and removes the profile.
export async function launchBrowser(sourceDir) {
  const require = createRequire(path.join(sourceDir, 'web', 'package.json'));
  const puppeteer = require('puppeteer-core');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tevaro-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--no-first-run', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  });
  const close = async () => {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
}

// Waits until the page has no request running.
export async function idle(page, timeout) {
  await page.waitForFunction(() => document.body.dataset.busy !== '1' && document.body.dataset.ready === '1', { timeout });
}

// Named checks: each reports "ok"/"not ok" at once; a failing one ends the run.
export function checker() {
  const result = { passed: 0, failed: [] };
  result.check = async (name, body) => {
    try {
      await body();
      result.passed += 1;
      console.log(`ok - ${name}`);
    } catch (e) {
      result.failed.push(name);
      console.log(`not ok - ${name}\n  ${String(e && e.stack || e).split('\n').slice(0, 4).join('\n  ')}`);
      throw e;
    }
  };
  return result;
}

// Runs `main` under an overall time limit and exits with the checks' verdict.
export function runMain(main, result, timeoutMs) {
  const timer = setTimeout(() => { console.log('not ok - the browser test took too long'); process.exit(1); }, timeoutMs);
  main().then(() => {
    clearTimeout(timer);
    console.log(`${result.passed} passed, ${result.failed.length} failed`);
    process.exit(result.failed.length ? 1 : 0);
  }, (e) => {
    clearTimeout(timer);
    console.log(`${result.passed} passed, ${result.failed.length || 1} failed`);
    if (!result.failed.length) console.log(String(e && e.stack || e));
    process.exit(1);
  });
}
