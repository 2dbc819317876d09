#pragma once

class QCoreApplication;

// Qt's own texts (the standard buttons, the file dialogs, the message boxes) in Brazilian
// Portuguese, as every text of the program is, whatever language the environment names: a
// machine set to English or to nothing at all would otherwise mix "Cancel" into Portuguese
// windows. False when the translations are not installed: Qt then speaks English.
bool installQtPortuguese(QCoreApplication &application);
