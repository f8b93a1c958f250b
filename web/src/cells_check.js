// The question before the report is printed or saved while cells are to be checked, as
// the desktop asks it: the module names the cells and says when to ask, once for the same
// cells; here it is put in a dialog over the page with the desktop's two answers.

// A dialog of its own, its answer true for going on.
function ask(dialog, check) {
  const document = dialog.ownerDocument;
  const question = document.createElement('p');
  question.id = 'CellsCheckQuestion';
  question.textContent = check.question;
  const answer = (id, text, goOn) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = id;
    button.textContent = text;
    button.addEventListener('click', () => dialog.close(goOn ? 'goOn' : ''));
    return button;
  };
  const answers = document.createElement('div');
  answers.className = 'answers';
  answers.append(answer('CellsCheckGoOn', check.goOn, true), answer('CellsCheckFirst', check.checkFirst, false));
  dialog.replaceChildren(question, answers);
  dialog.returnValue = '';
  return new Promise((answered) => {
    dialog.addEventListener('close', () => answered(dialog.returnValue === 'goOn'), { once: true });
    dialog.showModal();
    answers.lastChild.focus();
  });
}

export function createCellsCheck({ dialog }) {
  let wentOn = '';  // the cells to check the teacher last went on despite
  const { body } = dialog.ownerDocument;
  return {
    // A report newly shown has been asked about nothing yet.
    forget() { wentOn = ''; },
    // Whether the report may leave: leaving is "printing" or "saving".
    async goOn(bench, leaving) {
      const check = JSON.parse(bench.cellsToCheck(leaving, wentOn));
      if (!check.asks) return true;
      const goOn = await ask(dialog, check);
      if (goOn) wentOn = check.state;
      body.dataset.cellsCheck = goOn ? 'wentOn' : 'checkFirst';
      return goOn;
    },
  };
}
