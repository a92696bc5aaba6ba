#include "device/CCommSpacesManage.h"

#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

CCommSpacesManage::CCommSpacesManage(QObject* parent)
    : CCommSpaces(false, parent)
{
}

void CCommSpacesManage::connectDeviceComm(COMM::SCommConntProfile& profile)
{
    saveComm(profile);
}

void CCommSpacesManage::disconnectDeviceComm()
{
    COMM::CServiceComm* link = m_deviceComm.getLink();
    if (!link)
        return;
    // Looked up under the list's lock; an entry deleted meanwhile is ignored by the deletion.
    if (COMM::CCommData* item = getCommData(link))
        deleteComm(item);
}

bool CCommSpacesManage::sendCommand(const char* data, int count)
{
    SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
    // Cut, a sentence would go out broken.
    if (count < 0 || count > COMM::STxPackage::DataSize || (!data && count > 0)) {
        log->dbgPrintf(DBG_ERROR, "sendCommand", 0, "%d bytes refused: a package holds 0 to %d", count,
                       COMM::STxPackage::DataSize);
        return false;
    }
    COMM::STxPackage package;
    package.setData(data, size_t(count));
    package.spacing = SentenceSpacingMs;
    package.created = int64_t(Portal::Time::Clock());
    if (!m_deviceComm.appendToLink(package, true)) {
        log->dbgPrintf(DBG_ERROR, "sendCommand", 0, "%s", "Communication is failed");
        return false;
    }
    return true;
}

void CCommSpacesManage::commCommDataSaved(COMM::CCommData* item)
{
    m_deviceComm.setComm(item);
    m_deviceComm.connectSetup();
    m_deviceComm.getSentenceHandle().setDevDetectState(DEV_STATE_LINK_SAVED);
}
