// What the browser tests share: a fresh example product, `fabdoc serve` on a free port,
// Debian's chromium driven by puppeteer-core, and the page's controls worked as a person
// works them (clicks, typing, Tab).
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const chromium = '/usr/bin/chromium';

export function freshDir(name) {
  return mkdtempSync(join(tmpdir(), `fabdoc-${name}-`));
}

export function exampleProduct(fabdoc, dir) {
  execFileSync(fabdoc, ['example', 'frame', dir], { stdio: 'ignore' });
  return join(dir, 'P-总装-0.prt');
}

// Starts `fabdoc serve ARGS` in `cwd`; resolves to { url, stop }.
export function serve(fabdoc, cwd, args) {
  const child = spawn(fabdoc, ['serve', ...args, '--port', '0'], { cwd, stdio: ['ignore', 'pipe', 'inherit'] });
  let output = '';
  return new Promise((resolve, reject) => {
    child.on('exit', (code) => reject(new Error(`fabdoc serve ended (${code}) before serving:\n${output}`)));
    let served = false;
    child.stdout.on('data', (chunk) => {
      output += chunk;
      // The first line is the address to open, the session's token included. Output that
      // follows must not run this again: it would take stop()'s exit listener away.
      const url = served ? null : /^(http:\/\/\S+)\n/.exec(output);
      if (url) {
        served = true;
        child.removeAllListeners('exit');
        resolve({ url: url[1], output: () => output, stop: () => new Promise((done, fail) => {
          if (child.exitCode !== null || child.signalCode !== null)
            return fail(new Error(`fabdoc serve ended on its own (${child.exitCode ?? child.signalCode})`));
          const kill = setTimeout(() => child.kill('SIGKILL'), 20000);
          child.on('exit', (code, signal) => {
            clearTimeout(kill);
            if (signal === 'SIGKILL') fail(new Error('fabdoc serve did not stop on SIGTERM'));
            else done();
          });
          child.kill('SIGTERM');
        }) });
      }
    });
  });
}

export async function launch(profileDir, extraArgs = []) {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profileDir,
    dumpio: process.env.FABDOC_BROWSER_LOG === '1',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           // WebGL without a GPU: the software rasterizer.
           '--use-angle=swiftshader', '--enable-unsafe-swiftshader', ...extraArgs],
  });
}

export async function idle(page) {
  await page.waitForFunction(() => window.fabdoc && window.fabdoc.busy === 0, { timeout: 120000 });
}

// The page's working state after each step.
export async function session(page) {
  return page.evaluate(() => fetch('/api/state').then((r) => r.json()));
}

export async function runAction(page, name) {
  await page.select('#actions', name);
  await page.click('#run-action');
  await idle(page);
}

// Types into the block's input (the n-th for points) and leaves it, as a person does.
export async function typeInto(page, block, text, n = 0) {
  const inputs = await page.$$(`[data-block="${block}"] input`);
  if (!inputs[n]) throw new Error(`block ${block} has no input ${n}`);
  await inputs[n].click();
  await inputs[n].evaluate((input) => input.select());  // what a triple click selects
  await page.keyboard.type(String(text));
  await page.keyboard.press('Tab');
  await idle(page);
}

export async function setPoint(page, block, xyz) {
  for (let i = 0; i < 3; ++i) await typeInto(page, block, xyz[i], i);
}

export async function choose(page, block, index) {
  await page.select(`[data-block="${block}"] select`, String(index));
  await idle(page);
}

export async function toggle(page, block, on) {
  const box = await page.$(`[data-block="${block}"] input[type=checkbox]`);
  if ((await box.evaluate((b) => b.checked)) !== on) await box.click();
  await idle(page);
}

export async function press(page, id) {
  await page.click('#' + id);
  await idle(page);
}

// The tag of a journal selector body:COMPONENT/NAME[#N], read from the page's tree; a null
// COMPONENT is the displayed part itself.
export async function bodyTag(page, component, name, nth = 1) {
  return page.evaluate(async (component, name, nth) => {
    const tree = await fetch('/api/tree').then((r) => r.json());
    const find = (components) => {
      for (const c of components) {
        if (c.instance === component) return c;
        const inner = find(c.components);
        if (inner) return inner;
      }
      return null;
    };
    const holder = component === null ? tree : find(tree.components);
    const bodies = (holder?.bodies || []).filter((b) => (b.name ?? '') === name);
    return bodies[nth - 1]?.tag ?? null;
  }, component, name, nth);
}

// Empties a selection block with its Clear button.
export async function clearSelection(page, block) {
  await page.click(`[data-block="${block}"] button.clear`);
  await idle(page);
}

// Picks a body through the tree (it may be hidden behind others in the view).
export async function pickInTree(page, tag) {
  await page.click(`#tree .node[data-tag="${tag}"]`);
  await idle(page);
}

export async function lastError(page) {
  return page.$eval('#error', (e) => (e.hidden ? '' : e.textContent));
}

export function check(condition, message) {
  if (!condition) throw new Error('check failed: ' + message);
}

// A new tab of the page at `url`, once the page is ready and the model drawn.
export async function openPage(browser, url, width, height) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  page.on('pageerror', (e) => console.error('page error:', e.message));
  await page.goto(url);
  await page.waitForFunction(() => window.fabdoc?.ready && window.fabdoc.bodyTags().length > 0, { timeout: 60000 });
  return page;
}

// Runs `job`, then closes the browser and stops the server whatever happened; a failure
// is printed and ends the test with a non-zero status.
export async function withBrowser(browser, server, job) {
  try {
    await job();
  } catch (e) {
    console.error('failed:', e);
    process.exitCode = 1;
    throw e;
  } finally {
    await browser.close();
    await server.stop();
  }
}
