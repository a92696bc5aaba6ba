// The version sentence "$AIVER", as the device answers the probe.
#include "device/CAisSentenceHandle.h"
#include "device/CSentenceFields.h"
#include "device/DeviceFields.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <limits>

namespace {

template <typename T>
void ReadNumber(const char* field, const char* name, T* value)
{
    if (DeviceField::ReadInt(field, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), value))
        return;
    *value = 0;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "parseAIVER", 0,
                                                        "%s out of range, read as 0: %s", name, field);
}

} // namespace

AIVER_S CAisSentenceHandle::parseAIVER(const char* sentence)
{
    AIVER_S version{};
    // Ten fields end at a comma, the eleventh at the "*", the checksum at the CR. A sentence that
    // ends early leaves the fields after it null, and so 0 or empty.
    const CSentenceFields fields(sentence, ",,,,,,,,,,*\r", "parseAIVER");
    DeviceField::CopyField(version.address, fields[0]);
    ReadNumber(fields[1], "total number of sentences", &version.totalSentences);
    ReadNumber(fields[2], "sentence number", &version.sentenceNumber);
    DeviceField::CopyField(version.deviceType, fields[3]);
    DeviceField::CopyField(version.vendorId, fields[4]);
    DeviceField::CopyField(version.uniqueId, fields[5]);
    ReadNumber(fields[6], "serial number", &version.serialNumber);
    ReadNumber(fields[7], "model code", &version.modelCode);
    DeviceField::CopyField(version.modelText, fields[8]);
    DeviceField::CopyField(version.revision, fields[9]);
    DeviceField::CopyField(version.lastText, fields[10]);
    ReadNumber(fields[11], "checksum", &version.checksum);
    return version;
}
