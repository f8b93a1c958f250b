// The page's file work (file_work.js): the workbooks and the staff list's files, which the
// form needs none of, kept in the page as text and run the first time a file is written.

import { runKeptScript } from './kept_script.js';

export const loadFileWork = () => runKeptScript('FileWork');
