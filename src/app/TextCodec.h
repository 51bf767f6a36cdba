#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows-1252, the encoding of every text file and fixed text field of the program.
namespace TextCodec {

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in Windows-1252; they decode to the
// C1 control of the same value, so that decoding never loses a byte.
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, int length);

// Characters that Windows-1252 cannot hold are written in a readable ASCII form
// ("≥" becomes ">=", "β" becomes "b", an accent is dropped from its letter), never dropped;
// a character with no such form becomes "?".
QByteArray encode(const QString &text);

// The first bytes of encode(text), at least `maxBytes` of them when the text gives that many:
// encodes only what a fixed-size field can keep.
QByteArray encode(const QString &text, qsizetype maxBytes);

// Writes the first bytes of encode(text) into `out`, at most `maxBytes` of them, and returns
// how many: a fixed-size field filled without a buffer in between.
int encodeInto(QStringView text, char *out, int maxBytes);

// The same as encode, for one character.
QByteArray encodeChar(QChar c);

} // namespace TextCodec
