#pragma once

#include <QByteArray>
#include <string>
#include <vector>

// Real traffic from the reference data, as the device link would carry it: every line ended
// with CR LF. Empty when the reference data is not there (see ReferenceDir()).
namespace TrafficCorpus {

const char* ReferenceDir();

// Every AIS and GNSS traffic file in full, junk and comment lines included.
std::string TrafficBytes();
// The same bytes cut into chunks of the given size, as reads deliver them.
std::vector<QByteArray> TrafficChunks(int size);

// The sentences ("$" and "!" lines) of every AIS and GNSS traffic file, in file order, without
// what a receiving station appended after the checksum.
std::vector<std::string> Sentences();

// The lines of the bytes that start as a sentence does, with "$" or "!".
size_t CountSentences(const std::string& bytes);

} // namespace TrafficCorpus
