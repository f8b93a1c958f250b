// A part of a workbook's package changed by the module, as the desktop changes its own; a
// part the module cannot take is a fault of the page's writer.
export const byModule = (name, change) => (text) => {
  const changed = change(text);
  if (changed === null) throw new Error(`${name}: the workbook's part is not as expected`);
  return changed;
};
