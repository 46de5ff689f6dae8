#pragma once

namespace vimla::program {

// Puts Qt's Swedish texts and then the program's own in place, and Swedish dates and sizes,
// whatever the desktop's language: the program is Swedish throughout, so what Qt shows itself (the
// text box's menu, the file dialogs) must be Swedish too. The program reads and writes its numbers
// by its own rules, never by the language's. Call once, after the application object exists.
void installSwedishTranslations();

} // namespace vimla::program
