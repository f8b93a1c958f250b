// The teacher's form as markup, made from the program's own table of controls when the page is
// built, so that the form is drawn as soon as the page is read: every control the page shows,
// with the name the desktop window gives it (Text1 .. Text12, Option1, Option2, Check1,
// Command1, Command2) and what it is for (data-role: "weeklyHours", "day", ...), its caption
// and tool tip, at its place in the window's twips, which the style sheet scales for the
// screen.

import { escapedMarkup } from './markup_text.js';

// Attributes as markup; a value of true stands alone, false or null leaves it out.
function attributes(pairs) {
  return Object.entries(pairs)
    .filter(([, value]) => value !== false && value !== null && value !== undefined && value !== '')
    .map(([name, value]) => (value === true ? ` ${name}` : ` ${name}="${escapedMarkup(value)}"`))
    .join('');
}

// What stands on the control itself: its class, its name for the narrow screen's stacking,
// its place and size, its tool tip and whether it is shown.
function placed(spec) {
  return {
    class: `control kind-${spec.kind} font-${spec.font}${spec.kind === 'textBox' && spec.centred ? ' centred' : ''}`,
    'data-control': spec.name,
    style: `--left:${spec.left};--top:${spec.top};--width:${spec.width};--height:${spec.height}`,
    title: spec.toolTip,
    hidden: !spec.shown,
  };
}

// What stands on the element that takes the keys: the control's name and role, and its place
// in the window's tab order.
function named(spec, tabIndex) {
  return { id: spec.name, 'data-role': spec.role, tabindex: tabIndex ?? null };
}

function controlMarkup(spec, tabIndex, inside) {
  const caption = escapedMarkup(spec.caption);
  switch (spec.kind) {
    case 'frame':
      return `<fieldset${attributes({ ...named(spec), ...placed(spec) })}><legend>${caption}</legend>${inside}</fieldset>`;
    case 'textBox':
      // A phone offers its keyboard of digits for the boxes that take numbers.
      return `<input${attributes({
        type: 'text', ...named(spec, tabIndex), value: spec.caption, autocomplete: 'off',
        inputmode: spec.numbers ? 'decimal' : null, ...placed(spec),
      })}>`;
    case 'optionButton':
    case 'checkBox': {
      const input = spec.kind === 'optionButton' ? { type: 'radio', name: 'category' } : { type: 'checkbox' };
      return `<label${attributes(placed(spec))}><input${attributes({ ...input, ...named(spec, tabIndex) })}> ${caption}</label>`;
    }
    case 'button':
      return `<button${attributes({ type: 'button', ...named(spec, tabIndex), ...placed(spec) })}>${caption}</button>`;
    default:
      return `<span${attributes({ ...named(spec, tabIndex), ...placed(spec) })}>${caption}</span>`;
  }
}

// Tab visits the boxes in the window's order: each control's place in it, from 1.
function tabOrder(controls) {
  const visited = controls.filter((spec) => spec.tabIndex >= 0 && spec.kind !== 'frame')
    .sort((a, b) => a.tabIndex - b.tabIndex);
  return new Map(visited.map((spec, index) => [spec.name, index + 1]));
}

// The form (formControls of the module) as markup: rootStyle for the page's root (the
// window's twips to a pixel and the form's size in twips, by which the style sheet fits the
// form to the screen), and its controls, each inside its frame.
export function formMarkup(form) {
  const controls = form.controls.filter((spec) => spec.inPage);
  const order = tabOrder(controls);
  const markupOf = (container) => controls.filter((spec) => spec.container === container)
    .map((spec) => controlMarkup(spec, order.get(spec.name), markupOf(spec.name))).join('');
  return {
    rootStyle: `--twips-per-pixel:${form.twipsPerPixel};--form-width:${form.width};--form-height:${form.height}`,
    controls: markupOf(''),
  };
}
