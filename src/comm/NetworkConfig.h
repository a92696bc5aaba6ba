#pragma once

#include "comm/CommProfile.h"

#include <string>

namespace COMM {

inline bool InPortRange(int port)
{
    return port >= 0 && port <= MaxPort;
}

// The address text of a network configuration, read no further than its field.
std::string IpText(const SNetworkConntConfig& config);
// The display text of a network transport, such as "TCP Server 127.0.0.1:10110".
std::string NetworkContent(const char* protocol, bool server, const SNetworkConntConfig& config);

} // namespace COMM
