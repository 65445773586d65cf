// A part of 200 bodies in the page: opened from the header, every body drawn, and bodies
// picked in the 3D view into the attrV2 dialog's selection. Prints how long the open took
// (request to the model drawn) and each pick (click to the dialog showing the selection);
// the figures are reported, not asserted: speed targets live in bench/.
// Usage: node many_bodies_test.mjs FABDOC
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { check, choose, freshDir, idle, launch, runAction, serve } from './browser_support.mjs';

const fabdoc = process.argv[2];
const bodies = 200;
const dir = freshDir('browser-many');
// Rods on a 20 x 10 grid 100 mm apart, of seven lengths, made by the two-point tool.
const lines = ['new many.prt'];
for (let i = 0; i < bodies; ++i) {
  const x = (i % 20) * 100, y = Math.floor(i / 20) * 100;
  lines.push('action TWO_CYL_tool', `  set point0 ${x},${y},0`, `  set point01 ${x},${y},${300 + (i % 7) * 50}`,
             '  set expression0 30', '  ok');
}
lines.push('save');
writeFileSync(join(dir, 'many.journal'), lines.join('\n') + '\n');
execFileSync(fabdoc, ['run', join(dir, 'many.journal')], { stdio: 'ignore' });

const server = await serve(fabdoc, dir, []);
const browser = await launch(freshDir('chromium-profile'));
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 900 });
  await page.goto(server.url);
  await page.waitForFunction(() => window.fabdoc?.ready);
  await page.type('#part-path', 'many.prt');
  await page.click('#open');
  await idle(page);
  const drawn = await page.evaluate(() => window.fabdoc.bodyTags().length);
  check(drawn === bodies, `${bodies} bodies drawn, not ${drawn}`);
  const openMs = await page.evaluate(() => window.fabdoc.lastLoadMs);
  console.log(`open of ${bodies} bodies: ${openMs.toFixed(0)} ms from the request to the model drawn`);

  await runAction(page, 'attrV2');
  // A part without components starts on "the work part"; the picks go to "the bodies selected".
  await choose(page, 'blockleixing', 1);
  check(await page.$('[data-block="blockxuanzhe"].active') !== null, 'the body selection is the active block');
  const tags = await page.evaluate(() => window.fabdoc.bodyTags());
  const picks = [];
  for (const tag of tags.filter((_, i) => i % 23 === 5)) {
    await page.click('[data-block="blockxuanzhe"] button.clear');
    await idle(page);
    const point = await page.evaluate((t) => window.fabdoc.screenPointOf(t), tag);
    const seen = await page.evaluate((p) => window.fabdoc.bodyAtPoint(p.x, p.y), point);
    if (seen !== tag) continue;  // behind another rod from this side
    await page.mouse.click(point.x, point.y);
    await idle(page);
    const selected = await page.evaluate(() => fetch('/api/state').then((r) => r.json())
      .then((s) => s.dialogs[0].blocks.flatMap((b) => b.children).find((b) => b.id === 'blockxuanzhe')
        .properties.SelectedObjects.value.map((o) => o.tag)));
    check(selected.length === 1 && selected[0] === tag,
          `the picked body ${tag} is selected: ${selected} ${await page.$eval("#error", (e) => e.textContent)}`);
    picks.push(await page.evaluate(() => window.fabdoc.lastPickMs));
  }
  check(picks.length >= 3, `at least three bodies could be picked, not ${picks.length}`);
  picks.sort((a, b) => a - b);
  console.log(`${picks.length} picks in the 3D view: median ${picks[picks.length >> 1].toFixed(0)} ms, ` +
              `slowest ${picks.at(-1).toFixed(0)} ms (click to the selection shown)`);
  await page.click('#dialog-cancel');
  await idle(page);
} catch (e) {
  console.error('failed:', e);
  process.exitCode = 1;
} finally {
  await browser.close();
  await server.stop();
}
