#include "DeviceState.h"

#include "FactorySettings.h"

namespace Sim {

namespace {

bool toInts(const QByteArrayList& fields, QVector<int>* numbers)
{
    for (const QByteArray& field : fields) {
        bool ok = false;
        numbers->append(field.trimmed().toInt(&ok));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

SCfgEntry* SDeviceState::findCfg(int item, int sub)
{
    for (SCfgEntry& entry : cfg) {
        if (entry.item == item && entry.sub == sub)
            return &entry;
    }
    return nullptr;
}

SEpvEntry* SDeviceState::findEpv(int property)
{
    for (SEpvEntry& entry : epv) {
        if (entry.property == property)
            return &entry;
    }
    return nullptr;
}

bool SDeviceState::hasWiFiModule() const
{
    for (const SCfgEntry& entry : cfg) {
        if (entry.item == 600 && entry.sub == 11)
            return entry.value == 1;
    }
    return false;
}

bool LoadDeviceState(const CFactorySettings& settings, int model, SDeviceState* state, QString* error)
{
    const QByteArray section = ModelSection(model);
    if (!settings.hasSection(section)) {
        *error = QStringLiteral("no section [%1] in the factory settings").arg(QString::fromLatin1(section));
        return false;
    }
    SDeviceState loaded;
    loaded.model = model;
    loaded.version = settings.value(section, "version");
    loaded.name = settings.value(section, "name");
    loaded.callSign = settings.value(section, "callsign");
    loaded.serial = settings.value(section, "serial");
    loaded.firmware = settings.value(section, "firmware");
    loaded.fwVersion = settings.value(section, "fwversion");

    const QByteArrayList numberKeys = {"mmsi", "shiptype", "a", "b", "c", "d", "dsc", "gps",
                                       "gpsrate", "multiplebaudrate", "dynmodel"};
    QByteArrayList numberTexts;
    for (const QByteArray& key : numberKeys)
        numberTexts += settings.value(section, key);
    QVector<int> numbers;
    bool ok = toInts(numberTexts, &numbers);
    if (ok) {
        loaded.mmsi = static_cast<uint32_t>(numbers[0]);
        loaded.shipType = numbers[1];
        loaded.a = numbers[2];
        loaded.b = numbers[3];
        loaded.c = numbers[4];
        loaded.d = numbers[5];
        loaded.dsc = numbers[6];
        loaded.gpsOn = numbers[7] == 1;
        loaded.gpsRate = numbers[8];
        loaded.multipleBaudRate = numbers[9];
        loaded.dynModel = numbers[10];
    }
    for (const QByteArray& text : settings.values(section, "cfg")) {
        const QByteArrayList fields = text.split(',');
        QVector<int> item;
        ok = ok && fields.size() == 4 && toInts(fields.mid(0, 3), &item);
        if (ok)
            loaded.cfg.append({item[0], item[1], item[2], fields[3]});
    }
    for (const QByteArray& text : settings.values(section, "epv")) {
        QVector<int> property;
        ok = ok && toInts(text.split(','), &property) && property.size() == 2;
        if (ok)
            loaded.epv.append({property[0], property[1]});
    }
    if (!ok || loaded.version.isEmpty()) {
        *error = QStringLiteral("the factory settings of [%1] lack a value or hold a garbled one")
                     .arg(QString::fromLatin1(section));
        return false;
    }
    *state = loaded;
    return true;
}

} // namespace Sim
