// An arbitrary ./logger.log read the two ways the program reads it: its head line, when the
// logger is made, and the decoding into ./loggerDecrypt.log. Run it in a scratch directory
// (fuzz/run-fuzzer.sh does): it writes both files in the working directory.
#include "support/SysDebug.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "log decode: %s\n", what);
    std::abort();
}

void writeFile(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        fail("cannot write the log file");
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        fail("cannot write the log file");
    std::fclose(file);
}

std::string readFile(const char* path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        fail("no decoded log written");
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

bool isBase64Text(const uint8_t* data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '+' && c != '/')
            return false;
    }
    return true;
}

std::string toBase64(const std::string& bytes)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<uint8_t>(bytes[i]) << 16 | static_cast<uint8_t>(bytes[i + 1]) << 8
                           | static_cast<uint8_t>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += alphabet[(v >> shift) & 0x3F];
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFile(SysDebug::LogFilePath, data, size);
    {
        SysDebug logger; // reads the head line; its thread is never started
    }
    std::remove(SysDebug::DecryptFilePath);
    SysDebug::logDecryption();

    const std::string decoded = readFile(SysDebug::DecryptFilePath);
    // Every 4 text characters give at most 3 bytes.
    if (decoded.size() > size / 4 * 3 + 2)
        fail("more bytes decoded than the text can hold");
    // A log the program wrote (whole groups of 4, no fill) decodes to bytes that encode back to it.
    if (size % 4 == 0 && isBase64Text(data, size)
        && toBase64(decoded) != std::string(reinterpret_cast<const char*>(data), size))
        fail("a clean log does not decode to what encodes back to it");
    return 0;
}
