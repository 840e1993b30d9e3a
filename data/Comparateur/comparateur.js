/*
 * Energy comparator: yearly cost and CO2 of heating a home with logs burnt in
 * the stove or with six other energies.
 *
 * Default values (about 2024-2025, France, all taxes included). Every price can
 * be changed on the page; efficiencies too.
 *
 *   Energy              Unit price       Energy per unit   Efficiency  kg CO2e per kWh
 *   Logs (this stove)   90 EUR / stere   1 700 kWh         75 %        0.030
 *   Wood pellets        0.38 EUR / kg    4.6 kWh           87 %        0.030
 *   Heating oil         1.15 EUR / l     10 kWh            85 %        0.324
 *   Natural gas         0.12 EUR / kWh   1 kWh             90 %        0.227
 *   Propane             1.95 EUR / kg    12.8 kWh          90 %        0.272
 *   Direct electric     0.2016 EUR / kWh 1 kWh             100 %       0.079
 *   Air-to-water heat   same electricity price            300 % (seasonal
 *   pump                                                  coefficient 3)  0.079
 *
 * Sources:
 *   - Prices: French Ministry for the Ecological Transition, statistical service
 *     (SDES), "Pegase" energy price database, household prices 2024; electricity:
 *     regulated "Base" tariff from 1 February 2025 as published by the Energy
 *     Regulatory Commission (CRE), energy part only; logs: average price of a stere
 *     of seasoned hardwood delivered, 2024 household surveys relayed by ADEME.
 *   - Energy per unit: lower heating values published by ADEME; pellets:
 *     minimum of the EN ISO 17225-2 A1 class (4.6 kWh/kg); hardwood logs at 20 %
 *     moisture, 1 stere ~ 1 700 kWh (ADEME, "Se chauffer au bois" guide).
 *   - Emission factors: ADEME "Base Empreinte" (formerly Base Carbone), kg CO2
 *     equivalent per kWh of lower heating value, combustion and upstream; the
 *     biogenic CO2 of wood is not counted. Electricity: ADEME factor for the
 *     heating use in France (seasonal, monthly method).
 *   - Efficiencies: typical seasonal values for current appliances (stoves with a
 *     75 % efficiency or better, condensing gas boiler, recent oil boiler, pellet
 *     stove), heat pump seasonal coefficient of 3 for radiators at mid temperature.
 *   - Heat need per m2 and per year for the estimate: orders of magnitude of the
 *     French energy performance certificate classes (useful heat for heating only).
 */
(function () {
  "use strict";

  // ---------------------------------------------------------------------------
  // Data

  var FUELS = [
    { id: "logs", price: 90, kwhPerUnit: 1700, step: 1 },
    { id: "pellets", price: 0.38, kwhPerUnit: 4.6, step: 0.01 },
    { id: "oil", price: 1.15, kwhPerUnit: 10, step: 0.01 },
    { id: "gas", price: 0.12, kwhPerUnit: 1, step: 0.001 },
    { id: "propane", price: 1.95, kwhPerUnit: 12.8, step: 0.01 },
    { id: "electricity", price: 0.2016, kwhPerUnit: 1, step: 0.0001 }
  ];

  var ENERGIES = [
    { id: "logs", fuel: "logs", efficiency: 75, co2: 0.030 },
    { id: "pellets", fuel: "pellets", efficiency: 87, co2: 0.030 },
    { id: "oil", fuel: "oil", efficiency: 85, co2: 0.324 },
    { id: "gas", fuel: "gas", efficiency: 90, co2: 0.227 },
    { id: "propane", fuel: "propane", efficiency: 90, co2: 0.272 },
    { id: "electric", fuel: "electricity", efficiency: 100, co2: 0.079 },
    { id: "heatpump", fuel: "electricity", efficiency: 300, co2: 0.079 }
  ];

  // Useful heat for heating, kWh per m2 and per year.
  var INSULATION = [
    { id: "excellent", kwhPerM2: 50 },
    { id: "good", kwhPerM2: 90 },
    { id: "average", kwhPerM2: 140 },
    { id: "poor", kwhPerM2: 220 }
  ];

  var DEFAULT_NEED = 12000;
  var DEFAULT_AREA = 100;
  var DEFAULT_INSULATION = "average";
  var MAX_NEED = 1000000;

  // ---------------------------------------------------------------------------
  // Texts

  var TEXTS = {
    fr: {
      title: "Comparateur d’énergies de chauffage",
      lead: "Combien coûte une année de chauffage avec ce poêle à bois, comparé aux autres énergies ? Entrez votre besoin de chaleur, ajustez les prix si vous le souhaitez : tout est calculé sur votre ordinateur.",
      needLegend: "1. Votre besoin de chaleur",
      modeKnown: "Je connais mon besoin annuel",
      modeEstimate: "Estimer à partir de la surface",
      needLabel: "Besoin de chaleur annuel",
      needUnit: "kWh/an",
      needHelp: "La chaleur utile pour chauffer le logement pendant un an (voir une facture ou un diagnostic de performance énergétique).",
      areaLabel: "Surface chauffée",
      areaUnit: "m²",
      insulationLabel: "Isolation du logement",
      insulation: {
        excellent: "Très bonne (basse consommation)",
        good: "Bonne (isolation récente)",
        average: "Moyenne (années 1975 à 2000)",
        poor: "Faible (avant 1975, peu isolé)"
      },
      estimateNote: "Estimation : {area} m² × {perM2} kWh/m²·an = {need} kWh/an.",
      assumptionsLegend: "2. Prix et rendements",
      assumptionsHelp: "Prix toutes taxes comprises, hors abonnement : modifiez-les selon vos factures. Le rendement de la pompe à chaleur est son coefficient de performance saisonnier (300 % = 3 kWh de chaleur pour 1 kWh d’électricité).",
      colEnergy: "Énergie",
      colEfficiency: "Rendement",
      colPrice: "Prix unitaire",
      sameAsElectric: "prix de l’électricité",
      reset: "Rétablir les valeurs par défaut",
      resultsTitle: "3. Coût annuel et émissions",
      colCost: "Coût annuel",
      colQuantity: "Consommation",
      colCo2: "CO₂ par an",
      colSaving: "Économie avec les bûches",
      cheapest: "le moins cher",
      savingPlus: "Les bûches coûtent {amount} de moins par an",
      savingMinus: "Les bûches coûtent {amount} de plus par an",
      savingNone: "—",
      chartTitle: "Coût annuel du chauffage par énergie",
      chartDesc: "Barres horizontales, la moins chère est mise en évidence.",
      summary: "Avec ce poêle, les bûches coûtent {logs} par an pour {need} kWh de chaleur.",
      summaryCheapest: "L’énergie la moins chère avec ces prix : {energy} ({cost} par an).",
      invalid: "Vérifiez les valeurs en rouge : un nombre positif est attendu.",
      notes: "Estimations indicatives : elles ne comptent ni l’abonnement, ni l’entretien, ni l’achat des appareils. Les émissions sont en équivalent CO₂, combustion et production de l’énergie comprises ; le CO₂ biogénique du bois n’est pas compté. Sources des valeurs par défaut : SDES (base Pégase), Commission de régulation de l’énergie, ADEME (Base Empreinte).",
      energies: {
        logs: "Bûches dans ce poêle",
        pellets: "Granulés de bois",
        oil: "Fioul domestique",
        gas: "Gaz naturel",
        propane: "Propane",
        electric: "Électrique direct",
        heatpump: "Pompe à chaleur air/eau"
      },
      stere: "stère",
      steres: "stères",
      locale: "fr-FR"
    },
    en: {
      title: "Heating energy comparator",
      lead: "What does a year of heating cost with this wood stove, compared with other energies? Enter your heat need and adjust the prices if you wish: everything is computed on your computer.",
      needLegend: "1. Your heat need",
      modeKnown: "I know my yearly need",
      modeEstimate: "Estimate from the floor area",
      needLabel: "Yearly heat need",
      needUnit: "kWh/year",
      needHelp: "The useful heat needed to heat the home for one year (see a bill or an energy performance certificate).",
      areaLabel: "Heated floor area",
      areaUnit: "m²",
      insulationLabel: "Insulation of the home",
      insulation: {
        excellent: "Very good (low-energy building)",
        good: "Good (recent insulation)",
        average: "Average (built 1975 to 2000)",
        poor: "Poor (before 1975, little insulation)"
      },
      estimateNote: "Estimate: {area} m² × {perM2} kWh/m²·yr = {need} kWh/year.",
      assumptionsLegend: "2. Prices and efficiencies",
      assumptionsHelp: "Prices with all taxes, without standing charges: change them to match your bills. The heat pump’s efficiency is its seasonal coefficient of performance (300 % = 3 kWh of heat for 1 kWh of electricity).",
      colEnergy: "Energy",
      colEfficiency: "Efficiency",
      colPrice: "Unit price",
      sameAsElectric: "electricity price",
      reset: "Restore the default values",
      resultsTitle: "3. Yearly cost and emissions",
      colCost: "Yearly cost",
      colQuantity: "Consumption",
      colCo2: "CO₂ per year",
      colSaving: "Saving with logs",
      cheapest: "cheapest",
      savingPlus: "Logs cost {amount} less a year",
      savingMinus: "Logs cost {amount} more a year",
      savingNone: "—",
      chartTitle: "Yearly heating cost by energy",
      chartDesc: "Horizontal bars; the cheapest is highlighted.",
      summary: "With this stove, logs cost {logs} a year for {need} kWh of heat.",
      summaryCheapest: "Cheapest energy at these prices: {energy} ({cost} a year).",
      invalid: "Check the values in red: a positive number is expected.",
      notes: "Estimates only: standing charges, servicing and the purchase of appliances are not counted. Emissions are in CO₂ equivalent, including the production of the energy; the biogenic CO₂ of wood is not counted. Sources of the default values: SDES (Pégase database), French Energy Regulatory Commission, ADEME (Base Empreinte).",
      energies: {
        logs: "Logs in this stove",
        pellets: "Wood pellets",
        oil: "Heating oil",
        gas: "Natural gas",
        propane: "Propane",
        electric: "Direct electric",
        heatpump: "Air-to-water heat pump"
      },
      stere: "stere",
      steres: "steres",
      locale: "en-GB"
    }
  };

  function pickLanguage() {
    var langs = (navigator.languages && navigator.languages.length) ? navigator.languages : [navigator.language || ""];
    var first = String(langs[0] || "").toLowerCase();
    return first.indexOf("en") === 0 ? "en" : "fr";
  }

  var lang = pickLanguage();
  var T = TEXTS[lang];

  // The units of each fuel's price and of the quantity bought.
  var PRICE_UNITS = {
    logs: "€/" + T.stere, pellets: "€/kg", oil: "€/litre", gas: "€/kWh", propane: "€/kg", electricity: "€/kWh"
  };
  var QUANTITY_UNITS = {
    logs: T.steres, pellets: "kg", oil: "litres", gas: "kWh", propane: "kg", electricity: "kWh"
  };

  function fill(template, values) {
    return template.replace(/\{(\w+)\}/g, function (all, key) {
      return Object.prototype.hasOwnProperty.call(values, key) ? values[key] : all;
    });
  }

  var money = new Intl.NumberFormat(T.locale, { style: "currency", currency: "EUR", maximumFractionDigits: 0 });
  var integer = new Intl.NumberFormat(T.locale, { maximumFractionDigits: 0 });
  var oneDecimal = new Intl.NumberFormat(T.locale, { maximumFractionDigits: 1 });

  // ---------------------------------------------------------------------------
  // Computation, free of the page

  // Yearly cost (EUR), energy bought (kWh), quantity (units) and CO2 (kg) of each
  // energy for need kWh of useful heat. prices: fuel id -> EUR per unit;
  // efficiencies: energy id -> percent.
  function compute(need, prices, efficiencies) {
    return ENERGIES.map(function (energy) {
      var fuel = fuelById(energy.fuel);
      var bought = need / (efficiencies[energy.id] / 100);
      return {
        id: energy.id,
        fuel: fuel.id,
        kwh: bought,
        quantity: bought / fuel.kwhPerUnit,
        cost: bought / fuel.kwhPerUnit * prices[fuel.id],
        co2: bought * energy.co2
      };
    });
  }

  function cheapestOf(results) {
    var best = null;
    results.forEach(function (r) {
      if (best === null || r.cost < best.cost) best = r;
    });
    return best;
  }

  function fuelById(id) {
    for (var i = 0; i < FUELS.length; i++) if (FUELS[i].id === id) return FUELS[i];
    throw new Error("unknown fuel " + id);
  }

  function insulationById(id) {
    for (var i = 0; i < INSULATION.length; i++) if (INSULATION[i].id === id) return INSULATION[i];
    return INSULATION[2];
  }

  // ---------------------------------------------------------------------------
  // Page

  function $(id) { return document.getElementById(id); }

  function el(tag, attrs, text) {
    var node = document.createElement(tag);
    if (attrs) Object.keys(attrs).forEach(function (k) { node.setAttribute(k, attrs[k]); });
    if (text !== undefined) node.textContent = text;
    return node;
  }

  var SVG_NS = "http://www.w3.org/2000/svg";
  function svg(tag, attrs, text) {
    var node = document.createElementNS(SVG_NS, tag);
    if (attrs) Object.keys(attrs).forEach(function (k) { node.setAttribute(k, attrs[k]); });
    if (text !== undefined) node.textContent = text;
    return node;
  }

  // A positive finite number read from an input, or null.
  function readPositive(input) {
    var raw = String(input.value).trim().replace(",", ".");
    var value = raw === "" ? NaN : Number(raw);
    var ok = isFinite(value) && value > 0 && (!input.max || value <= Number(input.max));
    input.setAttribute("aria-invalid", ok ? "false" : "true");
    return ok ? value : null;
  }

  function applyTexts() {
    document.documentElement.lang = lang;
    document.title = T.title;
    document.querySelectorAll("[data-text]").forEach(function (node) {
      node.textContent = T[node.getAttribute("data-text")];
    });
    var select = $("insulation");
    INSULATION.forEach(function (level) {
      select.appendChild(el("option", { value: level.id }, T.insulation[level.id]));
    });
  }

  function buildAssumptions() {
    var body = $("assumptions-body");
    ENERGIES.forEach(function (energy) {
      var fuel = fuelById(energy.fuel);
      var row = el("tr", { "data-energy": energy.id });
      row.appendChild(el("th", { scope: "row" }, T.energies[energy.id]));

      var effCell = el("td");
      var effId = "eff-" + energy.id;
      var eff = el("input", {
        id: effId, type: "number", inputmode: "decimal", min: "1", max: "600", step: "1",
        value: String(energy.efficiency), "data-default": String(energy.efficiency),
        "aria-label": T.colEfficiency + " – " + T.energies[energy.id]
      });
      effCell.appendChild(eff);
      effCell.appendChild(el("span", { class: "unit" }, "%"));
      row.appendChild(effCell);

      var priceCell = el("td");
      var sharesPrice = energy.fuel === "electricity" && energy.id !== "electric";
      if (sharesPrice) {
        priceCell.appendChild(el("span", { class: "shared" }, "= " + T.sameAsElectric));
      } else {
        var price = el("input", {
          id: "price-" + fuel.id, type: "number", inputmode: "decimal", min: "0", max: "100000",
          step: String(fuel.step), value: String(fuel.price), "data-default": String(fuel.price),
          "aria-label": T.colPrice + " – " + T.energies[energy.id] + " (" + PRICE_UNITS[fuel.id] + ")"
        });
        priceCell.appendChild(price);
        priceCell.appendChild(el("span", { class: "unit" }, PRICE_UNITS[fuel.id]));
      }
      row.appendChild(priceCell);
      body.appendChild(row);
    });
  }

  function readInputs() {
    var valid = true;
    var need;
    if ($("mode-estimate").checked) {
      var area = readPositive($("area"));
      if (area === null) valid = false;
      var perM2 = insulationById($("insulation").value).kwhPerM2;
      need = area === null ? null : area * perM2;
      $("need").value = need === null ? "" : String(Math.round(need));
      $("need").setAttribute("aria-invalid", "false");
      $("estimate-note").textContent = need === null ? ""
        : fill(T.estimateNote, { area: oneDecimal.format(area), perM2: String(perM2), need: integer.format(need) });
    } else {
      need = readPositive($("need"));
      $("area").setAttribute("aria-invalid", "false");
      $("estimate-note").textContent = "";
    }
    if (need === null) valid = false;

    var prices = {};
    FUELS.forEach(function (fuel) {
      var input = $("price-" + fuel.id);
      var value = readPositive(input);
      if (value === null) valid = false;
      prices[fuel.id] = value;
    });
    var efficiencies = {};
    ENERGIES.forEach(function (energy) {
      var value = readPositive($("eff-" + energy.id));
      if (value === null) valid = false;
      efficiencies[energy.id] = value;
    });
    return { valid: valid, need: need, prices: prices, efficiencies: efficiencies };
  }

  function setMode() {
    var estimate = $("mode-estimate").checked;
    $("estimate-fields").hidden = !estimate;
    $("need").readOnly = estimate;
    $("need").classList.toggle("computed", estimate);
  }

  function renderTable(results, cheapest) {
    var body = $("results-body");
    body.textContent = "";
    var logs = results[0];
    results.forEach(function (r) {
      var row = el("tr", { "data-energy": r.id });
      if (r === cheapest) row.classList.add("cheapest");
      if (r.id === "logs") row.classList.add("ours");

      var name = el("th", { scope: "row" });
      name.appendChild(el("span", { class: "swatch", "aria-hidden": "true" }));
      name.appendChild(document.createTextNode(T.energies[r.id]));
      if (r === cheapest) name.appendChild(el("span", { class: "badge" }, T.cheapest));
      row.appendChild(name);

      row.appendChild(el("td", { class: "num cost", "data-value": String(r.cost), "data-label": T.colCost },
        money.format(r.cost)));
      var qty = r.quantity < 100 ? oneDecimal.format(r.quantity) : integer.format(r.quantity);
      row.appendChild(el("td", { class: "num quantity", "data-value": String(r.quantity), "data-label": T.colQuantity },
        qty + " " + QUANTITY_UNITS[r.fuel]));
      row.appendChild(el("td", { class: "num co2", "data-value": String(r.co2), "data-label": T.colCo2 },
        integer.format(r.co2) + " kg"));

      // Positive when logs cost less than this energy.
      var saving = r.cost - logs.cost;
      var cell = el("td", { class: "num saving", "data-value": String(saving), "data-label": T.colSaving });
      if (r.id === "logs" || Math.round(saving) === 0) {
        cell.textContent = T.savingNone;
      } else if (saving > 0) {
        cell.textContent = "+" + money.format(saving);
        cell.title = fill(T.savingPlus, { amount: money.format(saving) });
        cell.classList.add("plus");
      } else {
        cell.textContent = "−" + money.format(-saving);
        cell.title = fill(T.savingMinus, { amount: money.format(-saving) });
        cell.classList.add("minus");
      }
      row.appendChild(cell);
      body.appendChild(row);
    });
  }

  // Horizontal bars drawn at the chart's real width, so that the texts keep their
  // size; on a narrow window each label goes above its bar.
  function renderChart(results, cheapest) {
    var host = $("chart");
    host.textContent = "";
    var width = Math.max(260, Math.round(host.clientWidth || 640));
    var stacked = width < 520;
    var barHeight = stacked ? 18 : 24;
    var labelHeight = stacked ? 20 : 0;
    var gap = stacked ? 12 : 10;
    var labelWidth = stacked ? 0 : 190;
    var valueWidth = 92;
    var step = labelHeight + barHeight + gap;
    var height = results.length * step - gap + 4;
    var max = 0;
    results.forEach(function (r) { if (r.cost > max) max = r.cost; });
    var span = width - labelWidth - valueWidth;

    var chart = svg("svg", {
      width: width, height: height, viewBox: "0 0 " + width + " " + height, role: "img",
      "aria-labelledby": "chart-title chart-desc", class: "bars"
    });
    chart.appendChild(svg("title", { id: "chart-title" }, T.chartTitle));
    chart.appendChild(svg("desc", { id: "chart-desc" }, T.chartDesc));

    results.forEach(function (r, i) {
      var y = 2 + i * step;
      var barY = y + labelHeight;
      var length = max > 0 ? Math.max(2, span * r.cost / max) : 2;
      var classes = "bar";
      if (r.id === "logs") classes += " ours";
      if (r === cheapest) classes += " cheapest";
      var group = svg("g", { class: classes, "data-energy": r.id });
      if (stacked)
        group.appendChild(svg("text", { x: 0, y: y + labelHeight / 2 - 1, class: "label stacked" }, T.energies[r.id]));
      else
        group.appendChild(svg("text", { x: labelWidth - 10, y: barY + barHeight / 2, class: "label" }, T.energies[r.id]));
      group.appendChild(svg("rect", { x: labelWidth, y: barY, width: length.toFixed(1), height: barHeight, rx: 4 }));
      group.appendChild(svg("text", { x: labelWidth + length + 8, y: barY + barHeight / 2, class: "value" },
        money.format(r.cost) + (r === cheapest ? " ★" : "")));
      chart.appendChild(group);
    });
    host.appendChild(chart);
  }

  function renderSummary(need, results, cheapest) {
    var logs = results[0];
    $("summary").textContent = fill(T.summary, { logs: money.format(logs.cost), need: integer.format(need) })
      + " " + fill(T.summaryCheapest, { energy: T.energies[cheapest.id], cost: money.format(cheapest.cost) });
  }

  function update() {
    setMode();
    var input = readInputs();
    $("error").hidden = input.valid;
    $("results").classList.toggle("stale", !input.valid);
    if (!input.valid) return;
    var results = compute(input.need, input.prices, input.efficiencies);
    var cheapest = cheapestOf(results);
    renderTable(results, cheapest);
    renderChart(results, cheapest);
    renderSummary(input.need, results, cheapest);
  }

  function reset() {
    document.querySelectorAll("#assumptions-body input[data-default]").forEach(function (input) {
      input.value = input.getAttribute("data-default");
    });
    update();
  }

  function start() {
    applyTexts();
    buildAssumptions();
    $("need").value = String(DEFAULT_NEED);
    $("area").value = String(DEFAULT_AREA);
    $("insulation").value = DEFAULT_INSULATION;
    $("need").max = String(MAX_NEED);
    document.querySelector("main").addEventListener("input", update);
    document.querySelector("main").addEventListener("change", update);
    $("reset").addEventListener("click", reset);
    var lastWidth = 0;
    window.addEventListener("resize", function () {
      var w = $("chart").clientWidth;
      if (w !== lastWidth) { lastWidth = w; update(); }
    });
    $("inputs").addEventListener("submit", function (event) { event.preventDefault(); update(); });
    update();
  }

  // For the page's tests and for anyone checking the figures in the console.
  window.Comparateur = { compute: compute, FUELS: FUELS, ENERGIES: ENERGIES, INSULATION: INSULATION, language: lang };

  if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", start);
  else start();
})();
