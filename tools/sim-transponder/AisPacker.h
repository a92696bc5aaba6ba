#pragma once

#include <QByteArray>
#include <cstdint>

// AIS messages as the transponder puts them on the link: fields packed most significant bit
// first and armoured six bits to a character. Values are in the message's own units
// (positions in 1/10000 minute, speed in 0.1 knot, course in 0.1 degree).
namespace Sim {

class CSixBitPacker
{
public:
    // Appends the low `bits` bits of the value; a negative value goes in as two's complement.
    void add(int64_t value, int bits);
    // The armoured payload; the last character is filled up with zero bits.
    QByteArray payload() const;
    int fillBits() const;

private:
    QByteArray m_sixBits;
    int m_usedInLast = 6;
};

// The part that the position reports share, in this order.
struct SPosition
{
    int speed = 1023;
    bool accurate = false;
    int32_t longitude = 108600000;
    int32_t latitude = 54600000;
    int course = 3600;
    int heading = 511;
    int second = 60;
};

// Message 1, the Class A position report.
struct SPositionReportA
{
    int repeat = 0;
    uint32_t mmsi = 0;
    int navStatus = 15;
    int rateOfTurn = -128;
    SPosition position;
    int manoeuvre = 0;
    bool raim = false;
    uint32_t radio = 0;
};

// Message 18, the Class B position report.
struct SPositionReportB
{
    int repeat = 0;
    uint32_t mmsi = 0;
    SPosition position;
    bool carrierSense = true;
    bool display = false;
    bool dsc = false;
    bool wholeBand = true;
    bool message22 = false;
    bool assigned = false;
    bool raim = false;
    uint32_t radio = 0;
};

// Message 24, the Class B static data report: part A names the vessel, part B gives its type,
// call sign and dimensions (metres from the reference point).
struct SStaticReport
{
    int repeat = 0;
    uint32_t mmsi = 0;
    QByteArray name;
    int shipType = 0;
    QByteArray callSign;
    int toBow = 0;
    int toStern = 0;
    int toPort = 0;
    int toStarboard = 0;
};

QByteArray PackPositionReportA(const SPositionReportA& report);
QByteArray PackPositionReportB(const SPositionReportB& report);
QByteArray PackStaticReportA(const SStaticReport& report);
QByteArray PackStaticReportB(const SStaticReport& report);

} // namespace Sim
