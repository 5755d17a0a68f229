#pragma once

#include <QString>

class QTranslator;

namespace platform {

// Loads Kelvora's translation for `language` ("fr", "fr_CA") into `translator`, from those built
// into the program; false if there is none.
bool LoadTranslation(QTranslator& translator, const QString& language);

// Installs Kelvora's translation and Qt's own for the first of the session's languages that
// Kelvora speaks (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English, the language the program is
// written in, loads nothing, and neither does a session whose first language is English. Returns
// the language installed, or an empty string. Needs the application object.
QString UseSessionLanguage();

} // namespace platform
