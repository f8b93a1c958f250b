// The form's boxes found by what they are for: each control carries its role (data-role) from
// the module's table of controls, so no script names a control; the days in the form's order,
// Monday first.

export function formBoxes(document) {
  return {
    // The control of the role ("rate", "weeklyHours", "name", "classLeader", "runUpper", ...).
    of: (role) => document.querySelector(`[data-role="${role}"]`),
    // The day boxes, Monday to Saturday.
    days: () => [...document.querySelectorAll('[data-role="day"]')],
  };
}
