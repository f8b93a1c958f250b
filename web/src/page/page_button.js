// A button of the page's own making: its text, and what pressing it does.
export function pageButton(document, text, pressed) {
  const made = document.createElement('button');
  made.type = 'button';
  made.textContent = text;
  made.addEventListener('click', pressed);
  return made;
}
