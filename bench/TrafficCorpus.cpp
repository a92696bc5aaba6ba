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

std::vector<std::string> TrafficCorpus::GnssSentences()
{
    std::vector<std::string> sentences;
    for (const char* file : GnssFiles)
        for (const std::string& line : linesOf(file))
            if (line[0] == '$')
                sentences.push_back(line);
    return sentences;
}
