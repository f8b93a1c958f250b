#pragma once
// What the page shows to help the school office, from the shared texts: the how-to
// ("Yordam") and the example staff list ("Namuna").

#include <string>

namespace soatnoma::module {

// {title, sections: [{heading, paragraphs: [text]}]}.
std::string HelpSectionsJson();

// {workbookName, csvName, csv}: the example's workbook itself comes from
// ExampleWorkbookParts (package_parts.h).
std::string ExampleRosterJson();

}  // namespace soatnoma::module
