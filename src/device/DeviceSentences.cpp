#include "device/DeviceSentences.h"

#include "codec/sentence/I62Syntax.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace DeviceSentence {

namespace {

const char Reserved[] = "!$*,\\^~";
const char HexDigits[] = "0123456789ABCDEF";

bool isReserved(char c)
{
    return c != '\0' && std::strchr(Reserved, c) != nullptr;
}

void appendEscaped(std::string& out, char c)
{
    if (!isReserved(c)) {
        out += c;
        return;
    }
    const auto code = static_cast<unsigned char>(c);
    out += '^';
    out += HexDigits[code >> 4];
    out += HexDigits[code & 0x0F];
}

// The text closed by the codec's checksum; empty when it does not fit.
std::string closed(const std::string& text)
{
    char line[SentenceSize] = {};
    if (text.size() >= sizeof line)
        return std::string();
    std::memcpy(line, text.data(), text.size());
    if (!I62_Compose_CheckSum(line, sizeof line))
        return std::string();
    return line;
}

// printf into the sentence buffer, then closed; empty when the text would be cut.
__attribute__((format(printf, 1, 2))) std::string composed(const char* format, ...)
{
    char text[SentenceSize];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length < 0 || size_t(length) >= sizeof text)
        return std::string();
    return closed(text);
}

} // namespace

std::string escapeReserved(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        appendEscaped(out, c);
    return out;
}

bool escapeReserved(char* out, size_t outSize, const char* in)
{
    if (outSize == 0)
        return false;
    size_t used = 0;
    for (; *in; ++in) {
        std::string piece;
        appendEscaped(piece, *in);
        if (used + piece.size() >= outSize) {
            out[used] = '\0';
            return false;
        }
        std::memcpy(out + used, piece.data(), piece.size());
        used += piece.size();
    }
    out[used] = '\0';
    return true;
}

std::string versionQuery()
{
    return closed("$AIAIQ,VER");
}

std::string propertyQuery()
{
    return closed("!AIAIQ,EPV");
}

std::string systemDataQuery(unsigned short testNumber)
{
    return composed("$PTST,,,,,%d", int(testNumber));
}

std::string cfgSentence(bool command, int32_t item, CFG_DEVICE_MODEL sub, int32_t value)
{
    const char status = command ? 'C' : 'Q';
    if (sub == CFG_SUB_NONE)
        return composed("$PQLX,%c,CFG,%d,,,", status, int(item));
    return composed("$PQLX,%c,CFG,%d,%d,%d,", status, int(item), int(sub), int(value));
}

std::string dbgSentence(bool command, const DBG_CMD_PARAM& params, int count)
{
    std::string text = command ? "$PQLX,C,DBG," : "$PQLX,Q,DBG,";
    for (int pair = 0; pair < DBG_CMD_PARAM::PairCount; ++pair) {
        if (pair < count)
            text += std::to_string(params.param[2 * pair]) + ',' + std::to_string(params.param[2 * pair + 1]) + ',';
        else
            text += ",,";
    }
    return closed(text);
}

std::string settingsSentence(const DBG_CMD_PARAM& params)
{
    const int32_t* p = params.param;
    return composed("$PDBG,%d,%d,%d,%d,%d,%d,%d,%d,", int(p[0]), int(p[1]), int(p[2]), int(p[3]), int(p[4]),
                    int(p[5]), int(p[6]), int(p[7]));
}

std::string wifiCfgModeSentence(bool on)
{
    return composed("$PDBG,%d,%d,,,,,,", int(PDBG_WIFI_CFG_MODE), on ? 1 : 0);
}

std::string mmsiSentence(int32_t mmsi)
{
    return composed("$PQLX,C,MID,%d", int(mmsi));
}

std::string pmidSentence(int32_t mmsi)
{
    return composed("$PMID,%d,", int(mmsi));
}

std::string staticDataSentence(const std::string& callSign, const std::string& shipName, int32_t a, int32_t b,
                               int32_t c, int32_t d)
{
    return closed("$ECSSD," + escapeReserved(callSign) + ',' + escapeReserved(shipName) + ','
                  + std::to_string(a) + ',' + std::to_string(b) + ',' + std::to_string(c) + ',' + std::to_string(d)
                  + ",,");
}

std::string shipTypeSentence(int32_t shipType)
{
    return composed("$ECVSD,%d,,,,,,,,", int(shipType));
}

std::string propertySentence(int32_t mmsi, int32_t property, int32_t value)
{
    return composed("$AIEPV,C,AI,%09d,%d,%d", int(mmsi), int(property), int(value));
}

} // namespace DeviceSentence
