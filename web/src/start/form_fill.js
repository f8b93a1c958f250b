// The form filled from a request as a report was made from it (a kept report taken back, a
// teacher of the staff list opened): the teacher, the days as they stood (marked as typed),
// the weekly hours, the rate, class leadership and the category.

import { DAY_BOXES, daysOf } from './form_entries.js';

// byId(id): the form's control; daysChanged(): marks the days; showRunButton(category).
export function fillForm(request, { byId, daysChanged, showRunButton }) {
  byId('Text3').value = request.name;
  byId('Text6').value = request.school;
  byId('Text4').value = request.subject;
  const days = daysOf(request.days);
  DAY_BOXES.forEach((id, index) => { byId(id).value = days?.[index] ?? ''; });
  daysChanged();
  byId('Text2').value = request.weekly;
  byId('Text1').value = request.rate;
  byId('Check1').checked = request.leader;
  byId(request.category === 'primary' ? 'Option1' : 'Option2').checked = true;
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
