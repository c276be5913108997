// Times HTML results in headless Chromium: how long until a page is laid out
// (from the start of its navigation to the first frame after its load event,
// layout forced), and, where the page has heading buttons, how long a sort by
// the fifth column takes (from the click to the next frame, laid out), rising
// and then falling. Each page opens in a fresh tab, RUNS times, the pages
// taking turns; the medians are printed as a table.
//
//   node page_timing.js RUNS NAME=PAGE...
'use strict';
const puppeteer = require('puppeteer-core');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [runs, ...pages] = process.argv.slice(2);
const median = (list) => [...list].sort((a, b) => a - b)[list.length >> 1];

const laidOut = () => new Promise((done) => requestAnimationFrame(() => {
  document.body.getBoundingClientRect();
  done(performance.now());
}));
const sortTime = () => new Promise((done) => {
  const start = performance.now();
  document.querySelector('.hd th:nth-child(5) button').click();
  requestAnimationFrame(() => {
    document.body.getBoundingClientRect();
    done(performance.now() - start);
  });
});

async function measure(browser, file) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1200, height: 900 });
  await page.goto(`file://${file}`, { waitUntil: 'load', timeout: 600000 });
  const times = { load: await page.evaluate(laidOut) };
  if (await page.$('.hd')) {
    times.rising = await page.evaluate(sortTime);
    times.falling = await page.evaluate(sortTime);
  }
  await page.close();
  return times;
}

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zsfind-bench-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    protocolTimeout: 600000,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  const named = pages.map((p) => p.split('='));
  await measure(browser, named[0][1]);  // not counted: the first page loads fonts
  const times = Object.fromEntries(named.map(([name]) => [name, []]));
  for (let run = 0; run < +runs; run++) {
    for (const [name, file] of named) times[name].push(await measure(browser, file));
  }
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  const ms = (list, key) => (list[0][key] === undefined ? '–' : median(list.map((t) => t[key])).toFixed(0));
  console.log('| page | laid out, ms | sort by the 5th column rising, ms | falling, ms |');
  console.log('|---|---:|---:|---:|');
  for (const [name, list] of Object.entries(times)) {
    console.log(`| ${name} | ${ms(list, 'load')} | ${ms(list, 'rising')} | ${ms(list, 'falling')} |`);
  }
})();
