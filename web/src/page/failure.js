// A fault said in the teacher's words, the browser's own detail after them; never the bare
// text of a JavaScript error ("TypeError: ...").
export function faultDetail(fault) {
  return fault instanceof Error ? fault.message : String(fault ?? '');
}

export function failureText(words, fault) {
  const detail = faultDetail(fault);
  return detail ? `${words} ${detail}` : words;
}
