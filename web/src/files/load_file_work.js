// The page's file work (file_work.js): the workbooks and the staff list's files, which the
// form needs none of, deferred (held in the page as text) and run the first time a file is written.

import { runDeferredScript } from '../start/deferred_script.js';

export const loadFileWork = () => runDeferredScript('FileWork');
