#pragma once

#include "codec/I62AtoN.h"
#include "codec/I62Gnss.h"
#include "codec/I62Proprietary.h"
#include "codec/I62Radar.h"

#include <cstring>
#include <iterator>

// Every sentence parser of the codec with the formatter it reads. A stand-in for the
// formatter dispatch until that exists: the parsers fuzz target runs them all on each line,
// the parser benchmark picks one by the formatter. Both go when the dispatch comes.
namespace ParserTable {

using Parser = bool (*)(char*, I61162_Data_Structure*);

struct SEntry
{
    const char* formatter;
    Parser parse;
};

// The first parser of a formatter is the one the dispatch would choose; the forms after it
// (RMC and GNS by field count) are reached only through it but are fuzzed on their own too.
inline constexpr SEntry Parsers[] = {
    {"GGA", I62_FMT_GGA}, {"GLL", I62_FMT_GLL}, {"GBS", I62_FMT_GBS}, {"GSA", I62_FMT_GSA},
    {"GRS", I62_FMT_GRS}, {"GST", I62_FMT_GST}, {"GSV", I62_FMT_GSV}, {"VTG", I62_FMT_VTG},
    {"ZDA", I62_FMT_ZDA}, {"DTM", I62_FMT_DTM},
    {"RMC", RMC_ParseProc}, {"RMC", I62_FMT_RMC_Add_NavStatus}, {"RMC", I62_FMT_RMC},
    {"RMC", I62_FMT_RMC_Lack_ModeIndicator},
    {"GNS", GNS_ParseProc}, {"GNS", I62_FMT_GNS_Add_NavStatus}, {"GNS", I62_FMT_GNS},
    {"HDT", I62_FMT_HDT}, {"HDM", I62_FMT_HDM}, {"ROT", I62_FMT_ROT}, {"VBW", I62_FMT_VBW},
    {"OSD", I62_FMT_OSD}, {"RSD", I62_FMT_RSD}, {"TTM", I62_FMT_TTM}, {"TLB", I62_FMT_TLB},
    {"MID", I62_FMT_PMID}, {"BDY", I62_FMT_PBDY}, {"TST", I62_FMT_PTST}, {"FRQ", I62_FMT_PFRQ},
    {"BTH", I62_FMT_PBTH}, {"DBG", I62_FMT_PDBG}, {"TPS", I62_FMT_PTPS}, {"MOB", I62_FMT_PMOB},
    {"MRK", I62_FMT_MRK}, {"GBP", I62_FMT_PGBP}, {"AIQ", I62_FMT_AIQ}, {"Smg", I62_FMT_Smg},
    {"AAR", ATON_FMT_AAR}, {"ACE", ATON_FMT_ACE}, {"ACF", ATON_FMT_ACF}, {"AFB", ATON_FMT_AFB},
    {"AFC", ATON_FMT_AFC}, {"AID", ATON_FMT_AID}, {"AKE", ATON_FMT_AKE}, {"ARW", ATON_FMT_ARW},
    {"MCR", ATON_FMT_MCR}, {"MPR", ATON_FMT_MPR}, {"TSP", ATON_FMT_TSP}, {"VER", ATON_FMT_VER},
};

// The parser of a talker sentence ("$GPGGA,..."): formatter at positions 3 to 5; null when none.
inline Parser ForTalkerSentence(const char* sentence)
{
    if (std::strlen(sentence) < 6)
        return nullptr;
    for (const SEntry& entry : Parsers) {
        if (std::strncmp(sentence + 3, entry.formatter, 3) == 0)
            return entry.parse;
    }
    return nullptr;
}

} // namespace ParserTable
