// Another web site open in the same browser as the page: it tries to crash the session
// with deep JSON, to drive it (a BOM written outside the product folder), to listen to it,
// and to read it under a name of its own that points at 127.0.0.1. None of it may work;
// the real page, opened through the printed address, must go on working, and the fence
// must keep a workbook the page itself asks for outside the product folder from being written.
// Usage: node second_origin_test.mjs FABDOC
import { createServer } from 'node:http';
import { existsSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import {
  check, exampleProduct, freshDir, idle, launch, openPage, press, runAction, serve, session, typeInto, withBrowser,
} from './browser_support.mjs';

const fabdoc = process.argv[2];
const dir = freshDir('browser-second-origin');
const outside = freshDir('browser-outside');
exampleProduct(fabdoc, dir);
const server = await serve(fabdoc, dir, ['P-总装-0.prt']);
const target = new URL(server.url);
const token = target.searchParams.get('token');

// What the other site's page does, in the browser: every way in it has without the token.
const attackPage = (origin, outsideDir) => `<!DOCTYPE html><meta charset="utf-8"><body>
<iframe name="sink"></iframe>
<form id="form" method="POST" action="${origin}/api/action" enctype="text/plain" target="sink">
  <input name='{"name":"bom_shuchu","x":"' value='"}'>
</form>
<script>
window.results = {};
(async () => {
  const r = window.results;
  const post = (what, body, headers) => fetch('${origin}/api/' + what, { method: 'POST', mode: 'no-cors', headers, body })
    .then(() => 'sent', () => 'failed');
  // 1: 50,000 nested arrays, as a request a page may send without asking first.
  r.deep = await post('open', '['.repeat(50000) + ']'.repeat(50000), { 'Content-Type': 'text/plain' });
  // 2 and 5: open the BOM dialog and aim it outside, as text and as JSON.
  r.action = await post('action', JSON.stringify({ name: 'bom_shuchu' }), { 'Content-Type': 'text/plain' });
  r.setPath = await post('set', JSON.stringify({ block: 'filepath', value: '${outsideDir}' }), { 'Content-Type': 'text/plain' });
  try {
    const reply = await fetch('${origin}/api/action', { method: 'POST', headers: { 'Content-Type': 'application/json' },
                                                       body: JSON.stringify({ name: 'bom_shuchu' }) });
    r.json = 'answered ' + reply.status;
  } catch { r.json = 'blocked'; }
  document.getElementById('form').submit();
  // Reading the session.
  try { r.read = await (await fetch('${origin}/api/state')).text(); } catch { r.read = 'blocked'; }
  // Listening to it.
  r.socket = await new Promise((done) => {
    const ws = new WebSocket('${origin.replace('http', 'ws')}/ws');
    ws.onopen = () => done('open');
    ws.onerror = () => done('refused');
  });
  r.done = true;
})();
</script>`;

const evil = createServer((request, response) => {
  response.setHeader('Content-Type', 'text/html; charset=utf-8');
  response.end(attackPage(target.origin, outside));
});
await new Promise((done) => evil.listen(0, '127.0.0.1', done));
const evilPort = evil.address().port;

async function apiState() {
  const reply = await fetch(new URL('/api/state', target), { headers: { Authorization: `Bearer ${token}` } });
  return reply.json();
}

const profile = freshDir('chromium-profile');
// A name of the other site's that resolves to 127.0.0.1 (what DNS rebinding achieves).
const browser = await launch(profile, ['--host-resolver-rules=MAP rebound.example 127.0.0.1']);
await withBrowser(browser, server, async () => {
  // The user has the real page open: its cookie is in the browser.
  const page = await openPage(browser, server.url, 1600, 913);
  const before = await apiState();

  // The other site, on another port of the same address: same site for the cookie, another origin.
  const other = await browser.newPage();
  await other.goto(`http://127.0.0.1:${evilPort}/`);
  await other.waitForFunction(() => window.results?.done, { timeout: 60000 });
  const results = await other.evaluate(() => window.results);
  console.log('the other site tried:', JSON.stringify({ ...results, read: results.read.slice(0, 80) }));
  check(results.json === 'blocked', `a JSON request from the other site was let through: ${results.json}`);
  check(results.read === 'blocked', 'the other site read the session');
  check(results.socket === 'refused', 'the other site listens to the session');
  // The same port under the other site's name: the server refuses the name.
  const rebound = await other.goto(`http://rebound.example:${target.port}/api/state`);
  check(rebound.status() === 403, `the rebound name was answered with ${rebound.status()}`);
  check(!(await rebound.text()).includes('"dialogs"'), 'the rebound name read the session');
  const reboundFile = await other.goto(`http://rebound.example:${target.port}/api/file?path=P-总装-0.prt`);
  check(reboundFile.status() === 403, `a product file was served to the rebound name: ${reboundFile.status()}`);

  const after = await apiState();
  check(after.revision === before.revision, `the session changed: revision ${before.revision} -> ${after.revision}`);
  check(after.dialogs.length === 0, 'the other site opened a dialog');
  check(readdirSync(outside).length === 0, 'a file was written outside the product folder');

  // The real page still works: the BOM, first aimed outside, then beside the product.
  await page.bringToFront();
  await runAction(page, 'bom_shuchu');
  check((await session(page)).dialogs.length === 1, 'the page opens the BOM dialog');
  await page.click('[data-block="selection0"] button.all');
  await idle(page);
  await typeInto(page, 'filepath', outside + '/');
  await press(page, 'dialog-apply');
  const log = await page.$$eval('#messages .message-line', (lines) => lines.map((l) => l.textContent));
  check(log.some((m) => m.includes('outside the folder this session may write in')), 'the page says the file was refused:\n' + log.join('\n'));
  check(readdirSync(outside).length === 0, 'the page wrote a workbook outside the product folder');
  await typeInto(page, 'filepath', '.\\');
  await press(page, 'dialog-ok');
  check(existsSync(join(dir, 'P-总装-0.xlsx')), 'the BOM beside the product: ' + readdirSync(dir).join(' '));
  check(readdirSync(outside).length === 0, 'a file was written outside the product folder');
  console.log('the real page wrote P-总装-0.xlsx beside the product; nothing outside');
});
evil.close();
