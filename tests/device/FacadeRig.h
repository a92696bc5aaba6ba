#pragma once

#include "comm/CommProfile.h"
#include "device/CCommSpacesManage.h"

#include <QFile>
#include <QString>

namespace DeviceFixture {

// The communication facade with its hooks and its tick interval within the test's reach.
class Facade : public CCommSpacesManage
{
public:
    explicit Facade(int tickMs = TimerInterval)
    {
        setTimerInterval(tickMs);
    }
    ~Facade() override { end(); }

    using CCommSpacesManage::commCommDataSaved;
    using CCommSpacesManage::commDeleteCommData;
    using CCommSpacesManage::commReleaseTh;
};

// The device connection as the main window builds it from the port selector: serial, lines
// split, primary position role undefined (so the own vessel's VDO counts as the own vessel).
inline COMM::SCommConntProfile deviceProfile(const QString& port, bool active = true)
{
    COMM::SCommConntProfile profile;
    profile.conntSetting = COMM::BuildConntLink(COMM::SENSOR_DEVICE_LINK, U"device", COMM::PRIMARY_POS_UNDEFINED, active);
    profile.conntSetting.splitLines = true;
    profile.commType = COMM::COMM_TYPE_SERIAL;
    profile.serialConfig = COMM::BuildSerialConfig(QFile::encodeName(port).constData(), 2);
    return profile;
}

} // namespace DeviceFixture
