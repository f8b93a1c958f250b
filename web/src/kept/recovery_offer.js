// Reports kept in the browser's storage when the page was last left, offered back. The
// module checks each record on its own, by the rules of the form's input, and names it as the
// desktop names its reports left unsaved; each is taken back ("Tiklash") or removed
// ("O'chirib tashlash"). One handed to the browser as a download is marked so; a damaged one
// ("buzilgan") can only be removed, and never hides the others.

import { failureText } from '../page/failure.js';
import { pageButton } from '../page/page_button.js';
import { pageWordsOf } from '../page/page_words.js';

// When the record was kept, on the teacher's clock; null when that cannot be told.
function localMinute(keptAt) {
  const at = new Date(typeof keptAt === 'number' ? keptAt : Number.NaN);
  if (Number.isNaN(at.getTime())) return null;
  return {
    year: at.getFullYear(),
    month: at.getMonth() + 1,
    day: at.getDate(),
    hour: at.getHours(),
    minute: at.getMinutes(),
  };
}

// The module's word on the record: {ok, description, downloaded, reason}. A record it cannot
// even be asked about is damaged, with the detail. words: the module's pageWords.
function checked(module, record, words) {
  try {
    return JSON.parse(module.keptReport(record, localMinute(record.keptAt)));
  } catch (fault) {
    return { ok: false, description: '', downloaded: false, reason: failureText(words.recordUnreadable, fault) };
  }
}

// The line's words: the report, and what is known of it beyond being kept.
function lineText(said, words) {
  if (!said.ok) return [said.description, `${words.damaged}: ${said.reason}`].filter(Boolean).join(' — ');
  return said.downloaded ? `${said.description} — ${words.downloaded}` : said.description;
}

// offer: the section the lines go into; restore(record): shows the report taken back, true
// when it is shown; failed(words, fault): says a fault. Each line is [data-kept] (the record's
// id), with data-downloaded or data-damaged as the case is.
export function createRecoveryOffer({ module, kept, offer, restore, failed, document = globalThis.document }) {
  const heading = document.createElement('p');
  // The offer is a region of the page, named by its heading.
  heading.id = 'RecoveryHeading';
  offer.setAttribute('aria-labelledby', heading.id);
  const answers = JSON.parse(module.recoveryAnswers());
  const words = pageWordsOf(module);
  const lines = () => offer.querySelectorAll('.kept');
  // A line gone with the focus on its button: the focus goes on to the next line's first
  // button, or the line before's, or back to the form when none is left.
  const removeLine = (line) => {
    const held = line.contains(document.activeElement);
    const next = line.nextElementSibling ?? line.previousElementSibling;
    line.remove();
    if (held) (next?.querySelector('button') ?? document.querySelector('#Form1 input[type="text"]'))?.focus();
  };
  const refresh = () => {
    offer.hidden = lines().length === 0;
    heading.textContent = module.keptReportsHeading(lines().length);
  };

  const lineOf = (record) => {
    const said = checked(module, record, words);
    const line = document.createElement('div');
    line.className = 'kept';
    line.dataset.kept = String(record.id);
    if (said.downloaded) line.dataset.downloaded = 'yes';
    if (!said.ok) line.dataset.damaged = 'yes';
    const text = document.createElement('span');
    text.textContent = lineText(said, words);
    line.append(text);
    if (said.ok) {
      line.append(
        pageButton(document, answers.restore, () => {
          let shown = false;
          try {
            shown = restore(record);
          } catch (fault) {
            failed(answers.restoreFailed, fault);
          }
          if (shown) removeLine(line);
          refresh();
        }),
      );
    }
    line.append(
      pageButton(document, answers.discard, async () => {
        try {
          await kept.forget(record.id, record.mark);
          removeLine(line);
          refresh();
        } catch (fault) {
          failed(answers.discardFailed, fault);
        }
      }),
    );
    return line;
  };

  return {
    // Offers every kept report, the latest first.
    async show() {
      const records = await kept.all();
      offer.replaceChildren(heading, ...records.map(lineOf));
      refresh();
    },
  };
}
