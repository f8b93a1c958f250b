// The line under the form follows what the form holds. While a day box holds text that is
// not a number, the line says why (its tool tip says so too, but a phone shows no tool tips);
// once the teacher changes the form, a refusal said before no longer speaks of what is there
// and goes.

// root: the form; say(text): writes the line. The day boxes are marked (class
// "not-a-number", the reason as their tool tip) before the change reaches the form.
export function followFormMessages(root, say) {
  root.addEventListener('input', () => {
    const notANumber = root.querySelector('input.not-a-number');
    say(notANumber ? notANumber.title : '');
  });
}
