// The main job of the README done in a real browser instead of by the journal: attributes
// the guide rod, attributes through the attrV2 dialog (the first body picked in the 3D view),
// the components, the drawings, the bill of materials and the DWG files. The product's part
// files must say what the journal's say (`fabdoc info --json`), and the journal recorded
// from the browser must be what a person did. Usage: node main_job_test.mjs FABDOC [SCREENSHOT_DIR]
import { execFileSync } from 'node:child_process';
import { copyFileSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  bodyTag, check, choose, clearSelection, exampleProduct, freshDir, idle, lastError, launch, openPage, pickInTree, press,
  runAction, serve, session, setPoint, toggle, typeInto, withBrowser,
} from './browser_support.mjs';

const fabdoc = process.argv[2];
const shots = process.argv[3] || freshDir('shots');
const here = new URL('.', import.meta.url).pathname;
const journalFile = join(here, '../../examples/main-job.journal');

// The attrV2 lines of the main job: component (null: the assembly itself), body name
// ('' for an unnamed body), #N, then the three texts.
const attributes = [
  ['P-机架-1', '立柱', 1, '方管', '立柱'], ['P-机架-1', '横梁', 1, '矩形管', '横梁'],
  ['P-机架-1', '横档', 1, '角钢', '横档'], ['P-机架-1', '辅助块', 1, '钢板', '辅助块'],
  ['P-底座-2', '底板', 1, '钢板', '底板'], ['P-底座-2', '盖板', 1, '钢板', '盖板'],
  ['P-底座-2', '压条', 1, '扁钢', '压条'], ['P-底座-2', '拉杆', 1, '圆钢', '拉杆'],
  ['P-底座-2', '无缝管', 1, '无缝钢管', '无缝管'], ['P-底座-2', '焊管', 1, '焊管', '焊管'],
  ['P-护罩-3', '角板', 1, '钢板,折弯,一', '角板'], ['P-护罩-3', '槽板', 1, '钢板,折弯,二', '槽板'],
  ['P-护罩-3', '卷边板', 1, '钢板,折弯,三', '卷边板'], ['P-护罩-3', 'C型板', 1, '钢板,折弯,四', 'C型板'],
  ['P-护罩-3', '弯扁钢', 1, '扁钢,折弯,一', '弯扁钢'], ['P-把手-4', '把手', 1, '圆钢,两边折弯', '把手'],
  [null, '', 1, '圆钢', '导杆'],
];

function messages(page) {
  return page.$$eval('#messages div', (lines) => lines.map((l) => l.textContent));
}

async function attributesThroughTheDialog(page) {
  await runAction(page, 'attrV2');
  check((await session(page)).dialogs.length === 1, 'attrV2 shows its dialog');
  for (const [i, [component, name, nth, kind, partName]] of attributes.entries()) {
    const tag = await bodyTag(page, component, name, nth);
    check(tag !== null, `body ${component}/${name}#${nth} is in the tree`);
    // The dialog keeps the last selection after Apply; a pick would add to it.
    if (i > 0) await clearSelection(page, 'blockxuanzhe');
    if (i === 0) {
      // The first body is picked in the 3D view, where it shows.
      const point = await page.evaluate((t) => window.fabdoc.screenPointOf(t), tag);
      check(await page.evaluate((p) => window.fabdoc.bodyAtPoint(p.x, p.y), point) === tag,
            `${name} is the body seen at its own centre`);
      await page.mouse.click(point.x, point.y);
      await idle(page);
      const pickMs = await page.evaluate(() => window.fabdoc.lastPickMs);
      console.log(`pick in the 3D view answered in ${pickMs.toFixed(1)} ms`);
    } else {
      await pickInTree(page, tag);
    }
    const selected = await page.$eval('[data-block="blockxuanzhe"] .selected', (e) => e.textContent);
    check(selected === (name || String(tag)), `the selection block shows ${name || tag}, not ${selected}`);
    await typeInto(page, 'blockgunge', kind);
    await typeInto(page, 'blockPartName', partName);
    await typeInto(page, 'blockPartNo', '1');
    await press(page, 'dialog-apply');
    check((await lastError(page)) === '', `apply for ${name}: ${await lastError(page)}`);
    if (i === 0) {
      check((await messages(page)).some((m) => m.includes('找到 1 个重复体,颜色已设置为红色,请手工删除!!')),
            'the duplicate message is shown');
      // The attribute in the tree, and the duplicate in red in the view.
      const node = await page.$eval(`#tree .node[data-tag="${tag}"]`, (e) => e.textContent);
      check(node.includes('[立柱]'), `the tree shows the part name: ${node}`);
      const red = await page.evaluate(() => window.fabdoc.bodyTags().filter((t) => {
        const c = window.fabdoc.colorOf(t);
        return c[0] === 1 && c[1] === 0 && c[2] === 0;
      }));
      check(red.length === 1, `one body is red, not ${red.length}`);
      await page.click('#canvas', { offset: { x: 5, y: 5 } });  // moves the pointer off the bodies
      const at = await page.evaluate((t) => window.fabdoc.screenPointOf(t), red[0]);
      if (await page.evaluate((p) => window.fabdoc.bodyAtPoint(p.x, p.y), at) === red[0]) {
        const [r, g, b] = await page.evaluate((p) => window.fabdoc.pixelAt(p.x, p.y), at);
        check(r > 120 && r > 2 * g && r > 2 * b, `the red body is drawn red: ${r},${g},${b}`);
      }
      await page.screenshot({ path: join(shots, 'serve-attributes.png') });
    }
  }
  await press(page, 'dialog-cancel');
}

async function theGuideRod(page) {
  await runAction(page, 'TWO_CYL_tool');
  await setPoint(page, 'point0', [425, 275, 0]);
  await setPoint(page, 'point01', [425, 275, 1200]);
  await typeInto(page, 'expression0', 20);
  await press(page, 'dialog-ok');
  check((await session(page)).dialogs.length === 0, 'TWO_CYL_tool closed: ' + (await lastError(page)));
}

async function theRestOfTheJob(page) {
  await runAction(page, 'new_zujianV1');
  await choose(page, 'enum0', 2);
  check((await messages(page)).some((m) => m.includes('重要提示')), 'the components warning is shown');
  await toggle(page, 'toggle0', true);
  await press(page, 'dialog-apply');
  await press(page, 'dialog-cancel');

  await runAction(page, 'drawing');
  await typeInto(page, 'tuhao', 'KZT-01');
  await typeInto(page, 'ming', '机架');
  await press(page, 'dialog-apply');
  check((await messages(page)).some((m) => m.includes('组件模式')), 'drawing says 组件模式');
  await press(page, 'dialog-cancel');
  // The host's own entry in the menu: dimensions and part marks on every sheet.
  await runAction(page, 'dimension');
  check((await lastError(page)) === '', 'dimension: ' + (await lastError(page)));
  await press(page, 'save-all');

  await runAction(page, 'bom_shuchu');
  await choose(page, 'enum0', 0);
  await page.click('[data-block="selection0"] button.all');
  await idle(page);
  await typeInto(page, 'filepath', '.\\');
  await toggle(page, 'toggle0', true);
  await press(page, 'dialog-ok');
  check((await session(page)).dialogs.length === 0, 'bom_shuchu closed: ' + (await lastError(page)));

  await runAction(page, '2D');
  check((await session(page)).pick !== null, '2D asks for sheets');
  await press(page, 'pick-ok');
  check((await lastError(page)) === '', '2D: ' + (await lastError(page)));
}

async function theSheets(page) {
  await page.waitForSelector('#sheets button[data-sheet="000-0-总图"]');
  const names = await page.$$eval('#sheets button', (b) => b.map((x) => x.dataset.sheet));
  check(names[0] === '1-0组件-机架' && names.at(-1) === '000-0-总图', 'sheets in order: ' + names.join(' '));
  await page.click('#sheets button[data-sheet="000-0-总图"]');
  await page.waitForFunction(() => {
    const img = document.getElementById('sheet-image');
    return img.complete && img.naturalWidth > 0;
  });
  const svg = await page.evaluate(() => fetch(document.getElementById('sheet-image').src).then((r) => r.text()));
  check(svg.startsWith('<?xml') && svg.includes('<svg'), 'the sheet comes as SVG');
  // The sheets the page lists carry what the menu's dimension entry put on them.
  const sheets = (await page.evaluate(() => fetch('/api/tree').then((r) => r.json()))).sheets;
  const bare = sheets.filter((s) => s.dimensions.length === 0).map((s) => s.name);
  check(sheets.length === names.length && bare.length === 0, 'every sheet has dimensions; not: ' + bare.join(' '));
  check(sheets.find((s) => s.name === '1-0组件-机架').part_marks.length > 0, 'the sub-assembly sheet has part marks');
  await page.screenshot({ path: join(shots, 'serve-sheet.png') });
  await page.click('#close-sheet');
}

// fabdoc info --json with what depends on the folder or the session left out: paths and tags.
function info(dir) {
  const text = execFileSync(fabdoc, ['info', join(dir, 'P-总装-0.prt'), '--json'], { encoding: 'utf8' });
  const strip = (v) => {
    if (Array.isArray(v)) return v.map(strip);
    if (v && typeof v === 'object')
      return Object.fromEntries(Object.entries(v).filter(([k]) => k !== 'tag').map(([k, x]) => [k, strip(x)]));
    return typeof v === 'string' ? v.split(dir).join('DIR').split(dir.replaceAll('/', '\\')).join('DIR') : v;
  };
  return JSON.stringify(strip(JSON.parse(text)), null, 1);
}

const dir = freshDir('browser-main-job');
exampleProduct(fabdoc, dir);
const server = await serve(fabdoc, dir, ['P-总装-0.prt', '--record', join(dir, 'browser.journal')]);
const profile = freshDir('chromium-profile');
const browser = await launch(profile);
await withBrowser(browser, server, async () => {
  const page = await openPage(browser, server.url, 1400, 900);
  await theGuideRod(page);
  await attributesThroughTheDialog(page);
  await theRestOfTheJob(page);
  await theSheets(page);
  await page.screenshot({ path: join(shots, 'serve.png') });
});

// The same job by the journal, in a folder of its own; the part files must agree.
const journalDir = freshDir('journal-main-job');
exampleProduct(fabdoc, journalDir);
copyFileSync(journalFile, join(journalDir, 'main-job.journal'));
execFileSync(fabdoc, ['run', join(journalDir, 'main-job.journal')], { cwd: journalDir, stdio: 'ignore' });
const byBrowser = info(dir), byJournal = info(journalDir);
if (byBrowser !== byJournal) {
  const a = byBrowser.split('\n'), b = byJournal.split('\n');
  const at = a.findIndex((line, i) => line !== b[i]);
  throw new Error(`the browser's product differs from the journal's at line ${at}:\n` +
                  `browser: ${a.slice(at, at + 5).join('\n')}\njournal: ${b.slice(at, at + 5).join('\n')}`);
}
console.log('fabdoc info --json of the product: the browser\'s equals the journal\'s');
// What the browser recorded replays headless to the same product.
const recorded = readFileSync(join(dir, 'browser.journal'), 'utf8');
check(recorded.includes('action "attrV2"\n  select blockxuanzhe "body:P-机架-1/立柱#1"\n'), 'the pick is recorded as a selector');
check(/^dimension$/m.test(recorded), 'the menu\'s dimension entry is recorded as the journal line');
const replayDir = freshDir('replayed-main-job');
exampleProduct(fabdoc, replayDir);
copyFileSync(join(dir, 'browser.journal'), join(replayDir, 'browser.journal'));
execFileSync(fabdoc, ['run', join(replayDir, 'browser.journal')], { cwd: replayDir, stdio: 'ignore' });
check(info(replayDir) === byJournal, 'the recorded journal replays to the same product');
console.log('the recorded journal replays to the same product');
