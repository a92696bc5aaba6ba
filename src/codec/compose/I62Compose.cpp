#include "codec/compose/I62Compose.h"

#include "codec/compose/I62ReadBack.h"
#include "codec/families/I62Ais.h"
#include "codec/families/I62AtoN.h"
#include "codec/families/I62Gnss.h"
#include "codec/families/I62Proprietary.h"
#include "codec/families/I62Radar.h"
#include "codec/sentence/I62FormatterCode.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62Syntax.h"

#include <cstring>

namespace {

using I62_COMPOSER = bool (*)(char* out, size_t size, I61162_Data_Structure* record);

struct COMPOSER_ENTRY
{
    uint32_t code;
    I62_COMPOSER composer;
};

constexpr COMPOSER_ENTRY entry(const char* formatter, I62_COMPOSER composer)
{
    return COMPOSER_ENTRY{I62_FormatterCode(formatter), composer};
}

// DSI and the long-range sentences have composers, but they are not sent from here.
constexpr COMPOSER_ENTRY COMPOSERS[] = {
    entry("VDM", AIS_FMT_VDM_Compose),   entry("VDO", AIS_FMT_VDO_Compose),   entry("ABM", AIS_FMT_ABM_Compose),
    entry("BBM", AIS_FMT_BBM_Compose),   entry("ABK", AIS_FMT_ABK_Compose),   entry("ACK", I62_FMT_ACK_Compose),
    entry("ALR", I62_FMT_ALR_Compose),   entry("SSD", I62_FMT_SSD_Compose),   entry("VSD", I62_FMT_VSD_Compose),
    entry("ACA", AIS_FMT_ACA_Compose),   entry("ACS", AIS_FMT_ACS_Compose),   entry("RMC", I62_FMT_RMC_Compose),
    entry("GBS", I62_FMT_GBS_Compose),   entry("GSA", I62_FMT_GSA_Compose),   entry("ZDA", I62_FMT_ZDA_Compose),
    entry("MID", I62_FMT_PMID_Compose),  entry("BDY", I62_FMT_PBDY_Compose),  entry("TST", I62_FMT_PTST_Compose),
    entry("FRQ", I62_FMT_PFRQ_Compose),  entry("BTH", I62_FMT_PBTH_Compose),  entry("DBG", I62_FMT_PDBG_Compose),
    entry("TPS", I62_FMT_PTPS_Compose),  entry("MOB", I62_FMT_PMOB_Compose),  entry("MRK", I62_FMT_MRK_Compose),
    entry("AAR", ATON_FMT_AAR_Compose),  entry("ACE", ATON_FMT_ACE_Compose),  entry("ACF", ATON_FMT_ACF_Compose),
    entry("AFB", ATON_FMT_AFB_Compose),  entry("AFC", ATON_FMT_AFC_Compose),  entry("AID", ATON_FMT_AID_Compose),
    entry("AKE", ATON_FMT_AKE_Compose),  entry("ARW", ATON_FMT_ARW_Compose),  entry("MCR", ATON_FMT_MCR_Compose),
    entry("MPR", ATON_FMT_MPR_Compose),  entry("TSP", ATON_FMT_TSP_Compose),  entry("VER", ATON_FMT_VER_Compose),
    entry("HDT", I62_FMT_HDT_Compose),   entry("HDG", I62_FMT_HDG_Compose),   entry("ROT", I62_FMT_ROT_Compose),
};

I62_COMPOSER composerOf(const char* formatter)
{
    const uint32_t code = I62_FormatterCode(formatter);
    for (const COMPOSER_ENTRY& known : COMPOSERS) {
        if (known.code == code)
            return known.composer;
    }
    return nullptr;
}

// The checksum closes the text; false, with the output emptied, when it does not fit.
bool closeSentence(char* out, size_t size)
{
    if (I62_Compose_CheckSum(out, size))
        return true;
    out[0] = '\0';
    return false;
}

// Up to room - 1 characters of the text, cut at its end.
void frameText(char* out, size_t room, const char* text)
{
    const size_t length = strnlen(text, room - 1);
    std::memcpy(out, text, length);
    out[length] = '\0';
}

} // namespace

bool I62_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    if (!out || size == 0)
        return false;
    const I62_COMPOSER composer = record ? composerOf(record->formatter) : nullptr;
    if (!record || (composer && !composer(out, size, record))) {
        out[0] = '\0';
        return false;
    }
    return closeSentence(out, size);
}

bool ComposeI62Sentence(char* out, size_t size, I61162_Data_Structure* record, const char* formatter,
                        const char* talker)
{
    if (!record || !formatter || !talker) {
        if (out && size > 0)
            out[0] = '\0';
        return false;
    }
    frameText(record->talker, sizeof record->talker, talker);
    frameText(record->formatter, sizeof record->formatter, formatter);
    I62_ReadData(record);
    return I62_Compose(out, size, record);
}

bool ComposeI62QuerySentence(char* out, size_t size, const char* requestingTalker, const char* addressedTalker,
                             const char* formatter)
{
    if (!out || size == 0)
        return false;
    if (!requestingTalker || !addressedTalker || !formatter
        || !I62_Print(out, size, "$%.2s%.2sQ,%.3s", requestingTalker, addressedTalker, formatter)) {
        out[0] = '\0';
        return false;
    }
    return closeSentence(out, size);
}
