// What makes the report shown: a run of the form, a workbook opened, a kept report taken
// back. A refusal is said under the form, a fault of the page itself too rather than lost;
// the report shown is kept in the browser's storage as it is shown.

import { brokenText } from '../start/typed_texts.js';

// line: the line under the form (form_message.js); shown: ShownReport; keeping: ReportKeeping.
export function createReportRuns({ module, measure, shown, keeping, line }) {
  const showReport = (workbench, result, startedAt, restored, opened) => {
    line.say('');
    shown.show(workbench, result, { startedAt, restored, changed: () => keeping.changed(), opened });
  };

  // The run asked for (request: the form's fields); startedAt: when the teacher asked, for
  // the page's timings; restored: a kept report taken back, with its corrections. {shown}
  // or {refused, box, clearsWeeklyHours}.
  const runRequest = (request, startedAt, restored) => {
    const broken = brokenText(module, request);
    if (broken) {
      line.say(broken.message);
      return { refused: true, box: broken.box };
    }
    const workbench = new module.ReportWorkbench(request, measure);
    const result = JSON.parse(workbench.result());
    if (!result.ok) {
      workbench.delete();
      line.say(result.message);
      return { refused: true, clearsWeeklyHours: result.clearsWeeklyHours };
    }
    showReport(workbench, result, startedAt, restored);
    keeping.show({ request }, restored, true);
    return { shown: true };
  };

  return {
    run(request, startedAt, restored) {
      try {
        return runRequest(request, startedAt, restored);
      } catch (fault) {
        line.failed(module.reportFailedWords(), fault);
        return { refused: true };
      }
    },

    // A workbook read from a file (opened: {fileName, workbook}, of a staff workbook's
    // teacher also staffBook, the workbook's bytes), or such a report kept unsaved and taken
    // back; false when the module refuses it.
    open(opened, startedAt, restored) {
      const workbench = new module.ReportWorkbench(opened.fileName, opened.workbook, measure);
      const result = JSON.parse(workbench.result());
      if (!result.ok) {
        workbench.delete();
        line.say(result.message);
        return false;
      }
      showReport(workbench, result, startedAt, restored, opened);
      // An opened report is in its file until it is changed; one taken back is not.
      keeping.show({ opened }, restored, Boolean(restored));
      return true;
    },
  };
}
