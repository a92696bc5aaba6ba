#include "codec/sentence/I62FormatterTable.h"

#include "codec/families/I62Ais.h"
#include "codec/families/I62AtoN.h"
#include "codec/families/I62Gnss.h"
#include "codec/families/I62Proprietary.h"
#include "codec/families/I62Radar.h"
#include "codec/sentence/I62Dispatch.h"
#include "codec/sentence/I62FormatterCode.h"

#include <iterator>

namespace {

constexpr I62_FORMATTER_ENTRY entry(const char* formatter, int group, int subtype, I62_PARSER parser)
{
    return I62_FORMATTER_ENTRY{I62_FormatterCode(formatter), group, subtype, parser};
}

// Long-range and DSC sentences are known by their group but have no parser on this road.
constexpr I62_FORMATTER_ENTRY FORMATTERS[] = {
    entry("GGA", I62_GROUP_GNSS, 1, I62_FMT_GGA),
    entry("GLL", I62_GROUP_GNSS, 2, I62_FMT_GLL),
    entry("GBS", I62_GROUP_GNSS, 3, I62_FMT_GBS),
    entry("GSA", I62_GROUP_GNSS, 4, I62_FMT_GSA),
    entry("GSV", I62_GROUP_GNSS, 5, I62_FMT_GSV),
    entry("RMC", I62_GROUP_GNSS, 6, RMC_ParseProc),
    entry("VTG", I62_GROUP_GNSS, 7, I62_FMT_VTG),
    entry("ZDA", I62_GROUP_GNSS, 8, I62_FMT_ZDA),
    entry("DTM", I62_GROUP_GNSS, 9, I62_FMT_DTM),
    entry("ROT", I62_GROUP_SENSOR, 10, I62_FMT_ROT),
    entry("HDT", I62_GROUP_SENSOR, 11, I62_FMT_HDT),
    entry("VBW", I62_GROUP_SENSOR, 12, I62_FMT_VBW),
    entry("GNS", I62_GROUP_SENSOR, 13, GNS_ParseProc),
    entry("HDM", I62_GROUP_SENSOR, 14, I62_FMT_HDM),
    entry("LRI", I62_GROUP_LONG_RANGE, 15, nullptr),
    entry("LRF", I62_GROUP_LONG_RANGE, 16, nullptr),
    entry("LR1", I62_GROUP_LONG_RANGE, 17, nullptr),
    entry("LR2", I62_GROUP_LONG_RANGE, 18, nullptr),
    entry("LR3", I62_GROUP_LONG_RANGE, 19, nullptr),
    entry("ABK", I62_GROUP_AIS, 20, AIS_FMT_ABK),
    entry("ACA", I62_GROUP_AIS, 21, AIS_FMT_ACA),
    entry("ACK", I62_GROUP_AIS, 22, I62_FMT_ACK),
    entry("ACS", I62_GROUP_AIS, 23, AIS_FMT_ACS),
    entry("ALR", I62_GROUP_AIS, 24, I62_FMT_ALR),
    entry("SSD", I62_GROUP_AIS, 25, AIS_FMT_SSD),
    entry("VSD", I62_GROUP_AIS, 26, AIS_FMT_VSD),
    entry("ABM", I62_GROUP_AIS, 27, AIS_FMT_ABM),
    entry("BBM", I62_GROUP_AIS, 28, AIS_FMT_BBM),
    entry("VDM", I62_GROUP_AIS, 29, AIS_FMT_VDM),
    entry("VDO", I62_GROUP_AIS, 30, AIS_FMT_VDO),
    entry("TXT", I62_GROUP_AIS, 31, I62_FMT_TXT),
    entry("DSC", I62_GROUP_DSC, 32, nullptr),
    entry("DSE", I62_GROUP_DSC, 33, nullptr),
    entry("DSI", I62_GROUP_DSC, 34, nullptr),
    entry("DSR", I62_GROUP_DSC, 35, nullptr),
    entry("MID", I62_GROUP_PROPRIETARY, 36, I62_FMT_PMID),
    entry("BDY", I62_GROUP_PROPRIETARY, 37, I62_FMT_PBDY),
    entry("TST", I62_GROUP_PROPRIETARY, 38, I62_FMT_PTST),
    entry("FRQ", I62_GROUP_PROPRIETARY, 39, I62_FMT_PFRQ),
    entry("BTH", I62_GROUP_PROPRIETARY, 40, I62_FMT_PBTH),
    entry("DBG", I62_GROUP_PROPRIETARY, 41, I62_FMT_PDBG),
    entry("TPS", I62_GROUP_PROPRIETARY, 42, I62_FMT_PTPS),
    entry("MOB", I62_GROUP_PROPRIETARY, 43, I62_FMT_PMOB),
    entry("MRK", I62_GROUP_PROPRIETARY, 44, I62_FMT_MRK),
    entry("GBP", I62_GROUP_PROPRIETARY, 45, I62_FMT_PGBP),
    entry("AAR", I62_GROUP_ATON, 46, ATON_FMT_AAR),
    entry("ACE", I62_GROUP_ATON, 47, ATON_FMT_ACE),
    entry("ACF", I62_GROUP_ATON, 48, ATON_FMT_ACF),
    entry("AFB", I62_GROUP_ATON, 49, ATON_FMT_AFB),
    entry("AFC", I62_GROUP_ATON, 50, ATON_FMT_AFC),
    entry("AID", I62_GROUP_ATON, 51, ATON_FMT_AID),
    entry("AKE", I62_GROUP_ATON, 52, ATON_FMT_AKE),
    entry("ARW", I62_GROUP_ATON, 53, ATON_FMT_ARW),
    entry("MCR", I62_GROUP_ATON, 54, ATON_FMT_MCR),
    entry("MPR", I62_GROUP_ATON, 55, ATON_FMT_MPR),
    entry("TSP", I62_GROUP_ATON, 56, ATON_FMT_TSP),
    entry("VER", I62_GROUP_ATON, 57, ATON_FMT_VER),
    entry("OSD", I62_GROUP_RADAR, 58, I62_FMT_OSD),
    entry("RSD", I62_GROUP_RADAR, 59, I62_FMT_RSD),
    entry("TTM", I62_GROUP_RADAR, 63, I62_FMT_TTM),
    entry("GST", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_GST),
    entry("GRS", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_GRS),
    entry("AIQ", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_AIQ),
    entry("Smg", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_Smg),
    entry("WPL", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_WPL),
    entry("RMA", I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_FMT_RMA),
    entry("Q", I62_GROUP_QUERY, 0, I62_FMT_Q),
};

} // namespace

const I62_FORMATTER_ENTRY* I62_FindFormatter(const char* formatter)
{
    if (!formatter)
        return nullptr;
    const uint32_t code = I62_FormatterCode(formatter);
    for (const I62_FORMATTER_ENTRY& known : FORMATTERS) {
        if (known.code == code)
            return &known;
    }
    return nullptr;
}

void I62_GetGroupType(int* group, int* subtype, const char* formatter)
{
    int foundGroup = I62_GROUP_OTHER;
    int foundSubtype = I62_SUBTYPE_OTHER;
    if (formatter && formatter[0] == 'Q') {
        foundGroup = I62_GROUP_QUERY;
        foundSubtype = 0;
    } else if (const I62_FORMATTER_ENTRY* known = I62_FindFormatter(formatter)) {
        foundGroup = known->group;
        foundSubtype = known->subtype;
    }
    if (group)
        *group = foundGroup;
    if (subtype)
        *subtype = foundSubtype;
}
