#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1251, the single-byte code page of order and settings files. The program carries its own
// table because Qt builds without ICU (the usual Windows builds) cannot convert it.
// Every byte decodes to one character and encodes back to the same byte; the unassigned byte 0x98
// stands for U+0098 so that no byte of a file is ever altered on its way through the program.
namespace cp1251 {

// The character a byte stands for.
char16_t ToUnicode(unsigned char byte);

// True when the character has a byte in the code page.
bool CanEncode(QChar c);

// True when every character of the text has a byte in the code page.
bool CanEncode(QStringView text);

QString Decode(QByteArrayView bytes);

// Characters without a byte become '?'; the edits of the program refuse them, so this happens only
// for text that did not come through the user interface.
QByteArray Encode(QStringView text);

}  // namespace cp1251
