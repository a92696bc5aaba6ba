#include "mainwindow/CAisConfigurationView.h"

#include "mainwindow/ports/CPortLister.h"
#include "mainwindow/ports/PortOrder.h"
#include "mainwindow/ports/PortSelection.h"

#include <QSignalBlocker>
#include <algorithm>

namespace {

// The connection's name field holds 31 characters and its terminator.
constexpr int DeviceNameLimit = 32;

} // namespace

void CAisConfigurationView::refreshSerialPortDisp(bool init)
{
    const SPortSelection selection = BuildPortSelection(m_portLister.availablePorts(), init,
                                                        m_serialPortComboBox.currentText(), m_msgText.inUseSuffix);
    const QSignalBlocker blocker(m_serialPortComboBox);
    m_serialPortComboBox.clear();
    for (const SPortRow& row : selection.rows)
        m_serialPortComboBox.addItem(row.text, row.systemLocation);
    m_serialPortComboBox.setCurrentIndex(selection.current);
}

COMM::SCommConntProfile CAisConfigurationView::getConntProfile(int baudIndex) const
{
    return getGeneralConntProfile(COMM::SENSOR_DEVICE_LINK, baudIndex);
}

COMM::SCommConntProfile CAisConfigurationView::getGeneralConntProfile(COMM::SENSOR_DEVICE_T device,
                                                                        int baudIndex) const
{
    const QString text = m_serialPortComboBox.currentText();
    const std::u32string name = text.size() < DeviceNameLimit ? text.toStdU32String() : std::u32string();

    COMM::SCommConntProfile profile;
    profile.conntSetting = COMM::BuildConntLink(device, name.c_str(), COMM::PRIMARY_POS_UNDEFINED, true);
    profile.conntSetting.splitLines = true;
    profile.commType = COMM::COMM_TYPE_SERIAL;

    // The row carries the location; the port is opened by the name its lister gives it.
    const QString location = m_serialPortComboBox.currentData(Qt::UserRole).toString();
    QVector<SSerialPortEntry> ports = m_portLister.availablePorts();
    std::sort(ports.begin(), ports.end(), comNameLessThan);
    const auto port = std::find_if(ports.cbegin(), ports.cend(), [&location](const SSerialPortEntry& entry) {
        return entry.systemLocation == location;
    });
    const std::string portName = port != ports.cend() ? port->name.toStdString() : std::string();
    profile.serialConfig = COMM::BuildSerialConfig(portName.c_str(), baudIndex);
    return profile;
}
