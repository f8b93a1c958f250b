// "Ulashish": where the browser can share files with the phone's other programs (the Web
// Share API with files: Chrome on Android, Safari on an iPhone), the report's workbook goes
// straight to a messenger or mail; where it cannot, the button is not shown.

import { WORKBOOK_TYPE } from './save_file.js';
import { failureText } from '../page/failure.js';
import { pageWordsOf } from '../page/page_words.js';

// button: "Ulashish"; module: what the words of the sharing are asked of; makeWorkbook(): the
// report's {bytes, fileName}; tell(text, failure): says how it ended beside the button.
// Answers whether the button is offered.
export function offerSharing({ button, module, navigator, makeWorkbook, tell }) {
  const probe = new File([new Uint8Array(1)], 'hisobot.xlsx', { type: WORKBOOK_TYPE });
  const can =
    typeof navigator.share === 'function' &&
    typeof navigator.canShare === 'function' &&
    navigator.canShare({ files: [probe] });
  button.hidden = !can;
  if (!can) return false;
  button.addEventListener('click', async () => {
    try {
      const { bytes, fileName } = await makeWorkbook();
      const file = new File([bytes], fileName, { type: WORKBOOK_TYPE });
      await navigator.share({ files: [file], title: fileName });
      tell(module.sharedText(fileName));
      button.ownerDocument.body.dataset.shared = fileName;
    } catch (fault) {
      // The teacher closed the phone's list of programs: nothing to say.
      if (fault?.name === 'AbortError') return;
      tell(failureText(pageWordsOf(module).shareFailed, fault), true);
    }
  });
  return true;
}
