// The page's JavaScript: the recommended rules, lines up to 120 columns, browsers' and
// Node's globals where each runs.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['node_modules/**'] },
  js.configs.recommended,
  {
    languageOptions: { ecmaVersion: 2023, sourceType: 'module', globals: { ...globals.browser } },
    rules: { 'max-len': ['error', { code: 120, ignoreUrls: true }] },
  },
  {
    files: ['*.mjs', 'tests/**', 'build.mjs', 'bench*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
  {
    files: ['sw.js'],
    languageOptions: { globals: { ...globals.serviceworker } },
  },
];
