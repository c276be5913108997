// zsfind's HTML result worked as a user works it, in headless Chromium: real
// clicks and key strokes at the controls, the rows read back in the order the
// page shows them. The page is the one html_browser_test.cpp writes: section 1
// holds 60 rows (欄1 rowNNNN, 欄2 one of four authors in turn, 年 1950 + N,
// 欄4 a title, 数値 N * 37 % 100, 欄6) and 40 paragraphs, sections 2 and 3
// (a UTF-8 database) one paragraph each. Every case starts from the page as
// loaded. Usage: page_test.js PAGE
'use strict';
const puppeteer = require('puppeteer-core');
const fs = require('fs');
const path = require('path');

const url = 'file://' + process.argv[2];
const downloads = fs.mkdtempSync(path.join(require('os').tmpdir(), 'zsfind-page-test-'));
const authors = ['=Suzuki, "Ken"', '阿部　正', '山田　太郎', 'ｻﾄｳ ﾊﾅｺ'];  // in code page 932's order

// What section n shows: its count, and its records' fields in the order shown.
const view = (page, n = 1) => page.$eval(`section:nth-of-type(${n})`, (s) => ({
  count: s.querySelector('output').textContent,
  sorted: [...s.querySelectorAll('.hd th')].map((th) => th.getAttribute('aria-sort')),
  marks: s.querySelectorAll('.k mark').length,
  rows: [...s.querySelectorAll('.k:not([hidden]) :is(tbody > tr, p.r)')].map((r) =>
    r.cells ? [...r.cells].map((td) => td.textContent) : [r.textContent]),
}));
const heading = (page, name) => page.$(`::-p-xpath(//div[@class="hd"]//button[starts-with(., "${name}")])`);
const click = async (page, name) => (await heading(page, name)).click();
const filter = (page, text, n = 1) => page.type(`section:nth-of-type(${n}) input[type=search]`, text);
const bar = (page, decade) => page.$(`rect[data-decade="${decade}"]`);
const column = (v, i) => v.rows.filter((r) => r.length > 1).map((r) => r[i]);
const rising = (list) => list.every((x, i) => !i || list[i - 1] <= x);
const falling = (list) => rising([...list].reverse());
const groups = (list) => list.filter((x, i) => list[i - 1] !== x);
const expect = (ok, what) => { if (!ok) throw new Error(what); };
const csvField = (f) => (/[",\r\n]/.test(f) ? `"${f.replace(/"/g, '""')}"` : f);
const asText = (f) => (/^[=+\-@\t\r]/.test(f) ? `'${f}` : f);  // no formula in a spreadsheet

// The bytes of the CSV file that action saves.
async function download(action) {
  await action();
  let file;
  for (let i = 0; i < 50 && !(file = fs.readdirSync(downloads).find((f) => f.endsWith('.csv'))); i++) {
    await new Promise((done) => setTimeout(done, 100));
  }
  return file ? fs.readFileSync(path.join(downloads, file)) : Buffer.alloc(0);
}

const cases = [
  ['as loaded: every record, headings named by the records', async (page) => {
    const v = await view(page);
    expect(v.count === '100 / 100 件' && v.rows.length === 100, v.count);
    const names = await page.$$eval('.hd button', (b) => b.map((e) => e.textContent).join());
    expect(names === '欄1,欄2,年,欄4,数値,欄6', names);
    expect((await view(page, 2)).count === '1 / 1 件', 'section 2');
  }],
  ['a click on 年 sorts rising, a second falling, across chunks, marks kept', async (page) => {
    await click(page, '年');
    let v = await view(page);
    expect(rising(column(v, 2)) && v.sorted[2] === 'ascending' && v.rows.length === 100, 'rising');
    expect(v.rows.slice(60).every((r) => r.length === 1) && v.marks === 260, 'paragraphs last');
    await click(page, '年');
    v = await view(page);
    expect(falling(column(v, 2)) && v.sorted[2] === 'descending', 'falling');
    expect((await heading(page, '年 ▼')) !== null, 'no ▼ on the heading');
  }],
  ['numbers sort as numbers, text in code order, ties keep their order', async (page) => {
    await click(page, '数値');
    expect(rising(column(await view(page), 4).map(Number)), '数値');
    await click(page, '年');
    await click(page, '年');
    await click(page, '欄2');
    const v = await view(page);
    expect(groups(column(v, 1)).join() === authors.join(), groups(column(v, 1)).join());
    for (const a of authors) expect(falling(v.rows.filter((r) => r[1] === a).map((r) => r[2])), a);
  }],
  ['Tab reaches a heading; Enter sorts, Space sorts the other way', async (page) => {
    await page.click('input[type=search]');
    for (let i = 0; i < 5; i++) await page.keyboard.press('Tab');
    expect(await page.evaluate(() => document.activeElement.textContent === '年'), 'focus');
    await page.keyboard.press('Enter');
    expect(rising(column(await view(page), 2)), 'Enter');
    await page.keyboard.press('Space');
    expect(falling(column(await view(page), 2)), 'Space');
  }],
  ['the box keeps the rows that hold its text, width and case folded', async (page) => {
    for (const [text, count, author] of [['サトウ', 15, 'ｻﾄｳ ﾊﾅｺ'], ['SUZUKI', 15, authors[0]], ['さとう', 0]]) {
      await page.click('input[type=search]', { clickCount: 3 });
      await filter(page, text);
      const v = await view(page);
      expect(v.count === `${count} / 100 件` && v.rows.every((r) => r[1] === author), text);
    }
    await page.click('input[type=search]', { clickCount: 3 });
    await page.keyboard.press('Backspace');
    expect((await view(page)).count === '100 / 100 件', 'emptied');
  }],
  ['a bar shows its decade, with the box; again or すべて shows all', async (page) => {
    await (await bar(page, 1960)).click();
    let v = await view(page);
    expect(v.count === '10 / 100 件' && column(v, 2).every((y) => y >= 1960 && y < 1970), v.count);
    await filter(page, 'suzuki');
    v = await view(page);
    expect(v.rows.length === 3 && v.rows.every((r) => r[1] === authors[0] && r[2] < 1970), 'both');
    await (await bar(page, 1960)).click();
    expect((await view(page)).count === '15 / 100 件', 'second click');
    await (await bar(page, 2000)).click();
    await (await page.$('::-p-text(すべて)')).click();
    expect((await view(page)).count === '15 / 100 件', 'すべて');
  }],
  ['CSV and the clipboard take the rows shown, in their order', async (page) => {
    await filter(page, 'suzuki');
    await click(page, '年');
    const v = await view(page);
    const lines = [['欄1', '欄2', '年', '欄4', '数値', '欄6'], ...v.rows.map((r) => r.map(asText))];
    const csv = await download(() => page.click('::-p-text(CSV)'));
    const expected = '\ufeff' + lines.map((l) => l.map(csvField).join(',') + '\r\n').join('');
    expect(csv.equals(Buffer.from(expected)) && lines.length === 16, csv.toString().slice(0, 99));
    expect(csv.includes('"\'=Suzuki, ""Ken"""'), 'quotes, and a formula kept as text');
    await page.click('::-p-text(タブ区切り)');
    const text = await page.evaluate(() => navigator.clipboard.readText());
    expect(text === lines.map((l) => l.join('\t') + '\r\n').join(''), text.slice(0, 99));
  }],
  ['with scripts off, every record in rows of cells under headings, no controls', async (page) => {
    const cells = await page.$$eval('tbody > tr', (rows) => rows.map((r) => r.cells.length).join());
    expect(cells === Array(60).fill(6).join(), cells);
    expect((await page.$$('p.r')).length === 42 && !(await page.$('button, input')), 'controls');
    expect(await page.$eval('thead th', (th) => th.getBoundingClientRect().height > 0), 'heading');
  }, false],
  ['each section has its own controls', async (page) => {
    await filter(page, 'x', 2);
    expect((await view(page, 2)).count === '0 / 1 件', 'section 2');
    expect((await view(page)).count === '100 / 100 件', 'section 1');
  }],
];

(async () => {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${downloads}/profile`],
  });
  await browser.defaultBrowserContext().overridePermissions('file://', ['clipboard-read']);
  await (await browser.target().createCDPSession())
    .send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  const problems = [];
  let failed = 0;
  for (const [name, run, scripts = true] of cases) {
    const page = await browser.newPage();
    await page.setJavaScriptEnabled(scripts);
    page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
    page.on('request', (r) => r.url() !== url && problems.push(`request: ${r.url()}`));
    await page.goto(url);
    const outcome = await run(page).then(() => '', (e) => e.message);
    failed += outcome !== '';
    console.log(`${outcome ? 'not ok' : 'ok'} - ${name}${outcome && `: ${outcome}`}`);
    await page.close();
  }
  await browser.close();
  fs.rmSync(downloads, { recursive: true, force: true });
  problems.forEach((p) => console.log(`not ok - ${p}`));
  process.exit(failed || problems.length ? 1 : 0);
})();
