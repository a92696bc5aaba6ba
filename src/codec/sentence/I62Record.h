#pragma once

#include "codec/families/I62GnssFields.h"
#include "codec/families/I62RadarFields.h"
#include "codec/families/I62ProprietaryFields.h"
#include "codec/families/I62AtoNFields.h"
#include "codec/families/I62AisFields.h"
#include "codec/families/I62DscLRngFields.h"
#include "codec/sentence/I62DispatchFields.h"

// The per-formatter part of the sentence record: the field set of the formatter just parsed
// (or about to be composed). Later sentence families add their field sets here.
union I62_FORMATTER_DATA
{
    I62_GGA_DATA gga;
    I62_GLL_DATA gll;
    I62_RMC_DATA rmc;
    I62_GNS_DATA gns;
    I62_GSA_DATA gsa;
    I62_GSV_DATA gsv;
    I62_VTG_DATA vtg;
    I62_ZDA_DATA zda;
    I62_DTM_DATA dtm;
    I62_GBS_DATA gbs;
    I62_GRS_DATA grs;
    I62_GST_DATA gst;
    I62_HEADING_DATA hdt;
    I62_HEADING_DATA hdm;
    I62_ROT_DATA rot;
    I62_VBW_DATA vbw;
    I62_OSD_DATA osd;
    I62_RSD_DATA rsd;
    I62_TTM_DATA ttm;
    I62_TLB_DATA tlb;
    I62_HDG_DATA hdg;
    I62_MID_DATA pmid;
    I62_BDY_DATA pbdy;
    I62_TST_DATA ptst;
    I62_FRQ_DATA pfrq;
    I62_BTH_DATA pbth;
    I62_DBG_DATA pdbg;
    I62_TPS_DATA ptps;
    I62_MOB_DATA pmob;
    I62_MRK_DATA mrk;
    I62_GBP_DATA pgbp;
    I62_AIQ_DATA aiq;
    I62_SMG_DATA smg;
    I62_QUERY_DATA query;
    ATON_AAR_DATA aar;
    ATON_ACE_DATA ace;
    ATON_ACF_DATA acf;
    ATON_AFB_DATA afb;
    ATON_AFC_DATA afc;
    ATON_AID_DATA aid;
    ATON_AKE_DATA ake;
    ATON_ARW_DATA arw;
    ATON_MCR_DATA mcr;
    ATON_MPR_DATA mpr;
    ATON_TSP_DATA tsp;
    ATON_VER_DATA ver;
    I62_ENCAP_DATA encap; // VDM, VDO, ABM, BBM
    I62_TXT_DATA txt;
    I62_ABK_DATA abk;
    I62_ACK_DATA ack;
    I62_ALR_DATA alr;
    I62_ACS_DATA acs;
    I62_ACA_DATA aca;
    I62_SSD_DATA ssd;
    I62_VSD_DATA vsd;
    I62_DSC_DATA dsc;
    I62_DSE_DATA dse;
    I62_DSI_DATA dsi;
    I62_DSR_DATA dsr;
    I62_LRI_DATA lri;
    I62_LRF_DATA lrf;
    I62_LR1_DATA lr1;
    I62_LR2_DATA lr2;
    I62_LR3_DATA lr3;
    I62_AIR_DATA air;
    I62_RMA_DATA rma;
    I62_WPL_DATA wpl;
};

// One sentence, filled anew for every sentence received or composed.
struct I61162_Data_Structure
{
    uint8_t startChar; // '$' parametric, '!' encapsulation
    char talker[3];    // proprietary: "P"
    char formatter[4]; // query: "Q"
    uint8_t makerLetter; // C, Q or R behind the maker's own prefix; otherwise 0
    int group;
    I62_FORMATTER_DATA data;
};
