// Arbitrary bytes in arbitrary chunks on the device link: a transport's receive entry and line
// cutting into the device's sentence handler, which takes the version sentence, the CFG and EPV
// replies and the system-data text before the codec. Beyond crashes and hangs it checks what
// the main window relies on: detection only moves forward from "link saved" to "model known" to
// "system data end", and never to a model before its version sentence; the model and its
// number agree; the record's texts and the version's end in a NUL within their widths; its
// values stay within what the parsers let through; the Wi-Fi mode signal is 0 or 1.
#include "FuzzReceiveRig.h"

#include "device/CAisSentenceHandle.h"
#include "device/CKTRWiFiPaser.h"
#include "device/DeviceSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char* what, long value)
{
    std::fprintf(stderr, "device sentences: %s (%ld)\n", what, value);
    std::abort();
}

template <size_t N>
void checkText(const char (&field)[N], const char* name)
{
    if (std::memchr(field, '\0', N) == nullptr)
        fail(name, long(N));
}

// How far detection has come, in the order it moves.
int detectionStep(COMM_VELK_DEV_STATE state)
{
    switch (state) {
    case DEV_STATE_LINK_SAVED:
        return 0;
    case DEV_STATE_MODEL_KNOWN:
        return 1;
    case DEV_STATE_SYSTEM_DATA_END:
        return 2;
    default:
        fail("detection state that the handler never sets", long(state));
    }
}

bool isBaud(int32_t baud)
{
    for (int32_t known : {0, 115200, 57600, 38400, 19200, 14400, 9600, 4800})
        if (baud == known)
            return true;
    return false;
}

void checkModel(const CAisSentenceHandle& handle)
{
    const MACHINE_TYPE model = handle.getMachineType();
    const int number = handle.getModelNumber();
    const bool agree = (model == MACHINE_UNKNOWN && number == 0)
                       || (model == MACHINE_UNIT_K_42 && number == CFG_ITEM_UNIT_K_42)
                       || (model == MACHINE_Q_375 && number == CFG_ITEM_Q_375);
    if (!agree)
        fail("model and model number disagree", long(model) * 10000 + number);
}

void checkRecord(const CSensorConfig& c)
{
    checkText(c.shipName, "ship name without its NUL");
    checkText(c.callSign, "call sign without its NUL");
    checkText(c.serialNumber, "serial number without its NUL");
    checkText(c.firmware, "firmware without its NUL");
    checkText(c.dscMonitor, "DSC monitor without its NUL");
    checkText(c.fwVersion, "firmware version without its NUL");
    if (c.mmsiValid != (c.mmsi != 0))
        fail("MMSI present disagrees with the MMSI", long(c.mmsi));
    if (c.gpsOnCopy != c.gpsOn)
        fail("the GPS switch and its copy disagree", long(c.gpsOn));
    if (c.nmea2000Instance < 0 || c.nmea2000Instance > 255)
        fail("NMEA 2000 instance outside 0 to 255", long(c.nmea2000Instance));
    for (int32_t baud : {c.nmea1OutBaud, c.nmea1InBaud, c.nmea2OutBaud, c.nmea2InBaud})
        if (!isBaud(baud))
            fail("baud rate that no baud code gives", long(baud));
}

void checkVersion(const AIVER_S& v)
{
    checkText(v.address, "version address without its NUL");
    checkText(v.deviceType, "device type without its NUL");
    checkText(v.vendorId, "vendor without its NUL");
    checkText(v.uniqueId, "unique id without its NUL");
    checkText(v.modelText, "model text without its NUL");
    checkText(v.revision, "revision without its NUL");
    checkText(v.lastText, "last version field without its NUL");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzReceiveRig::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReceiveRig::StartInput();
    // The Wi-Fi mode check keeps its state process-wide: an exit and its answer clear it, so
    // that each input starts alike.
    CKTRWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n");
    CKTRWiFiPaser::checkCfgModeEnable("+ok\r\n");

    ReceiveRig::CLink link;
    CAisSentenceHandle handle; // initialises the codec
    ReceiveRig::Wire(link, handle);
    handle.setDevDetectState(DEV_STATE_LINK_SAVED);
    bool versionSeen = false;
    QObject::connect(&handle, &CAisSentenceHandle::signalWiFiCfgModeEnable, [](int mode) {
        if (mode != 0 && mode != 1)
            fail("Wi-Fi mode signal neither 0 nor 1", mode);
    });

    int step = 0;
    FuzzReceiveRig::Feed(link, data, size, [&](const std::string&) {
        const int reached = detectionStep(handle.getDevDetectState());
        if (reached < step)
            fail("detection went back", reached);
        step = reached;
        const AIVER_S version = handle.getVersionInfo();
        versionSeen = versionSeen || version.modelText[0] != '\0';
        checkModel(handle);
        if (!versionSeen && (step > 0 || handle.getMachineType() != MACHINE_UNKNOWN))
            fail("a model without a version sentence", long(handle.getMachineType()));
        checkVersion(version);
        checkRecord(handle.getCurrentConfig());
    });
    return 0;
}
