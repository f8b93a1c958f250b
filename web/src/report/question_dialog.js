// A question put in a dialog over the page, answered with one of its buttons: the module
// gives the question and the answers' words, here they are only shown.

// answers: [{id, text, value, chosen}], the one the module names as the default (chosen) focused,
// so that Enter gives it as in the desktop's question; the promise gives the value of the one
// chosen, or '' when the dialog was closed otherwise.
export function askInDialog(dialog, { questionId, question, answers }) {
  const document = dialog.ownerDocument;
  const text = document.createElement('p');
  text.id = questionId;
  text.textContent = question;
  const buttons = document.createElement('div');
  buttons.className = 'answers';
  buttons.append(
    ...answers.map(({ id, text: words, value }) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = id;
      button.textContent = words;
      button.addEventListener('click', () => dialog.close(value));
      return button;
    }),
  );
  dialog.replaceChildren(text, buttons);
  // The question names the dialog to a reader of the screen.
  dialog.setAttribute('aria-labelledby', questionId);
  dialog.returnValue = '';
  return new Promise((answered) => {
    dialog.addEventListener('close', () => answered(dialog.returnValue), { once: true });
    dialog.showModal();
    buttons.children[
      Math.max(
        0,
        answers.findIndex((answer) => answer.chosen),
      )
    ].focus();
  });
}
