// The page's main flows in WebKitGTK.
import { flowTests } from './flows.mjs';

flowTests('webkit');
