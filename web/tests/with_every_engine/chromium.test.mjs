// The page's main flows in Chromium, as in the other engines.
import { flowTests } from './flows.mjs';

flowTests('chromium');
