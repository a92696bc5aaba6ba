#include "codec/SensorStores.h"

#include "codec/CodecText.h"
#include "codec/I62FormatterCode.h"

namespace {

template <typename T>
void keep(I62_KEPT_FIELDS<T>& kept, const T& fields)
{
    kept.fields = fields;
    kept.received = 1;
}

template <typename Record>
bool stamped(bool filed, Record* data, const I61162_Data_Structure* record)
{
    if (filed)
        data->systemId = I62_SystemId(record->talker);
    return filed;
}

bool fileLRng(LRng_Data& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("LRI"):
        keep(out.lri, d.lri);
        return true;
    case I62_FormatterCode("LRF"):
        keep(out.lrf, d.lrf);
        return true;
    case I62_FormatterCode("LR1"):
        keep(out.lr1, d.lr1);
        return true;
    case I62_FormatterCode("LR2"):
        keep(out.lr2, d.lr2);
        return true;
    case I62_FormatterCode("LR3"):
        keep(out.lr3, d.lr3);
        return true;
    default:
        return false;
    }
}

bool fileAis(AIS_Data& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("ACA"):
        keep(out.aca, d.aca);
        return true;
    case I62_FormatterCode("ACS"):
        keep(out.acs, d.acs);
        return true;
    case I62_FormatterCode("SSD"):
        keep(out.ssd, d.ssd);
        return true;
    case I62_FormatterCode("VSD"):
        keep(out.vsd, d.vsd);
        return true;
    case I62_FormatterCode("ABM"):
        keep(out.abm, d.encap);
        return true;
    case I62_FormatterCode("BBM"):
        keep(out.bbm, d.encap);
        return true;
    case I62_FormatterCode("VDM"):
        keep(out.vdm, d.encap);
        return true;
    case I62_FormatterCode("VDO"):
        keep(out.vdo, d.encap);
        return true;
    case I62_FormatterCode("TXT"):
        keep(out.txt, d.txt);
        return true;
    case I62_FormatterCode("ABK"):
        keep(out.abk, d.abk);
        return true;
    case I62_FormatterCode("AIR"):
        keep(out.air, d.air);
        return true;
    case I62_FormatterCode("ALR"):
        keep(out.alr, d.alr);
        return true;
    case I62_FormatterCode("ACK"):
        keep(out.ack, d.ack);
        return true;
    default:
        return false;
    }
}

bool fileDsc(DSC_Data& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("DSC"):
        keep(out.dsc, d.dsc);
        return true;
    case I62_FormatterCode("DSE"):
        keep(out.dse, d.dse);
        return true;
    case I62_FormatterCode("DSI"):
        keep(out.dsi, d.dsi);
        return true;
    case I62_FormatterCode("DSR"):
        keep(out.dsr, d.dsr);
        return true;
    default:
        return false;
    }
}

bool fileProprietary(PRI_DATA& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("MID"):
        keep(out.mid, d.pmid);
        return true;
    case I62_FormatterCode("BDY"):
        keep(out.bdy, d.pbdy);
        return true;
    case I62_FormatterCode("TST"):
        keep(out.tst, d.ptst);
        return true;
    case I62_FormatterCode("FRQ"):
        keep(out.frq, d.pfrq);
        return true;
    case I62_FormatterCode("BTH"):
        keep(out.bth, d.pbth);
        return true;
    case I62_FormatterCode("DBG"):
        keep(out.dbg, d.pdbg);
        return true;
    case I62_FormatterCode("TPS"):
        keep(out.tps, d.ptps);
        return true;
    case I62_FormatterCode("MOB"):
        keep(out.mob, d.pmob);
        return true;
    case I62_FormatterCode("MRK"):
        keep(out.mrk, d.mrk);
        return true;
    case I62_FormatterCode("GBP"):
        keep(out.gbp, d.pgbp);
        return true;
    default:
        return false;
    }
}

bool fileAtoN(AtoN_sentence_data& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("AAR"):
        keep(out.aar, d.aar);
        return true;
    case I62_FormatterCode("ACE"):
        keep(out.ace, d.ace);
        return true;
    case I62_FormatterCode("ACF"):
        keep(out.acf, d.acf);
        return true;
    case I62_FormatterCode("AFB"):
        keep(out.afb, d.afb);
        return true;
    case I62_FormatterCode("AFC"):
        keep(out.afc, d.afc);
        return true;
    case I62_FormatterCode("AID"):
        keep(out.aid, d.aid);
        return true;
    case I62_FormatterCode("AKE"):
        keep(out.ake, d.ake);
        return true;
    case I62_FormatterCode("ARW"):
        keep(out.arw, d.arw);
        return true;
    case I62_FormatterCode("MCR"):
        keep(out.mcr, d.mcr);
        return true;
    case I62_FormatterCode("MPR"):
        keep(out.mpr, d.mpr);
        return true;
    case I62_FormatterCode("TSP"):
        keep(out.tsp, d.tsp);
        return true;
    case I62_FormatterCode("VER"):
        keep(out.ver, d.ver);
        return true;
    default:
        return false;
    }
}

bool fileRadar(RADAR_DATA& out, const I61162_Data_Structure& record)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("OSD"):
        keep(out.osd, d.osd);
        return true;
    case I62_FormatterCode("RSD"):
        keep(out.rsd, d.rsd);
        return true;
    case I62_FormatterCode("TLB"):
        keep(out.tlb, d.tlb);
        return true;
    case I62_FormatterCode("TTM"):
        keep(out.ttm, d.ttm);
        return true;
    default:
        return false;
    }
}

} // namespace

bool StoreLRngData(const I61162_Data_Structure* record, LRng_Data* data)
{
    return record && data && stamped(fileLRng(*data, *record), data, record);
}

bool StoreAISData(const I61162_Data_Structure* record, AIS_Data* data)
{
    return record && data && stamped(fileAis(*data, *record), data, record);
}

bool StoreDSCData(const I61162_Data_Structure* record, DSC_Data* data)
{
    return record && data && stamped(fileDsc(*data, *record), data, record);
}

bool StoreProprietaryData(const I61162_Data_Structure* record, PRI_DATA* data)
{
    return record && data && stamped(fileProprietary(*data, *record), data, record);
}

bool StoreAtoNData(const I61162_Data_Structure* record, AtoN_sentence_data* data)
{
    return record && data && stamped(fileAtoN(*data, *record), data, record);
}

bool StoreRadarData(const I61162_Data_Structure* record, RADAR_DATA* data)
{
    return record && data && stamped(fileRadar(*data, *record), data, record);
}

bool StoreQueryData(const I61162_Data_Structure* record)
{
    if (!record)
        return false;
    for (I62_QUERY_SLOT& slot : I62QueryData) {
        if (!slot.inUse) {
            CopyFixedText(slot.formatter, record->data.query.requested);
            slot.inUse = 1;
            return true;
        }
    }
    return false;
}
