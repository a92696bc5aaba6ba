#pragma once

#include <string>
#include <vector>

// Real traffic from the reference data, as the device link would carry it: every line ended
// with CR LF. Empty when the reference data is not there (see ReferenceDir()).
namespace TrafficCorpus {

const char* ReferenceDir();

// Every AIS and GNSS traffic file in full, junk and comment lines included.
std::string TrafficBytes();

// The GNSS receiver sentences of the GNSS logs ("$" lines).
std::vector<std::string> GnssSentences();

} // namespace TrafficCorpus
