// The report shown on the page: its page drawn at the zoom and ready for the teacher's
// corrections (corrections.js). The sheet's clicks and keys, undo and redo from anywhere
// but the form's boxes, the undo, redo, reset, print and zoom buttons reach it.

import { drawPage } from './report_view.js';
import { ReportEditing } from './corrections.js';

// The box a cell's hours are typed in, in the report's font.
function cellEditor(document, family) {
  const editor = document.createElement('input');
  editor.id = 'CellEditor';
  editor.hidden = true;
  editor.autocomplete = 'off';
  editor.inputMode = 'decimal';
  editor.style.fontFamily = `"${family}"`;
  return editor;
}

export class ShownReport {
  // zoom: ReportZoom; family: the report's font.
  constructor({ module, document, zoom, family }) {
    this.document = document;
    this.zoom = zoom;
    this.byId = (id) => document.getElementById(id);
    this.sheet = this.byId('sheet');
    this.editor = cellEditor(document, family);
    this.result = null;  // the module's description of the report shown
    this.editing = null;
    this.listenToSheet();
    this.listenToButtons();
  }

  // Shows a report: bench and result, the module's; startedAt, for the page's timings;
  // restored: a kept report with its corrections; changed(): told after every change.
  show(bench, result, { startedAt, restored, changed }) {
    this.result = result;
    // The page is fitted before it is shown, so the browser lays it out once.
    const page = drawPage(this.document, result.form);
    this.zoom.fit(page);
    this.sheet.replaceChildren(page, this.editor);
    this.editing?.dispose();
    const byId = this.byId;
    const editing = new ReportEditing(bench, {
      sheet: this.sheet, editor: this.editor, yearTotal: byId('YearTotal'), counts: byId('CorrectionsCount'),
      status: byId('StatusMessage'), emptyTexts: byId('EmptyTexts'),
    }, () => {
      changed();
      this.document.body.dataset.corrected = String(editing.done.length);
    }, result.form.boxes);
    this.editing = editing;
    if (restored) editing.restore(restored.entries);
    byId('report').hidden = false;
    this.sheet.getBoundingClientRect();
    performance.measure('soatnoma-report', { start: startedAt });
    this.document.body.dataset.report = 'drawn';
  }

  // Every cell of hours with what it holds now, to be kept.
  entries() {
    return this.editing?.entries() ?? [];
  }

  // The workbook's description of the report as it stands.
  workbookForm() {
    return JSON.parse(this.editing.bench.workbookForm());
  }

  listenToSheet() {
    const { sheet, editor } = this;
    sheet.addEventListener('click', (event) => {
      if (this.editing && event.target !== editor) this.editing.click(event.target);
    });
    sheet.addEventListener('dblclick', (event) => {
      if (!this.editing || event.target === editor) return;
      this.editing.click(event.target);
      this.editing.key({ key: 'F2' });
    });
    sheet.addEventListener('keydown', (event) => {
      if (!this.editing) return;
      if (event.target === editor) {
        this.editing.editorKey(event);
      } else if (this.editing.key(event)) {
        event.preventDefault();
      }
    });
    // Undo and redo reach the report from anywhere but a box of the form being typed in.
    this.document.addEventListener('keydown', (event) => {
      if (!this.editing || sheet.contains(event.target) || event.target.closest?.('#Form1')) return;
      if ((event.ctrlKey || event.metaKey) && /^[zZyY]$/.test(event.key) && this.editing.key(event)) event.preventDefault();
    });
  }

  listenToButtons() {
    const { byId } = this;
    byId('Undo').addEventListener('click', () => this.editing?.undo());
    byId('Redo').addEventListener('click', () => this.editing?.redo());
    byId('ResetCell').addEventListener('click', () => this.editing?.revertCurrent());
    byId('ResetAll').addEventListener('click', () => this.editing?.revertAll());
    byId('Print').addEventListener('click', () => this.document.defaultView.print());
    const zoomed = (steps) => {
      this.zoom.step(steps);
      // A typing box open over a cell follows the cell.
      if (this.editing?.editing) this.editing.edit(this.editor.value);
    };
    byId('ZoomIn').addEventListener('click', () => zoomed(1));
    byId('ZoomOut').addEventListener('click', () => zoomed(-1));
    byId('ZoomFit').addEventListener('click', () => zoomed(null));
  }
}
