#include "NmeaTraffic.h"

#include "AisReports.h"
#include "FactorySettings.h"
#include "GnssSentences.h"

namespace Sim {

namespace {

// Numbers of a "traffic" value; false when one is no number or the count is wrong.
bool numbers(const QByteArray& text, int count, QVector<double>* values)
{
    const QByteArrayList fields = text.split(',');
    if (fields.size() != count)
        return false;
    for (const QByteArray& field : fields) {
        bool ok = false;
        values->append(field.toDouble(&ok));
        if (!ok)
            return false;
    }
    return true;
}

char channelOf(int64_t turn)
{
    return turn % 2 == 0 ? 'A' : 'B';
}

} // namespace

bool CNmeaTraffic::load(const CFactorySettings& settings)
{
    QVector<double> own;
    if (!numbers(settings.value("traffic", "own"), 4, &own))
        return false;
    m_own = {own[0], own[1], own[2], own[3]};
    m_targets.clear();
    for (const QByteArray& text : settings.values("traffic", "target")) {
        QVector<double> target;
        if (!numbers(text, 5, &target))
            return false;
        m_targets.append(STarget {static_cast<uint32_t>(target[0]), {target[1], target[2], target[3], target[4]}});
    }
    return m_targets.size() == 3;
}

QByteArrayList CNmeaTraffic::linesAt(int64_t second, const QDateTime& utc, const SStaticReport& own) const
{
    const SFix ownFix = FixAt(m_own, second);
    const int utcSecond = utc.time().second();
    QByteArrayList lines = GnssSentences(ownFix, utc);
    if (own.mmsi != 0) {
        lines += OwnVesselReport(ownFix, own.mmsi, utcSecond, channelOf(second));
        if (second % OwnStaticEverySeconds == 0)
            lines += OwnStaticReports(own, channelOf(second));
    }
    for (int i = 0; i < m_targets.size(); ++i)
        lines += TargetReport(FixAt(m_targets[i].start, second), m_targets[i].mmsi, utcSecond, channelOf(second + i));
    return lines;
}

} // namespace Sim
