// A fault said in the teacher's words, the browser's own detail after them; never the bare
// text of a JavaScript error ("TypeError: ...").
export function failureText(words, fault) {
  const detail = fault instanceof Error ? fault.message : String(fault ?? '');
  return detail ? `${words} ${detail}` : words;
}
