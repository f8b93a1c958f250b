#pragma once
// What the page shows to help the school office, from the shared texts: the how-to
// ("Yordam") and the example staff list ("Namuna").

#include <string>

namespace soatnoma::web {

// {title, sections: [{heading, paragraphs: [text]}]}.
std::string HelpSectionsJson();

// {workbookName, csvName, csv, sheets: [{name, headingRow, widths: [{first, last, characters}],
// rows: [[{text} | {number}]]}]}.
std::string ExampleRosterJson();

}  // namespace soatnoma::web
