// The form's texts before they reach the module: a text that is not valid Unicode (half of
// a character, a lone surrogate, which UTF-8 cannot carry and would swallow the character
// after it) is refused here in the field's own words from the module, as the command line
// refuses text that is not UTF-8.

// The form's text fields: each the request's key and the role of the box that holds it.
const TEXT_FIELDS = ['name', 'school', 'subject'];

export function isWellFormed(text) {
  if (typeof text.isWellFormed === 'function') return text.isWellFormed();
  try {
    encodeURIComponent(text);
    return true;
  } catch {
    return false;
  }
}

// {message, box} of the first text field of the request that is not valid Unicode (box: the
// role of its box); null when every one is.
export function brokenText(module, request) {
  for (const field of TEXT_FIELDS) {
    if (!isWellFormed(request[field] ?? '')) return { message: module.brokenTextMessage(field), box: field };
  }
  return null;
}
