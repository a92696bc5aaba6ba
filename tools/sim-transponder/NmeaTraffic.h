#pragma once

#include "AisPacker.h"
#include "Motion.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QVector>
#include <cstdint>

namespace Sim {

class CFactorySettings;

// What the device sends unasked, one simulated second at a time: its GNSS sentences, its own
// vessel's position report on channels A and B in turn, every OwnStaticEverySeconds from the
// first second its own static report after it, and the reports of three targets.
class CNmeaTraffic
{
public:
    static constexpr int OwnStaticEverySeconds = 30;

    // False when the settings lack the own ship or a target, or garble one.
    bool load(const CFactorySettings& settings);
    // An own MMSI of 0 means none programmed: the device does not report its own vessel.
    QByteArrayList linesAt(int64_t second, const QDateTime& utc, const SStaticReport& own) const;

private:
    struct STarget
    {
        uint32_t mmsi;
        SFix start;
    };

    SFix m_own;
    QVector<STarget> m_targets;
};

} // namespace Sim
