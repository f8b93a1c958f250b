// The whole staff's pages handed to the browser's print, from the staff list or from a staff
// workbook opened: drawn into one holder after the staff panel, shown only while the page
// prints and let go once printed. The body's data-staff-pages counts the pages printed.

import { drawPage } from '../report/report_view.js';

// The pages of the summary "Jami" the director signs, drawn as they print (as the
// module lays them out).
export function drawnSummary(document, described) {
  return described.map((one) => {
    const page = drawPage(document, one);
    page.dataset.summary = 'yes';
    return page;
  });
}

export class StaffPrint {
  constructor(document) {
    this.document = document;
    this.pages = document.createElement('div');
    this.pages.id = 'StaffPages';
    this.pages.className = 'staff-pages';
    document.getElementById('Staff').after(this.pages);
    document.defaultView.addEventListener('afterprint', () => {
      document.body.classList.remove('printing-staff');
      this.clear();
    });
  }

  clear() {
    this.pages.replaceChildren();
  }

  // The pages (elements) in their order, printed.
  print(pages) {
    const { document } = this;
    this.pages.replaceChildren(...pages);
    document.body.classList.add('printing-staff');
    document.body.dataset.staffPages = String(this.pages.childElementCount);
    document.defaultView.print();
  }
}
