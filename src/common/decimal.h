#pragma once

#include <QStringView>
#include <QtGlobal>

// The lenient decimal reading used for every number the program reads from a text: optional
// leading blanks and a sign, then the leading digits, stopping at the first other character.
// A text without leading digits gives 0. Values beyond the 32-bit range saturate at its limits.
qint32 LenientToInt(QStringView text);
