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

// What stands on the element that takes the keys: the control's name and role, and the words
// a reader of the screen says after its name.
function named(spec) {
  return { id: spec.name, 'data-role': spec.role, 'aria-describedby': spec.description ? `${spec.name}Words` : null };
}

// The words said after a control's name, unseen on the screen.
function describedMarkup(spec) {
  if (!spec.description) return '';
  return `<span id="${spec.name}Words" class="spoken" hidden>${escapedMarkup(spec.description)}</span>`;
}

function controlMarkup(spec, labelled, inside) {
  const caption = escapedMarkup(spec.caption);
  switch (spec.kind) {
    case 'frame':
      return (
        `<fieldset${attributes({ ...named(spec), ...placed(spec) })}>` +
        `<legend>${caption}</legend>${inside}</fieldset>`
      );
    case 'textBox':
      // A phone offers its keyboard of digits for the boxes that take numbers.
      return `<input${attributes({
        type: 'text',
        ...named(spec),
        value: spec.caption,
        autocomplete: 'off',
        inputmode: spec.numbers ? 'decimal' : null,
        placeholder: spec.placeholder,
        ...placed(spec),
      })}>`;
    case 'optionButton':
    case 'checkBox': {
      const input = spec.kind === 'optionButton' ? { type: 'radio', name: 'category' } : { type: 'checkbox' };
      return `<label${attributes(placed(spec))}><input${attributes({ ...input, ...named(spec) })}> ${caption}</label>`;
    }
    case 'button':
      return `<button${attributes({ type: 'button', ...named(spec), ...placed(spec) })}>${caption}</button>`;
    default: {
      // A caption naming a box is that box's label.
      const tag = labelled ? 'label' : 'span';
      return `<${tag}${attributes({ ...named(spec), for: labelled, ...placed(spec) })}>${caption}</${tag}>`;
    }
  }
}

// Where each control stands in the markup, which Tab follows: a control Tab visits at its
// place in the window's tab order, a label just before the box it names, a frame where its
// first box is, any other caption before the control drawn after it.
function markupOrder(controls) {
  const order = new Map();
  for (const spec of controls.filter((control) => control.tabIndex >= 0 && control.kind !== 'frame')) {
    order.set(spec.name, spec.tabIndex);
  }
  for (const spec of controls.filter((control) => control.label && order.has(control.name))) {
    order.set(spec.label, order.get(spec.name) - 0.5);
  }
  for (const frame of controls.filter((spec) => spec.kind === 'frame')) {
    const inside = controls.filter((spec) => spec.container === frame.name && order.has(spec.name));
    order.set(frame.name, Math.min(...inside.map((spec) => order.get(spec.name))));
  }
  let next = Infinity;
  for (const spec of [...controls].reverse()) {
    if (order.has(spec.name)) next = order.get(spec.name);
    else order.set(spec.name, next - 0.25);
  }
  return order;
}

// The form (formControls of the module) as markup: rootStyle for the page's root (the
// window's twips to a pixel and the form's size in twips, by which the style sheet fits the
// form to the screen), and its controls, each inside its frame.
export function formMarkup(form) {
  const controls = form.controls.filter((spec) => spec.inPage);
  const order = markupOrder(controls);
  const labels = new Map(controls.filter((spec) => spec.label).map((spec) => [spec.label, spec.name]));
  const markupOf = (container) =>
    controls
      .filter((spec) => spec.container === container)
      .sort((a, b) => order.get(a.name) - order.get(b.name))
      .map((spec) => controlMarkup(spec, labels.get(spec.name), markupOf(spec.name)))
      .join('');
  return {
    rootStyle: `--twips-per-pixel:${form.twipsPerPixel};--form-width:${form.width};--form-height:${form.height}`,
    controls: markupOf('') + controls.map(describedMarkup).join(''),
  };
}
