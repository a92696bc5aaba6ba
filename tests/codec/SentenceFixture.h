#pragma once

#include "codec/sentence/I62Record.h"
#include "codec/sentence/I62Syntax.h"

#include <QByteArray>
#include <cstring>

// Helpers that take a line through the steps that come before a parser, and a composer's
// output through the checksum closer.
namespace SentenceFixture {

using Parser = bool (*)(char*, I61162_Data_Structure*);
using Composer = bool (*)(char*, size_t, I61162_Data_Structure*);

// A line as received: checksum checked, empty fields marked, then parsed.
// False when any step refuses it.
inline bool parseLine(Parser parser, const QByteArray& line, I61162_Data_Structure* record)
{
    char buffer[256] = {};
    if (line.size() + 3 > int(sizeof buffer))
        return false;
    std::memcpy(buffer, line.constData(), size_t(line.size()));
    if (!line.endsWith("\r\n"))
        std::strcat(buffer, "\r\n");
    const int checksum = I62_Parse_CheckSum(buffer, sizeof buffer);
    if (checksum != I62_CHECKSUM_OK && checksum != I62_CHECKSUM_ADDED)
        return false;
    return I62_PreParse(buffer, sizeof buffer) && parser(buffer, record);
}

// A sentence body ("$GPGGA,...") closed with its checksum, as a device would send it.
inline QByteArray closed(const QByteArray& body)
{
    char buffer[256] = {};
    std::memcpy(buffer, body.constData(), size_t(qMin(body.size(), 200)));
    return I62_Compose_CheckSum(buffer, sizeof buffer) ? QByteArray(buffer) : QByteArray();
}

// A record whose per-formatter part holds bytes that no parser writes, so that a field left
// untouched shows.
inline I61162_Data_Structure staleRecord()
{
    I61162_Data_Structure record;
    std::memset(&record, 0x5A, sizeof record);
    return record;
}

inline I61162_Data_Structure composable(const char* talker, const char* formatter)
{
    I61162_Data_Structure record = staleRecord();
    std::strcpy(record.talker, talker);
    std::strcpy(record.formatter, formatter);
    return record;
}

struct ParserComposer
{
    Parser parser;
    Composer composer;
};

// A sentence body ("$AISSD,...") as parseLine takes a line, the talker and formatter written
// into the record's frame first, as the dispatcher does.
inline bool parseFramed(Parser parser, const QByteArray& body, I61162_Data_Structure* record)
{
    std::memcpy(record->talker, body.constData() + 1, 2);
    record->talker[2] = '\0';
    std::memcpy(record->formatter, body.constData() + 3, 3);
    record->formatter[3] = '\0';
    return parseLine(parser, closed(body), record);
}

// The composer's text closed with checksum and line end; empty when composing failed.
inline QByteArray composeLine(Composer composer, I61162_Data_Structure* record)
{
    char buffer[128];
    if (!composer(buffer, sizeof buffer - 5, record) || !I62_Compose_CheckSum(buffer, sizeof buffer))
        return QByteArray();
    return QByteArray(buffer);
}

} // namespace SentenceFixture
