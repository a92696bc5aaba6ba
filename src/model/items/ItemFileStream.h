#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace NaviScope {

// Little-endian fields of an item file. Every read fails cleanly at the end of the file.
class ItemFileStream
{
public:
    explicit ItemFileStream(std::FILE* file)
        : m_file(file)
    {
    }

    bool ok() const { return m_ok; }

    void writeBytes(const void* data, size_t size);
    void writeZeros(size_t size);
    void writeU16(uint16_t value) { writeUnsigned(value, 2); }
    void writeU32(uint32_t value) { writeUnsigned(value, 4); }
    void writeU64(uint64_t value) { writeUnsigned(value, 8); }
    void writeFloat(float value);
    void writeDouble(double value);

    void readBytes(void* data, size_t size);
    void skip(size_t size);
    uint16_t readU16() { return static_cast<uint16_t>(readUnsigned(2)); }
    uint32_t readU32() { return static_cast<uint32_t>(readUnsigned(4)); }
    uint64_t readU64() { return readUnsigned(8); }
    float readFloat();
    double readDouble();

private:
    void writeUnsigned(uint64_t value, int size);
    uint64_t readUnsigned(int size);

    std::FILE* m_file;
    bool m_ok = true;
};

} // namespace NaviScope
