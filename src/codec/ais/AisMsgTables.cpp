#include "codec/ais/AisMsgTables.h"

#include "codec/ais/AisMessages.h"

#include <cstddef>

const uint32_t AisMsgPriority[AIS_MSG_PRIORITIES]
    = {1, 1, 1, 1, 4, 4, 1, 4, 1, 3, 3, 2, 1, 2, 3, 1, 2, 1, 1, 1, 1, 1, 1, 4, 4, 4, 1, 0};

namespace {

using F = AIS_message_formatter;

constexpr F fmt01[] = {
    {6, AIS_FT_UINT8, 1},            // message id
    {2, AIS_FT_UINT8, 1},            // repeat indicator
    {30, AIS_FT_MMSI, 1},            // source MMSI
    {4, AIS_FT_UINT8, 1},            // navigational status
    {8, AIS_FT_ROT, 1},              // rate of turn
    {10, AIS_FT_SOG, 0.1f},          // SOG
    {1, AIS_FT_UINT8, 1},            // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f}, // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},  // latitude
    {12, AIS_FT_COG, 0.1f},          // COG
    {9, AIS_FT_HEADING, 1},          // true heading
    {6, AIS_FT_TIME_STAMP, 1},       // time stamp
    {4, AIS_FT_UINT8, 1},            // regional
    {1, AIS_FT_UINT8, 1},            // spare
    {1, AIS_FT_UINT8, 1},            // RAIM
    {19, AIS_FT_COMM_STATE, 1},      // communication state
};

constexpr F fmt04[] = {
    {6, AIS_FT_UINT8, 1},            // message id
    {2, AIS_FT_UINT8, 1},            // repeat indicator
    {30, AIS_FT_MMSI, 1},            // source MMSI
    {14, AIS_FT_UINT16, 1},          // UTC year
    {4, AIS_FT_UINT8, 1},            // month
    {5, AIS_FT_UINT8, 1},            // day
    {5, AIS_FT_UINT8, 1},            // hour
    {6, AIS_FT_UINT8, 1},            // minute
    {6, AIS_FT_UINT8, 1},            // second
    {1, AIS_FT_UINT8, 1},            // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f}, // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},  // latitude
    {4, AIS_FT_UINT8, 1},            // EPFD type
    {10, AIS_FT_UINT16, 1},          // spare
    {1, AIS_FT_UINT8, 1},            // RAIM
    {19, AIS_FT_COMM_STATE, 1},      // communication state
};

constexpr F fmt05[] = {
    {6, AIS_FT_UINT8, 1},       // message id
    {2, AIS_FT_UINT8, 1},       // repeat indicator
    {30, AIS_FT_MMSI, 1},       // source MMSI
    {2, AIS_FT_UINT8, 1},       // AIS version
    {30, AIS_FT_MMSI, 1},       // IMO number
    {42, AIS_FT_TEXT, 1},       // call sign
    {120, AIS_FT_TEXT, 1},      // name
    {8, AIS_FT_UINT8, 1},       // ship and cargo type
    {30, AIS_FT_DIMENSIONS, 1}, // dimensions
    {4, AIS_FT_UINT8, 1},       // EPFD type
    {20, AIS_FT_ETA, 1},        // ETA
    {8, AIS_FT_SOG, 0.1f},      // draught
    {120, AIS_FT_TEXT, 1},      // destination
    {1, AIS_FT_UINT8, 1},       // DTE
    {1, AIS_FT_UINT8, 1},       // spare
};

constexpr F fmt06[] = {
    {6, AIS_FT_UINT8, 1},                   // message id
    {2, AIS_FT_UINT8, 1},                   // repeat indicator
    {30, AIS_FT_MMSI, 1},                   // source MMSI
    {2, AIS_FT_UINT8, 1},                   // sequence number
    {30, AIS_FT_MMSI, 1},                   // destination MMSI
    {1, AIS_FT_UINT8, 1},                   // retransmit flag
    {1, AIS_FT_UINT8, 1},                   // spare
    {0, AIS_FT_BINARY, AIS_MSG6_DATA_ROOM}, // binary data
};

constexpr F fmt07[] = {
    {6, AIS_FT_UINT8, 1}, // message id
    {2, AIS_FT_UINT8, 1}, // repeat indicator
    {30, AIS_FT_MMSI, 1}, // source MMSI
    {2, AIS_FT_UINT8, 1}, // spare
    {30, AIS_FT_MMSI, 1}, // destination MMSI 1
    {2, AIS_FT_UINT8, 1}, // sequence number 1
    {30, AIS_FT_MMSI, 1}, // destination MMSI 2
    {2, AIS_FT_UINT8, 1}, // sequence number 2
    {30, AIS_FT_MMSI, 1}, // destination MMSI 3
    {2, AIS_FT_UINT8, 1}, // sequence number 3
    {30, AIS_FT_MMSI, 1}, // destination MMSI 4
    {2, AIS_FT_UINT8, 1}, // sequence number 4
};

constexpr F fmt08[] = {
    {6, AIS_FT_UINT8, 1},                   // message id
    {2, AIS_FT_UINT8, 1},                   // repeat indicator
    {30, AIS_FT_MMSI, 1},                   // source MMSI
    {2, AIS_FT_UINT8, 1},                   // spare
    {0, AIS_FT_BINARY, AIS_MSG8_DATA_ROOM}, // binary data
};

constexpr F fmt09[] = {
    {6, AIS_FT_UINT8, 1},            // message id
    {2, AIS_FT_UINT8, 1},            // repeat indicator
    {30, AIS_FT_MMSI, 1},            // source MMSI
    {12, AIS_FT_UINT16, 1},          // altitude
    {10, AIS_FT_SOG, 1},             // SOG, whole knots
    {1, AIS_FT_UINT8, 1},            // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f}, // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},  // latitude
    {12, AIS_FT_COG, 0.1f},          // COG
    {6, AIS_FT_TIME_STAMP, 1},       // time stamp
    {8, AIS_FT_UINT8, 1},            // regional
    {1, AIS_FT_UINT8, 1},            // DTE
    {3, AIS_FT_UINT8, 1},            // spare
    {1, AIS_FT_UINT8, 1},            // assigned mode
    {1, AIS_FT_UINT8, 1},            // RAIM
    {1, AIS_FT_UINT8, 1},            // communication-state selector
    {19, AIS_FT_COMM_STATE, 1},      // communication state
};

constexpr F fmt10[] = {
    {6, AIS_FT_UINT8, 1}, // message id
    {2, AIS_FT_UINT8, 1}, // repeat indicator
    {30, AIS_FT_MMSI, 1}, // source MMSI
    {2, AIS_FT_UINT8, 1}, // spare
    {30, AIS_FT_MMSI, 1}, // destination MMSI
    {2, AIS_FT_UINT8, 1}, // spare
};

constexpr F fmt12[] = {
    {6, AIS_FT_UINT8, 1},                         // message id
    {2, AIS_FT_UINT8, 1},                         // repeat indicator
    {30, AIS_FT_MMSI, 1},                         // source MMSI
    {2, AIS_FT_UINT8, 1},                         // sequence number
    {30, AIS_FT_MMSI, 1},                         // destination MMSI
    {1, AIS_FT_UINT8, 1},                         // retransmit flag
    {1, AIS_FT_UINT8, 1},                         // spare
    {0, AIS_FT_TEXT_TO_END, AIS_MSG12_TEXT_ROOM}, // safety related text
};

constexpr F fmt14[] = {
    {6, AIS_FT_UINT8, 1},                         // message id
    {2, AIS_FT_UINT8, 1},                         // repeat indicator
    {30, AIS_FT_MMSI, 1},                         // source MMSI
    {2, AIS_FT_UINT8, 1},                         // spare
    {0, AIS_FT_TEXT_TO_END, AIS_MSG14_TEXT_ROOM}, // safety related text
};

constexpr F fmt15[] = {
    {6, AIS_FT_UINT8, 1},   // message id
    {2, AIS_FT_UINT8, 1},   // repeat indicator
    {30, AIS_FT_MMSI, 1},   // source MMSI
    {2, AIS_FT_UINT8, 1},   // spare
    {30, AIS_FT_MMSI, 1},   // destination MMSI 1
    {6, AIS_FT_UINT8, 1},   // message 1.1
    {12, AIS_FT_UINT16, 1}, // slot offset 1.1
    {2, AIS_FT_UINT8, 1},   // spare
    {6, AIS_FT_UINT8, 1},   // message 1.2
    {12, AIS_FT_UINT16, 1}, // slot offset 1.2
    {2, AIS_FT_UINT8, 1},   // spare
    {30, AIS_FT_MMSI, 1},   // destination MMSI 2
    {6, AIS_FT_UINT8, 1},   // message 2.1
    {12, AIS_FT_UINT16, 1}, // slot offset 2.1
    {2, AIS_FT_UINT8, 1},   // spare
};

constexpr F fmt16[] = {
    {6, AIS_FT_UINT8, 1},   // message id
    {2, AIS_FT_UINT8, 1},   // repeat indicator
    {30, AIS_FT_MMSI, 1},   // source MMSI
    {2, AIS_FT_UINT8, 1},   // spare
    {30, AIS_FT_MMSI, 1},   // destination MMSI A
    {12, AIS_FT_UINT16, 1}, // offset A
    {10, AIS_FT_UINT16, 1}, // increment A
    {30, AIS_FT_MMSI, 1},   // destination MMSI B
    {12, AIS_FT_UINT16, 1}, // offset B
    {10, AIS_FT_UINT16, 1}, // increment B
    {4, AIS_FT_UINT8, 1},   // spare
};

constexpr F fmt17[] = {
    {6, AIS_FT_UINT8, 1},         // message id
    {2, AIS_FT_UINT8, 1},         // repeat indicator
    {30, AIS_FT_MMSI, 1},         // source MMSI
    {2, AIS_FT_UINT8, 1},         // spare
    {18, AIS_FT_LONGITUDE, 0.1f}, // longitude
    {17, AIS_FT_LATITUDE, 0.1f},  // latitude
    {5, AIS_FT_UINT8, 1},         // spare
    {6, AIS_FT_UINT8, 1},         // correction message type
    {10, AIS_FT_UINT16, 1},       // station identifier
    {13, AIS_FT_UINT16, 1},       // Z count
    {3, AIS_FT_UINT8, 1},         // sequence number
    {5, AIS_FT_UINT8, 1},         // data words
    {3, AIS_FT_UINT8, 1},         // station health
};

constexpr F fmt18[] = {
    {6, AIS_FT_UINT8, 1},            // message id
    {2, AIS_FT_UINT8, 1},            // repeat indicator
    {30, AIS_FT_MMSI, 1},            // source MMSI
    {8, AIS_FT_UINT8, 1},            // spare
    {10, AIS_FT_SOG, 0.1f},          // SOG
    {1, AIS_FT_UINT8, 1},            // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f}, // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},  // latitude
    {12, AIS_FT_COG, 0.1f},          // COG
    {9, AIS_FT_HEADING, 1},          // true heading
    {6, AIS_FT_TIME_STAMP, 1},       // time stamp
    {2, AIS_FT_UINT8, 1},            // spare
    {1, AIS_FT_UINT8, 1},            // unit flag
    {1, AIS_FT_UINT8, 1},            // display flag
    {1, AIS_FT_UINT8, 1},            // DSC flag
    {1, AIS_FT_UINT8, 1},            // band flag
    {1, AIS_FT_UINT8, 1},            // message 22 flag
    {1, AIS_FT_UINT8, 1},            // mode flag
    {1, AIS_FT_UINT8, 1},            // RAIM
    {1, AIS_FT_UINT8, 1},            // communication-state selector
    {19, AIS_FT_COMM_STATE, 1},      // communication state
};

constexpr F fmt19[] = {
    {6, AIS_FT_UINT8, 1},            // message id
    {2, AIS_FT_UINT8, 1},            // repeat indicator
    {30, AIS_FT_MMSI, 1},            // source MMSI
    {8, AIS_FT_UINT8, 1},            // spare
    {10, AIS_FT_SOG, 0.1f},          // SOG
    {1, AIS_FT_UINT8, 1},            // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f}, // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},  // latitude
    {12, AIS_FT_COG, 0.1f},          // COG
    {9, AIS_FT_HEADING, 1},          // true heading
    {6, AIS_FT_TIME_STAMP, 1},       // time stamp
    {4, AIS_FT_UINT8, 1},            // spare
    {120, AIS_FT_TEXT, 1},           // name
    {8, AIS_FT_UINT8, 1},            // ship and cargo type
    {30, AIS_FT_DIMENSIONS, 1},      // dimensions
    {4, AIS_FT_UINT8, 1},            // EPFD type
    {1, AIS_FT_UINT8, 1},            // RAIM
    {1, AIS_FT_UINT8, 1},            // DTE
    {1, AIS_FT_UINT8, 1},            // assigned mode
    {4, AIS_FT_UINT8, 1},            // spare
};

constexpr F fmt20[] = {
    {6, AIS_FT_UINT8, 1},   // message id
    {2, AIS_FT_UINT8, 1},   // repeat indicator
    {30, AIS_FT_MMSI, 1},   // source MMSI
    {2, AIS_FT_UINT8, 1},   // spare
    {12, AIS_FT_UINT16, 1}, // offset 1
    {4, AIS_FT_UINT8, 1},   // number of slots 1
    {3, AIS_FT_UINT8, 1},   // time-out 1
    {11, AIS_FT_UINT16, 1}, // increment 1
    {12, AIS_FT_UINT16, 1}, // offset 2
    {4, AIS_FT_UINT8, 1},   // number of slots 2
    {3, AIS_FT_UINT8, 1},   // time-out 2
    {11, AIS_FT_UINT16, 1}, // increment 2
    {12, AIS_FT_UINT16, 1}, // offset 3
    {4, AIS_FT_UINT8, 1},   // number of slots 3
    {3, AIS_FT_UINT8, 1},   // time-out 3
    {11, AIS_FT_UINT16, 1}, // increment 3
    {12, AIS_FT_UINT16, 1}, // offset 4
    {4, AIS_FT_UINT8, 1},   // number of slots 4
    {3, AIS_FT_UINT8, 1},   // time-out 4
    {11, AIS_FT_UINT16, 1}, // increment 4
};

constexpr F fmt21[] = {
    {6, AIS_FT_UINT8, 1},                               // message id
    {2, AIS_FT_UINT8, 1},                               // repeat indicator
    {30, AIS_FT_MMSI, 1},                               // source MMSI
    {5, AIS_FT_UINT8, 1},                               // type of aid
    {120, AIS_FT_TEXT, 1},                              // name
    {1, AIS_FT_UINT8, 1},                               // position accuracy
    {28, AIS_FT_LONGITUDE, 0.0001f},                    // longitude
    {27, AIS_FT_LATITUDE, 0.0001f},                     // latitude
    {30, AIS_FT_DIMENSIONS, 1},                         // dimensions
    {4, AIS_FT_UINT8, 1},                               // EPFD type
    {6, AIS_FT_TIME_STAMP, 1},                          // time stamp
    {1, AIS_FT_UINT8, 1},                               // off-position indicator
    {8, AIS_FT_UINT8, 1},                               // AtoN status
    {1, AIS_FT_UINT8, 1},                               // RAIM
    {1, AIS_FT_UINT8, 1},                               // virtual AtoN flag
    {1, AIS_FT_UINT8, 1},                               // assigned mode
    {1, AIS_FT_UINT8, 1},                               // spare
    {84, AIS_FT_TEXT_TO_END, AIS_MSG21_EXTENSION_ROOM}, // name extension
    {4, AIS_FT_UINT8, 1},                               // spare
};

constexpr F fmt22[] = {
    {6, AIS_FT_UINT8, 1},         // message id
    {2, AIS_FT_UINT8, 1},         // repeat indicator
    {30, AIS_FT_MMSI, 1},         // source MMSI
    {2, AIS_FT_UINT8, 1},         // spare
    {12, AIS_FT_UINT16, 1},       // channel A
    {12, AIS_FT_UINT16, 1},       // channel B
    {4, AIS_FT_UINT8, 1},         // Tx/Rx mode
    {1, AIS_FT_UINT8, 1},         // power
    {18, AIS_FT_LONGITUDE, 0.1f}, // longitude 1 (north-east), or destination MMSI 1
    {17, AIS_FT_LATITUDE, 0.1f},  // latitude 1 (north-east), or destination MMSI 1
    {18, AIS_FT_LONGITUDE, 0.1f}, // longitude 2 (south-west), or destination MMSI 2
    {17, AIS_FT_LATITUDE, 0.1f},  // latitude 2 (south-west), or destination MMSI 2
    {1, AIS_FT_UINT8, 1},         // addressed
    {1, AIS_FT_UINT8, 1},         // channel A bandwidth
    {1, AIS_FT_UINT8, 1},         // channel B bandwidth
    {3, AIS_FT_UINT8, 1},         // transitional zone size
    {23, AIS_FT_UINT32, 1},       // spare
};

constexpr F fmt23[] = {
    {6, AIS_FT_UINT8, 1},         // message id
    {2, AIS_FT_UINT8, 1},         // repeat indicator
    {30, AIS_FT_MMSI, 1},         // source MMSI
    {2, AIS_FT_UINT8, 1},         // spare
    {18, AIS_FT_LONGITUDE, 0.1f}, // longitude 1 (north-east)
    {17, AIS_FT_LATITUDE, 0.1f},  // latitude 1 (north-east)
    {18, AIS_FT_LONGITUDE, 0.1f}, // longitude 2 (south-west)
    {17, AIS_FT_LATITUDE, 0.1f},  // latitude 2 (south-west)
    {4, AIS_FT_UINT8, 1},         // station type
    {8, AIS_FT_UINT8, 1},         // ship and cargo type
    {22, AIS_FT_UINT32, 1},       // spare
    {2, AIS_FT_UINT8, 1},         // Tx/Rx mode
    {4, AIS_FT_UINT8, 1},         // reporting interval
    {4, AIS_FT_UINT8, 1},         // quiet time
    {6, AIS_FT_UINT8, 1},         // spare
};

constexpr F fmt24A[] = {
    {6, AIS_FT_UINT8, 1},  // message id
    {2, AIS_FT_UINT8, 1},  // repeat indicator
    {30, AIS_FT_MMSI, 1},  // source MMSI
    {2, AIS_FT_UINT8, 1},  // part number
    {120, AIS_FT_TEXT, 1}, // name
};

constexpr F fmt24B[] = {
    {6, AIS_FT_UINT8, 1},       // message id
    {2, AIS_FT_UINT8, 1},       // repeat indicator
    {30, AIS_FT_MMSI, 1},       // source MMSI
    {2, AIS_FT_UINT8, 1},       // part number
    {8, AIS_FT_UINT8, 1},       // ship and cargo type
    {42, AIS_FT_TEXT, 1},       // vendor identification
    {42, AIS_FT_TEXT, 1},       // call sign
    {30, AIS_FT_DIMENSIONS, 1}, // dimensions or mother ship MMSI
    {6, AIS_FT_UINT8, 1},       // spare
};

// The addressed forms of 25 and 26 have two spare bits after the destination MMSI.
constexpr F fmt25A[] = {
    {6, AIS_FT_UINT8, 1},                     // message id
    {2, AIS_FT_UINT8, 1},                     // repeat indicator
    {30, AIS_FT_MMSI, 1},                     // source MMSI
    {1, AIS_FT_UINT8, 1},                     // destination indicator
    {1, AIS_FT_UINT8, 1},                     // binary data flag
    {30, AIS_FT_MMSI, 1},                     // destination MMSI
    {2, AIS_FT_UINT8, 1},                     // spare
    {0, AIS_FT_BINARY, AIS_MSG25A_DATA_ROOM}, // binary data
};

constexpr F fmt25B[] = {
    {6, AIS_FT_UINT8, 1},                     // message id
    {2, AIS_FT_UINT8, 1},                     // repeat indicator
    {30, AIS_FT_MMSI, 1},                     // source MMSI
    {1, AIS_FT_UINT8, 1},                     // destination indicator
    {1, AIS_FT_UINT8, 1},                     // binary data flag
    {0, AIS_FT_BINARY, AIS_MSG25B_DATA_ROOM}, // binary data
};

constexpr F fmt26A[] = {
    {6, AIS_FT_UINT8, 1},                     // message id
    {2, AIS_FT_UINT8, 1},                     // repeat indicator
    {30, AIS_FT_MMSI, 1},                     // source MMSI
    {1, AIS_FT_UINT8, 1},                     // destination indicator
    {1, AIS_FT_UINT8, 1},                     // binary data flag
    {30, AIS_FT_MMSI, 1},                     // destination MMSI
    {2, AIS_FT_UINT8, 1},                     // spare
    {0, AIS_FT_BINARY, AIS_MSG26A_DATA_ROOM}, // binary data
    {1, AIS_FT_UINT8, 1},                     // communication-state selector
    {19, AIS_FT_UINT32, 1},                   // communication state
};

constexpr F fmt26B[] = {
    {6, AIS_FT_UINT8, 1},                     // message id
    {2, AIS_FT_UINT8, 1},                     // repeat indicator
    {30, AIS_FT_MMSI, 1},                     // source MMSI
    {1, AIS_FT_UINT8, 1},                     // destination indicator
    {1, AIS_FT_UINT8, 1},                     // binary data flag
    {0, AIS_FT_BINARY, AIS_MSG26B_DATA_ROOM}, // binary data
    {1, AIS_FT_UINT8, 1},                     // communication-state selector
    {19, AIS_FT_UINT32, 1},                   // communication state
};
// Every field's value fits the type that stores it.
// Each record matches its layout in size and each layout has the bits of the message it
// describes (the binary and text fields that run to the end not counted). A record ends with
// the layout, or with the data length that the unpacker adds after it.
#define AIS_CHECK(list, record, fields, bits)                                                                          \
    static_assert(sizeof(list) / sizeof(list[0]) == fields, #list " field count");                                     \
    static_assert(AisMsgAlignUp(AisMsgListRoom(list), alignof(record)) == sizeof(record), #list " room");              \
    static_assert(AisMsgListBits(list) == bits, #list " bits");                                                        \
    static_assert(AisMsgListFitsStorage(list), #list " storage")
#define AIS_CHECK_LENGTH(list, record, length, fields, bits)                                                           \
    static_assert(sizeof(list) / sizeof(list[0]) == fields, #list " field count");                                     \
    static_assert(AisMsgAlignUp(AisMsgListRoom(list), alignof(uint16_t)) == offsetof(record, length), #list " room");  \
    static_assert(AisMsgListBits(list) == bits, #list " bits");                                                        \
    static_assert(AisMsgListFitsStorage(list), #list " storage")

AIS_CHECK(fmt01, AIS_MSG_1, 16, 168);
AIS_CHECK(fmt04, AIS_MSG_4, 16, 168);
AIS_CHECK(fmt05, AIS_MSG_5, 15, 424);
AIS_CHECK_LENGTH(fmt06, AIS_MSG_6, dataBytes, 8, 72);
AIS_CHECK(fmt07, AIS_MSG_7, 12, 168);
AIS_CHECK_LENGTH(fmt08, AIS_MSG_8, dataBytes, 5, 40);
AIS_CHECK(fmt09, AIS_MSG_9, 17, 168);
AIS_CHECK(fmt10, AIS_MSG_10, 6, 72);
AIS_CHECK(fmt12, AIS_MSG_12, 8, 72);
AIS_CHECK(fmt14, AIS_MSG_14, 5, 40);
AIS_CHECK(fmt15, AIS_MSG_15, 15, 160);
AIS_CHECK(fmt16, AIS_MSG_16, 11, 148);
AIS_CHECK(fmt17, AIS_MSG_17, 13, 120);
AIS_CHECK(fmt18, AIS_MSG_18, 21, 168);
AIS_CHECK(fmt19, AIS_MSG_19, 20, 312);
AIS_CHECK(fmt20, AIS_MSG_20, 20, 160);
AIS_CHECK(fmt21, AIS_MSG_21, 19, 360);
AIS_CHECK(fmt22, AIS_MSG_22, 17, 168);
AIS_CHECK(fmt23, AIS_MSG_23, 15, 160);
AIS_CHECK(fmt24A, AIS_MSG_24A, 5, 160);
AIS_CHECK(fmt24B, AIS_MSG_24B, 9, 168);
AIS_CHECK_LENGTH(fmt25A, AIS_MSG_25A, dataBits, 8, 72);
AIS_CHECK_LENGTH(fmt25B, AIS_MSG_25B, dataBits, 6, 40);
AIS_CHECK_LENGTH(fmt26A, AIS_MSG_26A, dataBits, 10, 92);
AIS_CHECK_LENGTH(fmt26B, AIS_MSG_26B, dataBits, 8, 60);
#undef AIS_CHECK_LENGTH
#undef AIS_CHECK

template <size_t N>
constexpr AIS_MESSAGE_FORMAT formatOf(const F (&list)[N])
{
    return AIS_MESSAGE_FORMAT{N, list};
}

constexpr AIS_MESSAGE_FORMAT AisMsgFmt01 = formatOf(fmt01);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt04 = formatOf(fmt04);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt05 = formatOf(fmt05);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt06 = formatOf(fmt06);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt07 = formatOf(fmt07);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt08 = formatOf(fmt08);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt09 = formatOf(fmt09);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt10 = formatOf(fmt10);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt12 = formatOf(fmt12);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt14 = formatOf(fmt14);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt15 = formatOf(fmt15);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt16 = formatOf(fmt16);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt17 = formatOf(fmt17);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt18 = formatOf(fmt18);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt19 = formatOf(fmt19);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt20 = formatOf(fmt20);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt21 = formatOf(fmt21);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt22 = formatOf(fmt22);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt23 = formatOf(fmt23);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt24A = formatOf(fmt24A);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt24B = formatOf(fmt24B);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt25A = formatOf(fmt25A);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt25B = formatOf(fmt25B);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt26A = formatOf(fmt26A);
constexpr AIS_MESSAGE_FORMAT AisMsgFmt26B = formatOf(fmt26B);

} // namespace

const AIS_MESSAGE_FORMAT* const AisMsgFmt[AIS_FORMS] = {
    &AisMsgFmt01,  &AisMsgFmt01,  &AisMsgFmt01,  &AisMsgFmt04,  &AisMsgFmt05,  &AisMsgFmt06,
    &AisMsgFmt07,  &AisMsgFmt08,  &AisMsgFmt09,  &AisMsgFmt10,  &AisMsgFmt04,  &AisMsgFmt12,
    &AisMsgFmt07,  &AisMsgFmt14,  &AisMsgFmt15,  &AisMsgFmt16,  &AisMsgFmt17,  &AisMsgFmt18,
    &AisMsgFmt19,  &AisMsgFmt20,  &AisMsgFmt21,  &AisMsgFmt22,  &AisMsgFmt23,  &AisMsgFmt24A,
    &AisMsgFmt24B, &AisMsgFmt25A, &AisMsgFmt25B, &AisMsgFmt26A, &AisMsgFmt26B,
};
