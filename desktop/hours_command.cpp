#include "desktop/hours_command.h"

#include <utility>

namespace soatnoma::desktop {

HoursCommand::HoursCommand(const QString& text, std::vector<HoursChange> changes,
                           report_editing::ReportCorrections& corrections,
                           std::function<void(const std::vector<HoursChange>&)> shown)
    : QUndoCommand(text), changes_(std::move(changes)), corrections_(corrections), shown_(std::move(shown)) {}

void HoursCommand::redo() {
  for (const HoursChange& change : changes_) corrections_.SetHours(change.place, change.after);
  shown_(changes_);
}

void HoursCommand::undo() {
  for (const HoursChange& change : changes_) corrections_.SetHours(change.place, change.before);
  shown_(changes_);
}

}  // namespace soatnoma::desktop
