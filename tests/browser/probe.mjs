import { launch, serve, exampleProduct, freshDir, idle, runAction } from '/work/wt-w14/tests/browser/browser_support.mjs';
const fabdoc = '/work/wt-w14/build/bin/fabdoc';
const dir = freshDir('probe'); exampleProduct(fabdoc, dir);
const server = await serve(fabdoc, dir, ['P-总装-0.prt']);
const browser = await launch(freshDir('prof'));
browser.on('disconnected', () => console.log('DISCONNECTED'));
const page = await browser.newPage();
page.on('console', (m) => console.log('console:', m.text()));
await page.goto(server.url);
await page.waitForFunction(() => window.fabdoc?.ready && window.fabdoc.bodyTags().length > 0);
console.log('loaded');
await runAction(page, 'attrV2');
console.log('action');
import { typeInto } from '/work/wt-w14/tests/browser/browser_support.mjs';

await typeInto(page, 'blockgunge', '方管');
console.log('clicked');

console.log('typed');

console.log('tab');
await idle(page);
console.log('idle', await page.evaluate(() => document.getElementById('error').textContent));
await browser.close(); await server.stop();
