#include "AisPacker.h"

#include <cctype>

namespace Sim {

void CSixBitPacker::add(int64_t value, int bits)
{
    for (int bit = bits - 1; bit >= 0; --bit) {
        if (m_usedInLast == 6) {
            m_sixBits += '\0';
            m_usedInLast = 0;
        }
        const char set = static_cast<char>(((value >> bit) & 1) << (5 - m_usedInLast));
        m_sixBits[m_sixBits.size() - 1] = static_cast<char>(m_sixBits.at(m_sixBits.size() - 1) | set);
        ++m_usedInLast;
    }
}

QByteArray CSixBitPacker::payload() const
{
    QByteArray armoured;
    armoured.reserve(m_sixBits.size());
    for (const char value : m_sixBits)
        armoured += static_cast<char>(value < 40 ? value + 48 : value + 56);
    return armoured;
}

int CSixBitPacker::fillBits() const
{
    return m_sixBits.isEmpty() ? 0 : 6 - m_usedInLast;
}

namespace {

void addPosition(CSixBitPacker& packer, const SPosition& position)
{
    packer.add(position.speed, 10);
    packer.add(position.accurate, 1);
    packer.add(position.longitude, 28);
    packer.add(position.latitude, 27);
    packer.add(position.course, 12);
    packer.add(position.heading, 9);
    packer.add(position.second, 6);
}

// Six-bit text, cut or filled up with "@" to its characters; letters are sent upper case.
void addText(CSixBitPacker& packer, const QByteArray& text, int characters)
{
    for (int i = 0; i < characters; ++i) {
        const char c = i < text.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(text.at(i)))) : '@';
        const int code = c >= 64 && c < 96 ? c - 64 : (c >= 32 && c < 64 ? c : 0);
        packer.add(code, 6);
    }
}

void addStaticHeader(CSixBitPacker& packer, const SStaticReport& report, int part)
{
    packer.add(24, 6);
    packer.add(report.repeat, 2);
    packer.add(report.mmsi, 30);
    packer.add(part, 2);
}

} // namespace

QByteArray PackPositionReportA(const SPositionReportA& report)
{
    CSixBitPacker packer;
    packer.add(1, 6);
    packer.add(report.repeat, 2);
    packer.add(report.mmsi, 30);
    packer.add(report.navStatus, 4);
    packer.add(report.rateOfTurn, 8);
    addPosition(packer, report.position);
    packer.add(report.manoeuvre, 2);
    packer.add(0, 3);
    packer.add(report.raim, 1);
    packer.add(report.radio, 19);
    return packer.payload();
}

QByteArray PackPositionReportB(const SPositionReportB& report)
{
    CSixBitPacker packer;
    packer.add(18, 6);
    packer.add(report.repeat, 2);
    packer.add(report.mmsi, 30);
    packer.add(0, 8);
    addPosition(packer, report.position);
    packer.add(0, 2);
    packer.add(report.carrierSense, 1);
    packer.add(report.display, 1);
    packer.add(report.dsc, 1);
    packer.add(report.wholeBand, 1);
    packer.add(report.message22, 1);
    packer.add(report.assigned, 1);
    packer.add(report.raim, 1);
    packer.add(report.radio, 20);
    return packer.payload();
}

QByteArray PackStaticReportA(const SStaticReport& report)
{
    CSixBitPacker packer;
    addStaticHeader(packer, report, 0);
    addText(packer, report.name, 20);
    return packer.payload();
}

QByteArray PackStaticReportB(const SStaticReport& report)
{
    CSixBitPacker packer;
    addStaticHeader(packer, report, 1);
    packer.add(report.shipType, 8);
    addText(packer, QByteArray(), 3); // vendor identifier
    packer.add(0, 4);                 // unit model code
    packer.add(0, 20);                // serial number
    addText(packer, report.callSign, 7);
    packer.add(report.toBow, 9);
    packer.add(report.toStern, 9);
    packer.add(report.toPort, 6);
    packer.add(report.toStarboard, 6);
    packer.add(0, 4); // position fixing device
    packer.add(0, 2);
    return packer.payload();
}

} // namespace Sim
