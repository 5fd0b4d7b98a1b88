#pragma once

#include <QString>

// The folder where "Заказы", "Черновики" and the settings file live: the executable's folder when
// the program may write there, otherwise the user's application data folder, so that a copy
// installed in a read-only place keeps working. Needs a QCoreApplication.
QString DefaultProgramFolder();

// The full path of the program file itself.
QString ExecutablePath();
