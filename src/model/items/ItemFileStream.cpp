#include "model/items/ItemFileStream.h"

#include <cstring>

namespace NaviScope {

void ItemFileStream::writeBytes(const void* data, size_t size)
{
    if (m_ok && size > 0)
        m_ok = m_file && std::fwrite(data, 1, size, m_file) == size;
}

void ItemFileStream::writeZeros(size_t size)
{
    static constexpr unsigned char Zeros[64] = {};
    while (m_ok && size > 0) {
        const size_t part = size < sizeof Zeros ? size : sizeof Zeros;
        writeBytes(Zeros, part);
        size -= part;
    }
}

void ItemFileStream::writeUnsigned(uint64_t value, int size)
{
    unsigned char bytes[8];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    writeBytes(bytes, static_cast<size_t>(size));
}

void ItemFileStream::writeFloat(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    writeU32(bits);
}

void ItemFileStream::writeDouble(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    writeU64(bits);
}

void ItemFileStream::readBytes(void* data, size_t size)
{
    if (m_ok && size > 0)
        m_ok = m_file && std::fread(data, 1, size, m_file) == size;
    if (!m_ok && size > 0)
        std::memset(data, 0, size);
}

void ItemFileStream::skip(size_t size)
{
    unsigned char scratch[64];
    while (m_ok && size > 0) {
        const size_t part = size < sizeof scratch ? size : sizeof scratch;
        readBytes(scratch, part);
        size -= part;
    }
}

uint64_t ItemFileStream::readUnsigned(int size)
{
    unsigned char bytes[8] = {};
    readBytes(bytes, static_cast<size_t>(size));
    uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return value;
}

float ItemFileStream::readFloat()
{
    const uint32_t bits = readU32();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double ItemFileStream::readDouble()
{
    const uint64_t bits = readU64();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace NaviScope
