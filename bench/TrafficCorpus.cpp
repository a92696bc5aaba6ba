#include "TrafficCorpus.h"

#include <fstream>

namespace {

const char* const AisFiles[] = {
    "ais-live-pyais/nmea_data_sample.txt",
    "ais-live-pyais/mixed.txt",
    "ais-libais/typeexamples.nmea",
};

const char* const GnssFiles[] = {
    "gnss-gpsd/bu353-glonass.log", "gnss-gpsd/bu353s4.log",     "gnss-gpsd/mt3339.log",
    "gnss-gpsd/quectel-L70.log",   "gnss-gpsd/nmea-fuzzy-cases.log",
};

// The lines of a file, each ended with CR LF whatever it ended with there.
std::vector<std::string> linesOf(const char* relativePath)
{
    std::vector<std::string> lines;
    std::ifstream in(std::string(TrafficCorpus::ReferenceDir()) + "/" + relativePath, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line + "\r\n");
    }
    return lines;
}

} // namespace

const char* TrafficCorpus::ReferenceDir()
{
    return AIS_REFDATA_DIR;
}

std::string TrafficCorpus::TrafficBytes()
{
    std::string bytes;
    const auto append = [&bytes](const char* file) {
        for (const std::string& line : linesOf(file))
            bytes += line;
    };
    for (const char* file : AisFiles)
        append(file);
    for (const char* file : GnssFiles)
        append(file);
    return bytes;
}

std::vector<QByteArray> TrafficCorpus::TrafficChunks(int size)
{
    const QByteArray bytes = QByteArray::fromStdString(TrafficBytes());
    std::vector<QByteArray> chunks;
    for (int at = 0; at < bytes.size(); at += size)
        chunks.push_back(bytes.mid(at, size));
    return chunks;
}

std::vector<std::string> TrafficCorpus::Sentences()
{
    std::vector<std::string> sentences;
    const auto append = [&sentences](const char* file) {
        for (const std::string& line : linesOf(file)) {
            if (line[0] != '$' && line[0] != '!')
                continue;
            const size_t star = line.find('*');
            sentences.push_back(star == std::string::npos || star + 3 >= line.size() ? line
                                                                                  : line.substr(0, star + 3) + "\r\n");
        }
    };
    for (const char* file : AisFiles)
        append(file);
    for (const char* file : GnssFiles)
        append(file);
    return sentences;
}

size_t TrafficCorpus::CountSentences(const std::string& bytes)
{
    size_t count = 0;
    size_t at = 0;
    while (at < bytes.size()) {
        if (bytes[at] == '$' || bytes[at] == '!')
            ++count;
        const size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return count;
}
