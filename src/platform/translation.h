#pragma once

class QTranslator;

namespace translation {

// Qt's own texts (dialog buttons, key names, the command-line parser's errors) in
// French, whatever the system's language: installs Qt's French translation for the
// application once. The translator in force, owned by the application; null
// without an application or when Qt's French translation is not installed.
QTranslator *installQtFrench();

} // namespace translation
