#pragma once

class QCoreApplication;

// Installs Qt's own Chinese translation (qtbase_zh_CN from Qt's translations
// folder) in the application, whatever the locale: the program's own texts
// are Chinese everywhere, and the file, colour and plain message dialogs must
// not mix English buttons into them. Returns false, and changes nothing, when
// the translation is not installed; the program then runs in English dialogs.
bool InstallQtChineseTranslation(QCoreApplication &application);
