// The staff panel's words and progress bar (#StaffMessage, #StaffProgress): the one place
// they are written, for the list's reading and for the staff's work alike.

export class StaffStatus {
  // message, progress: the elements; progressText(done, all): the module's words for it.
  constructor({ message, progress, progressText }) {
    this.message = message;
    this.bar = progress;
    this.progressText = progressText;
  }

  // Words plainly, or as a refusal (in red).
  say(text, refused = false) {
    this.message.textContent = text;
    this.message.classList.toggle('refused', refused);
  }

  // How far a piece of work has got: the bar shown, and the words.
  progress(done, all) {
    this.bar.hidden = false;
    this.bar.max = Math.max(1, all);
    this.bar.value = done;
    this.say(this.progressText(done, all));
  }

  // A piece of work ended: the bar goes, and what it came to is said ({text, refused}),
  // unless it came to nothing to say.
  ended(outcome) {
    this.bar.hidden = true;
    if (outcome) this.say(outcome.text, outcome.refused);
  }
}
