// The report shown on the page: its page drawn at the zoom and ready for the teacher's
// corrections (corrections.js). The sheet's clicks and keys, undo and redo from anywhere
// but the form's boxes, the undo, redo, reset, print and zoom buttons reach it.

import { ReportDrawing } from './report_drawing.js';
import { ReportCorrections } from './corrections.js';
import { ReportZoom } from './report_zoom.js';
import { ReportGrid } from './report_grid.js';
import { wireCellPointer } from './cell_pointer.js';
import { revealReport, viewInSight } from './report_reveal.js';
import { showHiddenEnds } from '../page/hidden_ends.js';
import { CellExplanation } from './explanation.js';

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
  // family: the report's font; cellsCheck: the question before the report leaves with cells
  // to check; notice: the line beside the report's buttons.
  constructor({ module, document, family, cellsCheck, notice }) {
    this.module = module;
    this.document = document;
    this.cellsCheck = cellsCheck;
    this.notice = notice;
    this.byId = (id) => document.getElementById(id);
    this.sheet = this.byId('sheet');
    this.editor = cellEditor(document, family);
    // A typing box open over a cell stays on its cell and keeps the keys while the zoom
    // changes.
    this.zoom = new ReportZoom({
      module,
      view: this.sheet,
      text: this.byId('ZoomText'),
      shown: () => {
        if (!this.editing?.editing) return;
        this.editing.placeEditor();
        this.editor.focus();
      },
    });
    this.result = null; // the module's description of the report shown
    this.opened = null; // the workbook it was opened from ({fileName, workbook, staffBook}); null for a run
    this.editing = null;
    this.drawing = null;
    // A print takes the whole page, drawn or not yet.
    document.defaultView.addEventListener('beforeprint', () => this.drawing?.finish());
    this.listenToSheet();
    this.listenToButtons();
    this.explanation = new CellExplanation(
      {
        sheet: this.sheet,
        box: this.byId('Explanation'),
        ask: this.byId('ExplainCell'),
        toggle: this.byId('BeforeRounding'),
        view: this.byId('BeforeRoundingView'),
      },
      () => this.editing,
      (event) => this.keyAction(false, event),
    );
  }

  // What a key does by the report's editing keys (inBox: in the typing box).
  keyAction(inBox, event) {
    return this.module.editingAction(inBox, event.key, event.ctrlKey, event.metaKey, event.shiftKey, event.altKey);
  }

  // Shows a report: workbench and result, the module's; startedAt, for the page's timings;
  // restored: a kept report with its corrections; changed(): told after every change;
  // opened: the workbook it was opened from, none for a run.
  show(workbench, result, { startedAt, restored, changed, opened = null }) {
    this.result = result;
    this.opened = opened;
    const byId = this.byId;
    this.notice.clear();
    // The page is fitted to its empty view before it is put there, so the browser lays out
    // its cells once: first those the screen will show once the report is brought into
    // sight, the rest after the frame. The typing box stands on the page.
    const window = this.document.defaultView;
    this.sheet.replaceChildren();
    // Until the report's grid is made, the box it scrolls in is the stop of Tab.
    this.sheet.tabIndex = 0;
    byId('report').hidden = false;
    this.drawing?.dispose();
    const drawing = new ReportDrawing(this.document, result.report);
    this.drawing = drawing;
    drawing.page.append(this.editor);
    const sight = viewInSight(byId('report'), this.sheet, window);
    this.sheet.append(this.zoom.hold(this.document, drawing.page, result.report));
    // A phone opens the view at the first month, beside its short row titles.
    const across = this.zoom.openingLeft();
    if (across > 0) this.sheet.scrollLeft = across;
    drawing.drawShown(this.zoom.shownArea({ ...sight, scrollLeft: this.sheet.scrollLeft }));
    this.editing?.dispose();
    this.cellsCheck.forget();
    const editing = new ReportCorrections(
      workbench,
      {
        sheet: this.sheet,
        editor: this.editor,
        yearTotal: byId('YearTotal'),
        counts: byId('CorrectionsCount'),
        status: byId('StatusMessage'),
        emptyTexts: byId('EmptyTexts'),
        said: byId('ReportSaid'),
        zoom: () => this.zoom.zoom,
        keyAction: (inBox, event) => this.keyAction(inBox, event),
      },
      () => {
        changed();
        this.explanation.follow();
        this.document.body.dataset.corrected = String(editing.done.length);
      },
      result.report,
    );
    this.editing = editing;
    this.explanation.reset();
    if (restored) editing.restore(restored.entries);
    // A sheet found changed elsewhere (its totals pasted as numbers) is said once it is shown.
    if (result.notice) editing.say(result.notice);
    revealReport(byId('report'), window);
    // The body says "seen" while the rest of the page is still to come, "drawn" once it is in.
    this.sheet.getBoundingClientRect();
    performance.measure('soatnoma-report-seen', { start: startedAt });
    this.document.body.dataset.report = 'seen';
    drawing.drawRestSoon(window, () => this.drawn(editing, drawing, startedAt));
  }

  // The whole page drawn and laid out: the grid a reader of the screen walks is made over it,
  // and the body's data-report says so.
  drawn(editing, drawing, startedAt) {
    editing.showCurrent();
    this.sheet.getBoundingClientRect();
    performance.measure('soatnoma-report', { start: startedAt });
    const inTable = (row, column) => editing.inTable({ row, column });
    const frameOf = (ref) => (editing.placeOf(ref) ? editing.frameOnPage(ref) : null);
    editing.attachGrid(new ReportGrid(drawing.page, frameOf, inTable));
    this.sheet.tabIndex = -1;
    this.document.body.dataset.report = 'drawn';
  }

  // Every cell of hours with what it holds now, to be kept.
  entries() {
    return this.editing?.entries() ?? [];
  }

  // The report's workbook as it stands, as the module writes its parts: [{name, text}].
  workbookParts() {
    return this.editing.workbench.workbookParts();
  }

  // Of a teacher's sheet of a staff workbook: what saving it back changes (the module's).
  staffChanges() {
    return JSON.parse(this.editing.workbench.staffChanges());
  }

  // Whether the report may leave ("printing", "pdf" or "saving"): nothing to check, or the
  // teacher goes on despite the cells named.
  mayLeave(leaving) {
    return this.editing ? this.cellsCheck.goOn(this.editing.workbench, leaving) : Promise.resolve(true);
  }

  listenToSheet() {
    const { sheet, editor } = this;
    wireCellPointer(sheet, editor, () => this.editing);
    // Tab into the grid chooses the cell it stops at.
    sheet.addEventListener('focusin', (event) => {
      const ref = this.editing?.grid?.refOf(event.target);
      if (ref) this.editing.choose(this.editing.placeOf(ref));
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
      if ((event.ctrlKey || event.metaKey) && /^[zZyY]$/.test(event.key) && this.editing.key(event))
        event.preventDefault();
    });
  }

  listenToButtons() {
    const { byId } = this;
    byId('Undo').addEventListener('click', () => this.editing?.undo());
    byId('Redo').addEventListener('click', () => this.editing?.redo());
    byId('ResetCell').addEventListener('click', () => this.editing?.revertCurrent());
    byId('ResetAll').addEventListener('click', () => this.editing?.revertAll());
    byId('Print').addEventListener('click', async () => {
      if (await this.mayLeave('printing')) this.document.defaultView.print();
    });
    byId('ZoomIn').addEventListener('click', () => this.zoom.zoomIn());
    byId('ZoomOut').addEventListener('click', () => this.zoom.zoomOut());
    byId('ZoomFit').addEventListener('click', () => this.zoom.choose(null));
    showHiddenEnds(this.document.querySelector('.toolbar.edit'));
    // A phone shows the first lines of the status line and of what a save did; a tap, the rest.
    for (const line of [byId('status'), byId('ReportNotice')]) {
      line.addEventListener('click', () => line.classList.toggle('whole'));
    }
  }
}
