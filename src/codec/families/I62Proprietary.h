#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// The maker's proprietary sentences and the two query-like sentences. A parser takes the
// whole pre-parsed sentence from "$P" and the formatter on (a sentence behind the maker's
// prefix arrives with its letter already moved into the record's frame). None refuses a
// sentence whose comma count is right, except AIQ (first field not "Smg") and MOB (a bad
// hexadecimal digit). Composers as for the GNSS sentences.

bool I62_FMT_PMID(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PBDY(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PTST(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PFRQ(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PBTH(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PDBG(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PTPS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PMOB(char* sentence, I61162_Data_Structure* record);
// Copies the maker letter of the record's frame into the field set.
bool I62_FMT_MRK(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PGBP(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_AIQ(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_Smg(char* sentence, I61162_Data_Structure* record);

bool I62_FMT_PMID_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PBDY_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PTST_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PFRQ_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PBTH_Compose(char* out, size_t size, I61162_Data_Structure* record);
// Behind the maker's prefix ("$PQLX,C,DBG,") when the frame holds an upper-case maker letter.
bool I62_FMT_PDBG_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PTPS_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_PMOB_Compose(char* out, size_t size, I61162_Data_Structure* record);
// Always behind the maker's prefix, whatever the frame's talker.
bool I62_FMT_MRK_Compose(char* out, size_t size, I61162_Data_Structure* record);
