// The page's main flows in Firefox ESR.
import { flowTests } from './flows.mjs';

flowTests('firefox');
