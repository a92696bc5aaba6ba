#pragma once

#include <QByteArray>

// The sentences on the device link: checksums of outgoing lines, the check of received ones and
// the "^hh" escapes of texts inside them. The simulator writes them itself, so a fault in the
// program's codec cannot hide behind the same fault here.
namespace Sim::Sentence {

// No sentence the device sends is longer, CR LF included.
constexpr int MaxLineLength = 199;

enum class CHECK_RESULT { VALID, NO_CHECKSUM, WRONG_CHECKSUM };

// A text that begins "$" or "!".
bool isSentence(const QByteArray& text);

// XOR of the characters between the leading "$" or "!" and the "*".
quint8 checksum(const QByteArray& content);

// A line ready to send: a sentence (a text that begins "$" or "!") gets "*" and its checksum,
// or a wrong one on purpose; every line gets CR LF.
QByteArray finish(const QByteArray& text, bool wrongChecksum = false);

// Checks a received sentence (without its line end); on success `text` is the sentence up to,
// not including, the "*".
CHECK_RESULT check(const QByteArray& line, QByteArray* text);

// "^" and two hexadecimal digits stand for that character; anything else is kept as it is.
QByteArray unescape(const QByteArray& field);

} // namespace Sim::Sentence
