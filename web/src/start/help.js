// "Yordam": the program's short how-to, the desktop's text from the module, in a dialog the
// page opens over itself and closes with its close button or Escape.

export function createHelp({ module, button, dialog }) {
  const document = dialog.ownerDocument;
  const fill = () => {
    const { title, sections } = JSON.parse(module.helpSections());
    const heading = document.createElement('h2');
    heading.id = 'HelpTitle';
    heading.textContent = title;
    dialog.setAttribute('aria-labelledby', heading.id);
    // The text scrolls in its own box, which the keys reach and scroll too.
    const body = document.createElement('div');
    body.className = 'help-text';
    body.tabIndex = 0;
    body.setAttribute('role', 'region');
    body.setAttribute('aria-labelledby', heading.id);
    for (const section of sections) {
      const sectionHeading = document.createElement('h3');
      sectionHeading.textContent = section.heading;
      body.append(sectionHeading);
      for (const text of section.paragraphs) {
        const paragraph = document.createElement('p');
        paragraph.textContent = text;
        body.append(paragraph);
      }
    }
    const close = document.createElement('button');
    close.type = 'button';
    close.id = 'CloseHelp';
    close.textContent = JSON.parse(module.actionLabels()).close.text;
    close.addEventListener('click', () => dialog.close());
    dialog.replaceChildren(heading, body, close);
  };
  button.addEventListener('click', () => {
    if (!dialog.firstChild) fill();
    dialog.showModal();
  });
}
