// Drives the energy comparator page in headless Chromium, loaded from file:// as
// the program opens it, and checks its figures against values worked out by hand.
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { chromium } = require("playwright-core");

const shareDir = process.env.KAMINOR_SHARE_DIR;
if (!shareDir) {
  console.error("KAMINOR_SHARE_DIR is not set");
  process.exit(2);
}
const page_path = path.join(shareDir, "Comparateur", "index.html");
const pageUrl = pathToFileURL(page_path).href;
const browserPath = process.env.CHROMIUM || "/usr/bin/chromium";
const screenshotDir = process.env.SCREENSHOT_DIR || "";

const ENERGIES = ["logs", "pellets", "oil", "gas", "propane", "electric", "heatpump"];

// Yearly cost in euros for 10 000 kWh of heat with the default prices:
// need / efficiency / kWh per unit * price per unit.
const COSTS_10000 = {
  logs: 705.88,     // 10000 / 0.75 / 1700 * 90
  pellets: 949.53,  // 10000 / 0.87 / 4.6 * 0.38
  oil: 1352.94,     // 10000 / 0.85 / 10 * 1.15
  gas: 1333.33,     // 10000 / 0.90 * 0.12
  propane: 1692.71, // 10000 / 0.90 / 12.8 * 1.95
  electric: 2016.0, // 10000 * 0.2016
  heatpump: 672.0   // 10000 / 3 * 0.2016
};

let failures = 0;
async function check(name, fn) {
  try {
    await fn();
    console.log("PASS  " + name);
  } catch (err) {
    failures++;
    console.log("FAIL  " + name + "\n      " + String(err && err.stack || err).split("\n").join("\n      "));
  }
}

async function openPage(locale) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "kaminor-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: browserPath,
    headless: true,
    locale,
    viewport: { width: 1200, height: 900 },
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"]
  });
  const page = context.pages()[0] || await context.newPage();
  const problems = [];
  page.on("console", (msg) => { if (msg.type() === "error") problems.push("console: " + msg.text()); });
  page.on("pageerror", (err) => problems.push("page error: " + err.message));
  page.on("request", (req) => {
    if (!req.url().startsWith("file:")) problems.push("network request: " + req.url());
  });
  await page.goto(pageUrl, { waitUntil: "load" });
  await page.waitForSelector("#results-body tr");
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { page, problems, close };
}

async function costs(page) {
  return page.$$eval("#results-body tr", (rows) => Object.fromEntries(
    rows.map((r) => [r.dataset.energy, Number(r.querySelector(".cost").dataset.value)])));
}

async function highlighted(page) {
  return page.evaluate(() => ({
    rows: [...document.querySelectorAll("#results-body tr.cheapest")].map((r) => r.dataset.energy),
    bars: [...document.querySelectorAll("#chart g.cheapest")].map((g) => g.dataset.energy)
  }));
}

async function setValue(page, selector, value) {
  await page.fill(selector, String(value));
}

function assertClose(actual, expected, tolerance, what) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual} is not ${expected}`);
}

async function main() {
  assert.ok(fs.existsSync(page_path), "comparator page missing: " + page_path);
  assert.ok(fs.existsSync(browserPath), "chromium missing: " + browserPath);

  const fr = await openPage("fr-FR");
  const page = fr.page;
  try {
    await check("loads from file:// in French without errors or network", async () => {
      assert.equal(await page.getAttribute("html", "lang"), "fr");
      assert.match(await page.textContent("h1"), /Comparateur/);
      assert.deepEqual(await page.$$eval("#results-body tr", (rows) => rows.map((r) => r.dataset.energy)), ENERGIES);
      assert.equal(await page.$$eval("#chart svg g.bar", (g) => g.length), ENERGIES.length);
      assert.deepEqual(fr.problems, []);
    });

    await check("known input gives the costs worked out by hand, cheapest highlighted", async () => {
      await setValue(page, "#need", 10000);
      const c = await costs(page);
      for (const id of ENERGIES) assertClose(c[id], COSTS_10000[id], 0.01, id);
      assert.deepEqual(await highlighted(page), { rows: ["heatpump"], bars: ["heatpump"] });
      const shown = await page.textContent('#results-body tr[data-energy="logs"] .cost');
      assert.match(shown.replace(/\s/g, ""), /^706€$/);
    });

    await check("costs follow the heat need proportionally", async () => {
      await setValue(page, "#need", 10000);
      const before = await costs(page);
      await setValue(page, "#need", 25000);
      const after = await costs(page);
      for (const id of ENERGIES) assertClose(after[id] / before[id], 2.5, 1e-9, id);
    });

    await check("an edited price moves the highlight and the savings of logs", async () => {
      await setValue(page, "#need", 10000);
      await setValue(page, "#price-electricity", 0.3);
      const c = await costs(page);
      assertClose(c.electric, 3000, 0.01, "electric");
      assertClose(c.heatpump, 1000, 0.01, "heat pump");
      assert.deepEqual(await highlighted(page), { rows: ["logs"], bars: ["logs"] });
      const saving = await page.getAttribute('#results-body tr[data-energy="electric"] .saving', "data-value");
      assertClose(Number(saving), 3000 - COSTS_10000.logs, 0.01, "saving over electric");
      await page.click("#reset");
      assert.equal(await page.inputValue("#price-electricity"), "0.2016");
      assert.deepEqual((await highlighted(page)).rows, ["heatpump"]);
    });

    await check("the need is estimated from floor area and insulation", async () => {
      await page.check("#mode-estimate");
      await setValue(page, "#area", 120);
      await page.selectOption("#insulation", "good");
      assert.equal(await page.inputValue("#need"), "10800");
      const c = await costs(page);
      assertClose(c.logs, COSTS_10000.logs * 1.08, 0.01, "logs");
      await page.check("#mode-known");
      assert.equal(await page.isVisible("#area"), false);
    });

    await check("wrong values are flagged and never shown as figures", async () => {
      for (const bad of ["", "-5", "0"]) {
        await setValue(page, "#need", bad);
        assert.equal(await page.isVisible("#error"), true, `error for "${bad}"`);
        assert.equal(await page.getAttribute("#need", "aria-invalid"), "true");
      }
      await setValue(page, "#eff-heatpump", 0);
      await setValue(page, "#need", 10000);
      assert.equal(await page.isVisible("#error"), true);
      await setValue(page, "#eff-heatpump", 300);
      assert.equal(await page.isVisible("#error"), false);
      const text = await page.textContent("#results-body");
      assert.doesNotMatch(text, /NaN|Infinity|undefined/);
    });

    await check("usable with the keyboard alone", async () => {
      await page.focus("#mode-known");
      await page.keyboard.press("ArrowDown");
      assert.equal(await page.isChecked("#mode-estimate"), true);
      await page.keyboard.press("ArrowUp");
      await page.keyboard.press("Tab");
      assert.equal(await page.evaluate(() => document.activeElement.id), "need");
      await page.keyboard.press("Control+A");
      await page.keyboard.type("20000");
      assertClose((await costs(page)).heatpump, 1344, 0.01, "heat pump");
    });

    await check("fits a small window without sideways scrolling", async () => {
      await page.setViewportSize({ width: 380, height: 800 });
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      assert.ok(overflow <= 0, "page is " + overflow + " px too wide");
      if (screenshotDir) await page.screenshot({ path: path.join(screenshotDir, "comparator-small.png"), fullPage: true });
      await page.setViewportSize({ width: 1200, height: 900 });
      await setValue(page, "#need", 12000);
      if (screenshotDir) await page.screenshot({ path: path.join(screenshotDir, "comparator-fr.png"), fullPage: true });
    });

    await check("no console error during the session", async () => {
      assert.deepEqual(fr.problems, []);
    });
  } finally {
    await fr.close();
  }

  const en = await openPage("en-US");
  try {
    await check("English under an English locale", async () => {
      assert.equal(await en.page.getAttribute("html", "lang"), "en");
      assert.equal(await en.page.textContent("h1"), "Heating energy comparator");
      assert.match(await en.page.textContent('#results-body tr[data-energy="heatpump"] th'), /Air-to-water heat pump/);
      await setValue(en.page, "#need", 10000);
      assert.equal((await en.page.textContent('#results-body tr[data-energy="electric"] .cost')).trim(), "€2,016");
      if (screenshotDir) await en.page.screenshot({ path: path.join(screenshotDir, "comparator-en.png"), fullPage: true });
      assert.deepEqual(en.problems, []);
    });
  } finally {
    await en.close();
  }

  if (failures) {
    console.log(failures + " check(s) failed");
    process.exit(1);
  }
  console.log("all checks passed");
}

main().catch((err) => {
  console.error(err);
  process.exit(1);
});
