// The page's storage as the tests read and set it, in the browser's page given: every store
// read whole, emptied, or made to hold the records given and nothing else.

// In the page: the page's database opened, the stores named (every store when none are)
// emptied when asked and given the records put; resolves with {store: [records]} as they
// stand once that is written. The records come as JSON, which has no NaN: hours written
// "NaN" are put as NaN.
function storesWork({ names, clear = false, put = {} }) {
  return new Promise((resolve, reject) => {
    const open = indexedDB.open('soatnoma');
    open.onerror = () => reject(open.error);
    open.onsuccess = () => {
      const database = open.result;
      const chosen = names ?? [...database.objectStoreNames];
      if (chosen.length === 0) {
        database.close();
        resolve({});
        return;
      }
      const writes = clear || Object.keys(put).length > 0;
      const work = database.transaction(chosen, writes ? 'readwrite' : 'readonly');
      const records = {};
      for (const name of chosen) {
        const store = work.objectStore(name);
        if (clear) store.clear();
        for (const record of put[name] ?? []) {
          for (const entry of Array.isArray(record.entries) ? record.entries : [])
            if (entry.hours === 'NaN') entry.hours = Number.NaN;
          store.put(record);
        }
        store.getAll().onsuccess = (event) => {
          records[name] = event.target.result;
        };
      }
      work.oncomplete = () => {
        database.close();
        resolve(records);
      };
      work.onerror = () => reject(work.error);
    };
  });
}

// Every store's records: {store: [records]}.
export const storedRecords = (page) => page.evaluate(storesWork, {});
// The kept reports' records.
export const keptRecords = async (page) => (await page.evaluate(storesWork, { names: ['saqlanmagan'] })).saqlanmagan;
// Every store emptied.
export const clearStores = (page) => page.evaluate(storesWork, { clear: true });
// The kept reports' store made to hold these records and nothing else.
export const keepOnly = (page, records) =>
  page.evaluate(storesWork, { names: ['saqlanmagan'], clear: true, put: { saqlanmagan: records } });

// The same work for code run in the page itself (window.storesWork), where the records are
// too large to carry out of it: set up before the page is opened.
export const installStoresWork = (page) => page.evaluateOnNewDocument(`window.storesWork = ${storesWork.toString()};`);
