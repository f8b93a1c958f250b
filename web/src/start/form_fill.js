// The form filled from a request as a report was made from it (a kept report taken back, a
// teacher of the staff list opened): the teacher, the days as they stood (marked as typed),
// the weekly hours, the rate, class leadership and the category.

import { daysOf } from './form_entries.js';

// boxes: the form's controls by role (form_boxes.js); daysChanged(): marks the days;
// showRunButton(category).
export function fillForm(request, { boxes, daysChanged, showRunButton }) {
  boxes.of('name').value = request.name;
  boxes.of('school').value = request.school;
  boxes.of('subject').value = request.subject;
  const days = daysOf(request.days);
  boxes.days().forEach((box, index) => {
    box.value = days?.[index] ?? '';
  });
  daysChanged();
  boxes.of('weeklyHours').value = request.weekly;
  boxes.of('rate').value = request.rate;
  boxes.of('classLeader').checked = request.leader;
  boxes.of(request.category).checked = true;
  showRunButton(request.category);
}

// The request of a ready teacher of the staff list, as the list gives it; no days.
export function requestOfTeacher(teacher) {
  return {
    name: teacher.name,
    school: teacher.school,
    subject: teacher.subject,
    days: [],
    weekly: teacher.weeklyHours,
    rate: teacher.rate,
    leader: teacher.classLeader,
    category: teacher.category,
  };
}
