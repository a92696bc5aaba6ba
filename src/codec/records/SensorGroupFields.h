#pragma once

#include "codec/records/SensorRecords.h"
#include "codec/sentence/I62FormatterCode.h"
#include "codec/sentence/I62Record.h"

#include <cstdint>

// Which kept slot of a group record belongs to which field set of the sentence record. The
// stores copy one way and the read-backs the other, so both walk these pairings. Each visitor
// calls visit(keptSlot, fieldSet) for the formatter's pair and returns true, or returns false
// for a formatter not of the group. Data and Fields may be const, as the direction needs.

template <typename Data, typename Fields, typename Visit>
bool VisitLRngFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("LRI"):
        return visit(data.lri, fields.lri), true;
    case I62_FormatterCode("LRF"):
        return visit(data.lrf, fields.lrf), true;
    case I62_FormatterCode("LR1"):
        return visit(data.lr1, fields.lr1), true;
    case I62_FormatterCode("LR2"):
        return visit(data.lr2, fields.lr2), true;
    case I62_FormatterCode("LR3"):
        return visit(data.lr3, fields.lr3), true;
    default:
        return false;
    }
}

template <typename Data, typename Fields, typename Visit>
bool VisitAisFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("ACA"):
        return visit(data.aca, fields.aca), true;
    case I62_FormatterCode("ACS"):
        return visit(data.acs, fields.acs), true;
    case I62_FormatterCode("SSD"):
        return visit(data.ssd, fields.ssd), true;
    case I62_FormatterCode("VSD"):
        return visit(data.vsd, fields.vsd), true;
    case I62_FormatterCode("ABM"):
        return visit(data.abm, fields.encap), true;
    case I62_FormatterCode("BBM"):
        return visit(data.bbm, fields.encap), true;
    case I62_FormatterCode("VDM"):
        return visit(data.vdm, fields.encap), true;
    case I62_FormatterCode("VDO"):
        return visit(data.vdo, fields.encap), true;
    case I62_FormatterCode("TXT"):
        return visit(data.txt, fields.txt), true;
    case I62_FormatterCode("ABK"):
        return visit(data.abk, fields.abk), true;
    case I62_FormatterCode("AIR"):
        return visit(data.air, fields.air), true;
    case I62_FormatterCode("ALR"):
        return visit(data.alr, fields.alr), true;
    case I62_FormatterCode("ACK"):
        return visit(data.ack, fields.ack), true;
    default:
        return false;
    }
}

template <typename Data, typename Fields, typename Visit>
bool VisitDscFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("DSC"):
        return visit(data.dsc, fields.dsc), true;
    case I62_FormatterCode("DSE"):
        return visit(data.dse, fields.dse), true;
    case I62_FormatterCode("DSI"):
        return visit(data.dsi, fields.dsi), true;
    case I62_FormatterCode("DSR"):
        return visit(data.dsr, fields.dsr), true;
    default:
        return false;
    }
}

template <typename Data, typename Fields, typename Visit>
bool VisitPriFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("MID"):
        return visit(data.mid, fields.pmid), true;
    case I62_FormatterCode("BDY"):
        return visit(data.bdy, fields.pbdy), true;
    case I62_FormatterCode("TST"):
        return visit(data.tst, fields.ptst), true;
    case I62_FormatterCode("FRQ"):
        return visit(data.frq, fields.pfrq), true;
    case I62_FormatterCode("BTH"):
        return visit(data.bth, fields.pbth), true;
    case I62_FormatterCode("DBG"):
        return visit(data.dbg, fields.pdbg), true;
    case I62_FormatterCode("TPS"):
        return visit(data.tps, fields.ptps), true;
    case I62_FormatterCode("MOB"):
        return visit(data.mob, fields.pmob), true;
    case I62_FormatterCode("MRK"):
        return visit(data.mrk, fields.mrk), true;
    case I62_FormatterCode("GBP"):
        return visit(data.gbp, fields.pgbp), true;
    default:
        return false;
    }
}

template <typename Data, typename Fields, typename Visit>
bool VisitAtoNFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("AAR"):
        return visit(data.aar, fields.aar), true;
    case I62_FormatterCode("ACE"):
        return visit(data.ace, fields.ace), true;
    case I62_FormatterCode("ACF"):
        return visit(data.acf, fields.acf), true;
    case I62_FormatterCode("AFB"):
        return visit(data.afb, fields.afb), true;
    case I62_FormatterCode("AFC"):
        return visit(data.afc, fields.afc), true;
    case I62_FormatterCode("AID"):
        return visit(data.aid, fields.aid), true;
    case I62_FormatterCode("AKE"):
        return visit(data.ake, fields.ake), true;
    case I62_FormatterCode("ARW"):
        return visit(data.arw, fields.arw), true;
    case I62_FormatterCode("MCR"):
        return visit(data.mcr, fields.mcr), true;
    case I62_FormatterCode("MPR"):
        return visit(data.mpr, fields.mpr), true;
    case I62_FormatterCode("TSP"):
        return visit(data.tsp, fields.tsp), true;
    case I62_FormatterCode("VER"):
        return visit(data.ver, fields.ver), true;
    default:
        return false;
    }
}

template <typename Data, typename Fields, typename Visit>
bool VisitRadarFields(uint32_t formatter, Data& data, Fields& fields, Visit visit)
{
    switch (formatter) {
    case I62_FormatterCode("OSD"):
        return visit(data.osd, fields.osd), true;
    case I62_FormatterCode("RSD"):
        return visit(data.rsd, fields.rsd), true;
    case I62_FormatterCode("TLB"):
        return visit(data.tlb, fields.tlb), true;
    case I62_FormatterCode("TTM"):
        return visit(data.ttm, fields.ttm), true;
    default:
        return false;
    }
}
