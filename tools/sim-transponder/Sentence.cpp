#include "Sentence.h"

namespace Sim::Sentence {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray hexByte(quint8 value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(2, '0');
}

} // namespace

bool isSentence(const QByteArray& text)
{
    return text.startsWith('$') || text.startsWith('!');
}

quint8 checksum(const QByteArray& content)
{
    quint8 sum = 0;
    for (const char c : content)
        sum ^= static_cast<quint8>(c);
    return sum;
}

QByteArray finish(const QByteArray& text, bool wrongChecksum)
{
    QByteArray line = text;
    if (isSentence(text)) {
        const quint8 sum = checksum(text.mid(1));
        line += '*' + hexByte(wrongChecksum ? static_cast<quint8>(sum ^ 0x5A) : sum);
    }
    return line + "\r\n";
}

CHECK_RESULT check(const QByteArray& line, QByteArray* text)
{
    const int star = line.lastIndexOf('*');
    if (!isSentence(line) || star < 0 || star != line.size() - 3)
        return CHECK_RESULT::NO_CHECKSUM;
    const int high = hexDigit(line.at(star + 1));
    const int low = hexDigit(line.at(star + 2));
    if (high < 0 || low < 0 || checksum(line.mid(1, star - 1)) != high * 16 + low)
        return CHECK_RESULT::WRONG_CHECKSUM;
    *text = line.left(star);
    return CHECK_RESULT::VALID;
}

QByteArray unescape(const QByteArray& field)
{
    QByteArray text;
    text.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == '^' && i + 2 < field.size()) {
            const int high = hexDigit(field.at(i + 1));
            const int low = hexDigit(field.at(i + 2));
            if (high >= 0 && low >= 0) {
                text += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        text += field.at(i);
    }
    return text;
}

} // namespace Sim::Sentence
