// The page as a new user meets it, on a laptop's screen (1280 x 720), with the server
// started from another folder than the product's: the menu in words, the dialog's
// buttons in view, the progress of a drawing run, the BOM and a DWG of one picked sheet
// written beside the product and offered for download with a PDF of the sheets, a message
// log that survives a reload, a tree that folds, and a picked body that stands out.
// Usage: node new_user_test.mjs FABDOC [SCREENSHOT]
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  bodyTag, check, choose, clearSelection, exampleProduct, freshDir, idle, launch, openPage, pickInTree, press, runAction,
  serve, session, toggle, typeInto, withBrowser,
} from './browser_support.mjs';

const fabdoc = process.argv[2];
const screenshot = process.argv[3];
const dir = freshDir('browser-new-user');
const elsewhere = freshDir('browser-elsewhere');
exampleProduct(fabdoc, dir);
// The product with its attributes written: the main job's journal up to the components.
const mainJob = readFileSync(new URL('../../examples/main-job.journal', import.meta.url), 'utf8').split('\n');
writeFileSync(join(dir, 'attributes.journal'),
              mainJob.slice(0, mainJob.findIndex((l) => l.startsWith('action new_zujianV1'))).join('\n') + '\nsave all\n');
execFileSync(fabdoc, ['run', join(dir, 'attributes.journal')], { cwd: dir, stdio: 'ignore' });
const server = await serve(fabdoc, elsewhere, [join(dir, 'P-总装-0.prt')]);
const browser = await launch(freshDir('chromium-profile'));

async function buttonsInView(page, what) {
  for (const id of ['dialog-ok', 'dialog-apply', 'dialog-cancel']) {
    const box = await page.$eval('#' + id, (b) => { const r = b.getBoundingClientRect(); return [r.top, r.bottom]; });
    const height = await page.evaluate(() => window.innerHeight);
    check(box[0] >= 0 && box[1] <= height, `${what}: ${id} is out of view (${box} of ${height})`);
  }
}

const log = (page) => page.$$eval('#messages .message-line', (lines) => lines.map((l) => l.textContent));
const fileLinks = (page) => page.$$eval('#messages .kind-file a', (links) => links.map((a) => a.getAttribute('href')));
const fetchBytes = (page, href) => page.evaluate(async (h) => {
  const reply = await fetch(h);
  return { status: reply.status, head: new TextDecoder('latin1').decode((await reply.arrayBuffer()).slice(0, 8)),
           disposition: reply.headers.get('Content-Disposition') };
}, href);

await withBrowser(browser, server, async () => {
  const page = await openPage(browser, server.url, 1280, 720);

  // The menu says what each action does; the action's name is its tooltip.
  const menu = await page.$$eval('#actions option', (o) => o.map((x) => [x.value, x.textContent, x.title]));
  const label = (name) => menu.find(([value]) => value === name);
  check(label('attrV2')[1] === '零件属性' && label('attrV2')[2] === 'attrV2', 'attrV2 is shown as ' + label('attrV2'));
  check(label('bom_shuchu')[1] === '明细表输出', 'bom_shuchu is shown as ' + label('bom_shuchu'));
  check(label('wrod_lujin')[1] !== 'wrod_lujin', 'wrod_lujin has a label');

  // A long dialog keeps its buttons in view; Clear's message shows once, counted.
  await runAction(page, 'attrV2');
  await buttonsInView(page, 'attrV2 at 1280x720');
  for (let i = 0; i < 3; ++i) await clearSelection(page, 'blockxuanzhe');
  const cleared = (await log(page)).filter((m) => m.includes('请选择体!'));
  check(cleared.length === 1 && cleared[0].includes('×3'), 'three Clears: ' + cleared.join(' | '));
  const rod = await bodyTag(page, 'P-机架-1', '立柱', 1);
  // A picked body stands out: drawn orange, whatever its own colour (a plate, broad enough
  // to show its faces between its outlines).
  const plate = await bodyTag(page, 'P-底座-2', '底板', 1);
  await pickInTree(page, plate);
  const at = await page.evaluate((t) => window.fabdoc.screenPointOf(t), plate);
  const seen = await page.evaluate((p, t) => {
    const pixels = [];
    for (let dx = -8; dx <= 8; dx += 4)
      for (let dy = -8; dy <= 8; dy += 4)
        if (window.fabdoc.bodyAtPoint(p.x + dx, p.y + dy) === t) pixels.push(window.fabdoc.pixelAt(p.x + dx, p.y + dy));
    return pixels;
  }, at, plate);
  const orange = seen.filter(([r, g, b]) => r > 180 && g > 50 && g < 190 && b < 90);
  check(seen.length > 0 && orange.length * 2 >= seen.length, 'the picked plate is drawn orange: ' + JSON.stringify(seen));
  await clearSelection(page, 'blockxuanzhe');
  await pickInTree(page, rod);
  const colour = await page.$eval('#attributes', (e) => e.textContent);
  check(/color.*\(\d+\)/.test(colour) && !/color\d/.test(colour), 'the colour is named: ' + colour);
  await press(page, 'dialog-cancel');

  // The tree folds a component.
  const fold = await page.$('#tree .fold');
  await fold.click();
  check(await page.$eval('#tree .fold + .children', (c) => c.classList.contains('folded')), 'a component folds');
  await fold.click();

  // A drawing run shows the host's progress bar.
  await runAction(page, 'new_zujianV1');
  await choose(page, 'enum0', 2);
  await toggle(page, 'toggle0', true);
  await press(page, 'dialog-apply');
  await press(page, 'dialog-cancel');
  await runAction(page, 'drawing');
  await buttonsInView(page, 'drawing at 1280x720');
  await typeInto(page, 'tuhao', 'KZT-01');
  await typeInto(page, 'ming', '机架');
  await press(page, 'dialog-apply');
  const progress = await page.evaluate(() => window.fabdoc.progressSeen || 0);
  check(progress > 0, 'the drawing run showed no progress');
  console.log(`the drawing run pushed ${progress} progress updates`);
  await press(page, 'dialog-cancel');
  await press(page, 'save-all');

  // 2D with one sheet ticked writes that sheet's DWG only, beside the product, with a link.
  await page.waitForSelector('#sheets button[data-sheet="000-0-总图"]');
  await runAction(page, '2D');
  check((await session(page)).pick !== null, '2D asks for sheets');
  await page.click('#pick input[data-sheet="000-0-总图"]');
  await press(page, 'pick-ok');
  const dwgLinks = (await fileLinks(page)).filter((h) => h.endsWith('.dwg'));
  check(dwgLinks.length === 1, 'one DWG offered: ' + dwgLinks.join(' '));
  const dwg = await fetchBytes(page, dwgLinks[0]);
  check(dwg.status === 200 && dwg.head.startsWith('AC1015') && dwg.disposition.startsWith('attachment'),
        'the DWG downloads: ' + JSON.stringify(dwg));

  // The BOM's ".\" is the product's folder, not the server's.
  await runAction(page, 'bom_shuchu');
  await choose(page, 'enum0', 0);
  await page.click('[data-block="selection0"] button.all');
  await idle(page);
  await typeInto(page, 'filepath', '.\\');
  await press(page, 'dialog-ok');
  check(readdirSync(elsewhere).length === 0, 'files landed in the server\'s folder: ' + readdirSync(elsewhere).join(' '));
  const workbook = (await fileLinks(page)).find((h) => h.endsWith('.xlsx'));
  check(workbook && readdirSync(dir).some((f) => f.endsWith('.xlsx')), 'the workbook is offered and beside the product');
  check((await fetchBytes(page, workbook)).head.startsWith('PK'), 'the workbook downloads');
  const pdf = await fetchBytes(page, await page.$eval('#sheets-pdf', (a) => a.getAttribute('href')));
  check(pdf.status === 200 && pdf.head.startsWith('%PDF'), 'the sheets download as PDF');

  // The log is the session's: a reload shows it again.
  const before = await log(page);
  await page.reload();
  await page.waitForFunction(() => window.fabdoc?.ready);
  await idle(page);
  const after = await log(page);
  check(after.length === before.length && after[0] === before[0], 'the log after a reload: ' + after.length);

  // The README's picture, at the size of a laptop's full-HD screen.
  await page.setViewport({ width: 1600, height: 913 });
  await runAction(page, 'attrV2');
  // The components made above hold the bodies now: the first one the tree shows.
  await pickInTree(page, await page.$eval('#tree .node[data-tag]', (n) => Number(n.dataset.tag)));
  await buttonsInView(page, 'attrV2 at 1600x913');
  if (screenshot) await page.screenshot({ path: screenshot });
  await press(page, 'dialog-cancel');
  const pdfFile = join(freshDir('sheets-pdf'), 'sheets.pdf');
  writeFileSync(pdfFile, Buffer.from(await page.evaluate(async () => {
    const bytes = new Uint8Array(await (await fetch('/api/sheets.pdf')).arrayBuffer());
    return Array.from(bytes);
  })));
  const pages = /Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdfFile], { encoding: 'utf8' }))[1];
  const sheets = (await page.$$('#sheets button')).length;
  check(Number(pages) === sheets, `the PDF has ${pages} pages for ${sheets} sheets`);
  console.log(`the sheets' PDF: ${pages} pages, one per sheet`);
});
