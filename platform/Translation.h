#pragma once

#include <QString>

class QLocale;
class QTranslator;

namespace platform {

// Loads into `translator` Kelvora's catalogue for the first of `locale`'s languages that Kelvora
// speaks, from those built into the program, each tried as is and then without its region
// ("fr_CA", then "fr"); false if Kelvora speaks none of them. English, the language the program
// is written in, has a catalogue with nothing in it, so that a list that puts English first
// stops there.
bool LoadTranslation(QTranslator& translator, const QLocale& locale);

// Installs Kelvora's catalogue for the session's languages (LANGUAGE, then LC_ALL, LC_MESSAGES,
// LANG), and Qt's own in the same language where the system has it. Returns the language
// installed ("fr", "en"), or an empty string when Kelvora speaks none of them and everything
// stays English. Needs the application object.
QString UseSessionLanguage();

} // namespace platform
