// The page's first load in Lighthouse's mobile audit (web/lighthouse_audit.mjs: a phone's
// processor slowed four times, slow 4G simulated, the page served with gzip on 127.0.0.1):
// the medians of its scores and figures over several audits. A benchmark: it prints and
// never fails.
//   node web/bench_first_load.mjs [BUILD_DIR] [RUNS]
import os from 'node:os';
import path from 'node:path';

import { auditFirstLoad } from './lighthouse_audit.mjs';

const [folder, givenRuns] = process.argv.slice(2);
const runs = Number(givenRuns ?? 3);
const audits = [];
for (let run = 0; run < runs; ++run) audits.push(await auditFirstLoad(path.resolve(folder ?? 'build-web')));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const shown = (values, digits) =>
  `${median(values).toFixed(digits)} (runs: ${values.map((v) => v.toFixed(digits)).join(', ')})`;
console.log(
  `Lighthouse mobile audit, medians of ${runs}; load average ` +
    `${os
      .loadavg()
      .map((load) => load.toFixed(1))
      .join(' ')} on ${os.cpus().length} processors`,
);
const ROWS = [
  ['performance', (audit) => audit.scores.performance, 0, '≥ 95'],
  ['accessibility', (audit) => audit.scores.accessibility, 0, '100'],
  ['best practices', (audit) => audit.scores['best-practices'], 0, '100'],
  ['first contentful paint, ms', (audit) => audit.figures.fcp, 0, '≤ 1500'],
  ['largest contentful paint, ms', (audit) => audit.figures.lcp, 0, ''],
  ['speed index, ms', (audit) => audit.figures.si, 0, ''],
  ['total blocking time, ms', (audit) => audit.figures.tbt, 0, '≤ 100'],
  ['cumulative layout shift', (audit) => audit.figures.cls, 3, '≤ 0.02'],
];
for (const [label, of, digits, aim] of ROWS) {
  console.log(`${label}: ${shown(audits.map(of), digits)}${aim ? `; aim ${aim}` : ''}`);
}
