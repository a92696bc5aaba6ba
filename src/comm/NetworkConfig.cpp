#include "comm/NetworkConfig.h"

#include <cstring>

namespace COMM {

std::string IpText(const SNetworkConntConfig& config)
{
    return std::string(config.ip, strnlen(config.ip, sizeof config.ip));
}

std::string NetworkContent(const char* protocol, bool server, const SNetworkConntConfig& config)
{
    return std::string(protocol) + (server ? " Server " : " Client ") + IpText(config) + ":" +
           std::to_string(config.port);
}

} // namespace COMM
