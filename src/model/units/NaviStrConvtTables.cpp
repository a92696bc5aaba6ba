#include "model/units/NaviStrConvt.h"

#include "model/units/StringConvt.h"

#include <algorithm>
#include <string>

namespace NaviScope {

namespace {

template <size_t N>
const char* tableText(const char* const (&table)[N], unsigned index)
{
    return index < N ? table[index] : "";
}

// Code texts are shown left-aligned in a column of this width.
const size_t CodeTextWidth = 28;

void assignPadded(StringConvt::CTextBuffer buffer, const char* text)
{
    std::string padded(text);
    padded.resize(std::max(padded.size(), CodeTextWidth), ' ');
    buffer.assign(padded);
}

const char* const StationKindTexts[][3] = {
    {"Base", "Base Station", "(Base)"}, {"SAR", "SAR", "(SAR)"},         {"AtoN", "AtoN", "(AtoN)"},
    {"A", "Class A", "(A)"},            {"B", "Class B", "(B)"},         {"SART", "SART", "(SART)"},
};

struct SShipTypeRow
{
    char text[32];
    int code;
};

const SShipTypeRow ShipTypes[] = {
    {"N/A;No ship", 10},
    {"WIG", 20},
    {"Vessel-Fishing", 30},
    {"Vessel-Towing", 31},
    {"Vessel-Tow>200m,breadth>25m", 32},
    {"Vessel-Dredge,Underwater OP", 33},
    {"Vessel-Diving OP", 34},
    {"Vessel-Military OP", 35},
    {"Vessel-Sailing", 36},
    {"Vessel-Pleasure craft", 37},
    {"HSC", 40},
    {"Pilot vessel", 50},
    {"Search & rescue vessel", 51},
    {"Tug", 52},
    {"Port tender", 53},
    {"Anti-pollution vessel", 54},
    {"Law enforcement vessel", 55},
    {"Medical transport", 58},
    {"Resolution 18(Mob-83)", 59},
    {"Passenger ship", 60},
    {"Cargo ship", 70},
    {"Tanker", 80},
    {"Unknown ship type!", 90},
    {"Undefined ship type!", -1},
    {"Vessel-Future type", -1},
    {"Local assigned vessel", -1},
};
const int UndefinedShipTypeRow = 23;
const int FutureShipTypeRow = 24;
const int LocalShipTypeRow = 25;

// The 30s and 50s name the vessel by their units digit; the other decades carry cargo in it.
bool vesselByUnits(uint8_t shipType)
{
    return shipType / 10 == 3 || shipType / 10 == 5;
}

int shipTypeRow(uint8_t shipType)
{
    if (shipType < 10 || shipType > 99)
        return UndefinedShipTypeRow;
    if (shipType == 56 || shipType == 57)
        return LocalShipTypeRow;
    if (shipType == 38 || shipType == 39)
        return FutureShipTypeRow;
    const int code = vesselByUnits(shipType) ? shipType : shipType / 10 * 10;
    for (int row = 0; row < UndefinedShipTypeRow; ++row) {
        if (ShipTypes[row].code == code)
            return row;
    }
    return UndefinedShipTypeRow;
}

const char* const CargoTexts[] = {"N/A; Harmless", "DG,HS or MP(Pollutant A)", "DG,HS or MP(Pollutant B)",
                                  "DG,HS or MP(Pollutant C)", "DG,HS or MP(Pollutant D)"};

const char* const NavStatusTexts[] = {"Under way using engine",     "At anchor", "Not under command",
                                      "Restricted manoeuvrability", "Constrained by her draught",
                                      "Moored",                     "Aground",   "Engaged in fishing",
                                      "Under way sailing"};

const char* const EpfsTexts[] = {"Undefined", "GPS",    "GLONASS",    "GPS+GLONASS",
                                 "Loran-C",   "Chayka", "Integrated", "Surveyed"};

const char* const AtonRealVirtualTexts[] = {"Real", "Virtual", "Synthetic"};
const char* const AtonHealthTexts[] = {"Good health", "Alarm"};
const char* const AtonPositionTexts[] = {"On position", "Off position"};
const char* const AtonLightTexts[] = {"No Light", "ON", "OFF", "Error"};
const char* const AtonRaconTexts[] = {"Not installed", "Not monitored", "Operational", "Error"};
const char* const AtonTypeTexts[] = {"Not Specified",
                                     "Reference point",
                                     "RACON",
                                     "Fixed structures off-shore",
                                     "Spare, Reserved for future use",
                                     "Light, without sectors",
                                     "Light, with sectors",
                                     "Leading Light Front",
                                     "Leading Light Rear",
                                     "Beacon, Cardinal N",
                                     "Beacon, Cardinal E",
                                     "Beacon, Cardinal S",
                                     "Beacon, Cardinal W",
                                     "Beacon, Port hand",
                                     "Beacon, Starboard hand",
                                     "Beacon, Preferred Channel port hand",
                                     "Beacon, Preferred Channel starboard hand",
                                     "Beacon, Isolated danger",
                                     "Beacon, Safe water",
                                     "Beacon, Special mark",
                                     "Cardinal Mark N",
                                     "Cardinal Mark E",
                                     "Cardinal Mark S",
                                     "Cardinal Mark W",
                                     "Port hand Mark",
                                     "Starboard hand Mark",
                                     "Preferred Channel Port hand",
                                     "Preferred Channel Starboard hand",
                                     "Isolated danger",
                                     "Safe Water",
                                     "Special Mark",
                                     "Light Vessel/LANBY/Rigs"};

// The AtoN name and its extension are put together in a work buffer of this size.
const size_t AtonNameRoom = 120;

} // namespace

void NaviStrConvt::formatStrAisType(CTextBuffer buffer, AIS_TYPE kind, Unit::FORMAT_S form)
{
    if (kind >= std::size(StationKindTexts) || form < 0)
        buffer.assign("");
    else
        buffer.assign(StationKindTexts[kind][std::min<int>(form, Unit::FORMAT_S_BRACKETS)]);
}

int NaviStrConvt::getShipTypeContent(CTextBuffer buffer, uint8_t shipType)
{
    const int row = shipTypeRow(shipType);
    assignPadded(buffer, ShipTypes[row].text);
    return row == UndefinedShipTypeRow ? 0 : row;
}

int NaviStrConvt::getCargoTypeContent(CTextBuffer buffer, uint8_t shipType)
{
    const unsigned digit = shipType % 10;
    const bool hasCargo = shipType <= 99 && !vesselByUnits(shipType) && digit < std::size(CargoTexts);
    assignPadded(buffer, hasCargo ? CargoTexts[digit] : "Unknown Cargo!");
    return hasCargo ? static_cast<int>(digit) : 0;
}

void NaviStrConvt::formatStrVslType(CTextBuffer buffer, uint8_t shipType, AIS_TYPE kind)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A && kind != VudaviRirev::AIS_TYPE_CLASS_B) {
        buffer.assign("N/A");
        return;
    }
    getShipTypeContent(buffer, shipType);
    StringConvt::trimRight(buffer, ' ');
}

void NaviStrConvt::formatStrCargo(CTextBuffer buffer, uint8_t shipType, AIS_TYPE kind)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A && kind != VudaviRirev::AIS_TYPE_CLASS_B) {
        buffer.assign("N/A");
        return;
    }
    getCargoTypeContent(buffer, shipType);
    StringConvt::trimRight(buffer, ' ');
}

void NaviStrConvt::formatStrNavSta(CTextBuffer buffer, AIS_TYPE kind, uint8_t status)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign("N/A");
    else if (status >= std::size(NavStatusTexts))
        buffer.assign("Undefined!");
    else
        buffer.assign(NavStatusTexts[status]);
}

void NaviStrConvt::formatStrEPFS(CTextBuffer buffer, uint8_t epfs)
{
    buffer.assign(EpfsTexts[epfs < std::size(EpfsTexts) ? epfs : 0]);
}

void NaviStrConvt::formatStrPosAccu(CTextBuffer buffer, uint8_t accuracy)
{
    buffer.assign(accuracy == 1 ? "High" : "Low");
}

void NaviStrConvt::formatStrSartMode(CTextBuffer buffer, const VudaviRirev::AIS_SART_DATA& data)
{
    if (data.mode == 1)
        buffer.assign("Active Mode");
    else if (data.mode == 2)
        buffer.assign("Test Mode");
    else
        buffer.assign("");
}

void NaviStrConvt::formatStrArpaStatus(CTextBuffer buffer, char status)
{
    if (status == 'T')
        buffer.assign("Tracking");
    else if (status == 'Q')
        buffer.assign("Query");
    else if (status == 'L')
        buffer.assign("Lost");
}

void NaviStrConvt::formatStrAtonName(CTextBuffer buffer, CTextView name, CTextView extension)
{
    const std::string_view head = name.text();
    std::string text(head.substr(0, head.find('@')));
    text.append(extension.text());
    text.resize(std::min(text.size(), AtonNameRoom - 1));
    buffer.assign(std::string_view(text).substr(0, text.find('@')));
}

void NaviStrConvt::formatStrAtonRealVirtual(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data)
{
    buffer.assign(tableText(AtonRealVirtualTexts, data.virtualAton));
}

void NaviStrConvt::formatStrAtonType(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data)
{
    buffer.assign(tableText(AtonTypeTexts, data.atonType));
}

void NaviStrConvt::formatStrAtonStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data)
{
    std::string text = tableText(AtonHealthTexts, data.status & 1u);
    // An off-position flag outside the table leaves the health alone rather than a dangling comma.
    const std::string position = tableText(AtonPositionTexts, data.offPosition);
    if (!position.empty())
        text += ", " + position;
    buffer.assign(text);
}

void NaviStrConvt::formatStrAtonLightStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data)
{
    buffer.assign(tableText(AtonLightTexts, (data.status >> 1) & 3u));
}

void NaviStrConvt::formatStrAtonRACONStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data)
{
    buffer.assign(tableText(AtonRaconTexts, (data.status >> 3) & 3u));
}

} // namespace NaviScope
