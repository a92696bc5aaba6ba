#pragma once

#include <QByteArray>
#include <QVector>
#include <cstdint>

// Reads fields out of an armoured AIS payload at their published bit positions; the tests' own
// reading, independent of the simulator's packer.
class SixBitReader
{
public:
    explicit SixBitReader(const QByteArray& payload)
    {
        for (const char c : payload) {
            int value = c - 48;
            if (value > 40)
                value -= 8;
            for (int bit = 5; bit >= 0; --bit)
                m_bits.append(((value >> bit) & 1) != 0);
        }
    }

    int size() const { return m_bits.size(); }

    uint32_t unsignedField(int start, int width) const
    {
        uint32_t value = 0;
        for (int i = start; i < start + width; ++i)
            value = (value << 1) | (m_bits.value(i) ? 1u : 0u);
        return value;
    }

    int32_t signedField(int start, int width) const
    {
        const uint32_t value = unsignedField(start, width);
        const uint32_t sign = 1u << (width - 1);
        return static_cast<int32_t>(value ^ sign) - static_cast<int32_t>(sign);
    }

private:
    QVector<bool> m_bits;
};
