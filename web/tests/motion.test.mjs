// Where the reader asks for less motion, nothing on the page moves or fades of itself: not
// the form, not the drawn report, and not a decoration given a movement of its own, which
// moves only for a reader who did not ask.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { openForTests, runReport } from './support.mjs';

const opened = openForTests('motion');

// What moves on the page: its running animations, and the elements whose changes fade in.
function movements() {
  const fading = [...document.querySelectorAll('*')].filter((element) => {
    const style = getComputedStyle(element);
    return style.transitionDuration.split(',').some((duration) => parseFloat(duration) > 0);
  });
  return {
    animations: document.getAnimations().length,
    fading: fading.map((element) => element.id || element.tagName),
  };
}

// The title given a turning and fading movement, as a decoration of the page would have.
function decorate() {
  const style = document.createElement('style');
  style.textContent =
    '@keyframes turn { to { transform: rotate(1turn); } }' +
    '.title { animation: turn 2s linear infinite; transition: opacity 1s; }';
  document.head.append(style);
}

test('with less motion asked for, nothing moves of itself', { timeout: 60000 }, async () => {
  const { page } = opened;
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  assert.deepEqual(await page.evaluate(movements), { animations: 0, fading: [] });
  await runReport(page);
  assert.deepEqual(await page.evaluate(movements), { animations: 0, fading: [] });
  await page.evaluate(decorate);
  assert.deepEqual(await page.evaluate(movements), { animations: 0, fading: [] });
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'no-preference' }]);
  assert.deepEqual(await page.evaluate(movements), { animations: 1, fading: ['HEADER'] });
});
