// The teacher's form, made from the program's own table of controls: every control the
// page shows, with the name the desktop window gives it (Text1 .. Text12, Option1, Option2,
// Check1, Command1, Command2) and what it is for (data-role: "weeklyHours", "day", ...),
// its caption and tool tip, at its place, scaled for the screen.

function makeControl(document, spec) {
  switch (spec.kind) {
    case 'frame': {
      const frame = document.createElement('fieldset');
      const legend = document.createElement('legend');
      legend.textContent = spec.caption;
      frame.appendChild(legend);
      return frame;
    }
    case 'textBox': {
      const box = document.createElement('input');
      box.type = 'text';
      box.value = spec.caption;
      box.autocomplete = 'off';
      // A phone offers its keyboard of digits for the boxes that take numbers.
      if (spec.numbers) box.inputMode = 'decimal';
      if (spec.centred) box.classList.add('centred');
      return box;
    }
    case 'optionButton':
    case 'checkBox': {
      const holder = document.createElement('label');
      const input = document.createElement('input');
      input.type = spec.kind === 'optionButton' ? 'radio' : 'checkbox';
      if (spec.kind === 'optionButton') input.name = 'category';
      holder.append(input, document.createTextNode(` ${spec.caption}`));
      return holder;
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = spec.caption;
      return button;
    }
    default: {
      const label = document.createElement('span');
      label.textContent = spec.caption;
      return label;
    }
  }
}

// Builds the form into root; returns the control of each name.
export function buildForm(document, root, controls) {
  const named = new Map();
  const tabOrder = [];
  for (const spec of controls) {
    if (!spec.inPage) continue;
    const control = makeControl(document, spec);
    const input = control.querySelector?.('input') ?? control;
    input.id = spec.name;
    if (spec.role) input.dataset.role = spec.role;
    control.classList.add('control', `kind-${spec.kind}`, `font-${spec.font}`);
    // On a narrow screen the style sheet stacks the controls by this name.
    control.dataset.control = spec.name;
    control.style.setProperty('--left', spec.left);
    control.style.setProperty('--top', spec.top);
    control.style.setProperty('--width', spec.width);
    control.style.setProperty('--height', spec.height);
    if (spec.toolTip) control.title = spec.toolTip;
    control.hidden = !spec.shown;
    (spec.container ? named.get(spec.container) : root).appendChild(control);
    named.set(spec.name, control);
    if (spec.tabIndex >= 0 && spec.kind !== 'frame') tabOrder.push([spec.tabIndex, input]);
  }
  // Tab visits the boxes in the window's order.
  tabOrder.sort((a, b) => a[0] - b[0]).forEach(([, input], index) => { input.tabIndex = index + 1; });
  return named;
}
