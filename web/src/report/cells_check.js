// The question before the report is printed or saved while cells are to be checked, as
// the desktop asks it: the module names the cells and says when to ask, once for the same
// cells; here it is put in a dialog over the page with the desktop's two answers.

import { askInDialog } from './question_dialog.js';

// A dialog of its own, its answer true for going on.
async function ask(dialog, check) {
  const answer = await askInDialog(dialog, {
    questionId: 'CellsCheckQuestion',
    question: check.question,
    answers: [
      { id: 'CellsCheckGoOn', text: check.goOn, value: 'goOn' },
      { id: 'CellsCheckFirst', text: check.checkFirst, value: '', chosen: check.checkFirstIsDefault },
    ],
  });
  return answer === 'goOn';
}

export function createCellsCheck({ dialog }) {
  let wentOn = ''; // the cells to check the teacher last went on despite
  const { body } = dialog.ownerDocument;
  return {
    // A report newly shown has been asked about nothing yet.
    forget() {
      wentOn = '';
    },
    // Whether the report may leave: leaving is "printing" or "saving".
    async goOn(workbench, leaving) {
      const check = JSON.parse(workbench.cellsToCheck(leaving, wentOn));
      if (!check.asks) return true;
      const goOn = await ask(dialog, check);
      if (goOn) wentOn = check.state;
      body.dataset.cellsCheck = goOn ? 'wentOn' : 'checkFirst';
      return goOn;
    },
  };
}
