#pragma once

#include <QString>

class QLocale;

// Tandrel's texts and the toolkit's own (Yes, No, Cancel, the file dialog) in the first of the
// locale's display languages that Tandrel has, else in English. The toolkit's catalogue is
// installed only for the language that Tandrel itself shows: a window half in another
// language is worse than an English one. A second call replaces what the first installed.
// Returns the language shown ("de", "en").
QString installLanguage(const QLocale &locale);
