#pragma once

#include "device/SATCommandSet.h"
#include "device/WiFiTypes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <queue>
#include <string>

// The Wi-Fi module's reply parser. It collects the lines of one reply, from the module's echo
// of the command line (">AT+...") to the line with the command's end marker, and then reads the
// reply into the Wi-Fi state record. It runs in the communication thread under the record's
// lock, so it neither sends nor takes a lock, and nobody sees half a reply.
class CKTRWiFiPaser
{
public:
    enum SENTENCE_RETRIEVE_S : int32_t
    {
        RETRIEVE_IDLE = 0,       // waiting for the first line of a reply
        RETRIEVE_COLLECTING = 1, // the end marker has not come yet
        RETRIEVE_COMPLETE = 2,
    };

    // A reply whose end marker does not come within these bounds is dropped; a scan reply keeps
    // the lines that fit, is read at its end marker and marks its list as cut.
    static constexpr int ReplyLineLimit = 200;
    static constexpr size_t ReplyByteLimit = 16 * 1024;
    // The longest value that is split into fields (addresses, password, link status).
    static constexpr size_t FieldWorkAreaSize = 1024;

    // Back to idle with an empty reply.
    void init();
    // Takes one received line of the module, ending in CR LF; logs it in printable form.
    void cmdProc(const char* line, WiFiScope::SCmdProcData* state);
    // Whether a reply is being collected: its lines are the module's data, whatever they hold.
    bool isReplyOpen() const { return m_state == RETRIEVE_COLLECTING; }

    // Whether the device is in Wi-Fi configuration mode after a line received in NMEA mode: an
    // answer of the module ("+ok", "+err") switches the mode on; a sentence ("$", "!"), "[WIFI]"
    // and "AT+EXIT" switch it off, and the answer to "AT+EXIT" does not switch it on again.
    static bool checkCfgModeEnable(const char* line);
    // The same for a line received in Wi-Fi configuration mode. Only what the module says when
    // it really leaves switches the mode off: the exit line as a whole line, or, while no reply
    // is open, a sentence with a right checksum or a line that begins with "[WIFI]". A reply's
    // lines (an SSID "$ailors", "!Guest" or "[WIFI] Lounge") leave the mode as it is.
    static bool checkModuleLine(const char* line, bool replyOpen);

    // The scan reply: cut into lines that end in CR LF (a rest without one is dropped), each
    // line read into an access point, and the access points grouped by SSID, strongest first.
    static void segmentSentence(const char* reply, std::queue<std::string>& lines);
    static void scanDataPaser(std::queue<std::string>& lines, std::queue<WiFiScope::SClientAPData>& points);
    static void classifyScanData(std::queue<WiFiScope::SClientAPData> points, WiFiScope::SWiFiData* data);

    // The text after the first key at or after the position, up to the first CR or LF; false
    // when no key follows the position.
    static bool delimDataRead(std::string* value, const std::string& text, size_t from, const char* key);

private:
    // What a line tells of the mode; the two checks above read it by their own rules.
    enum MODE_SIGN
    {
        SIGN_NONE,
        SIGN_ANSWER, // the module answered: configuration mode
        SIGN_EXIT,   // the module leaves; the answer to it is awaited
        SIGN_LEAVE,  // the device speaks sentences again
    };
    static bool applyModeSign(MODE_SIGN sign, bool answer);

    void retrieWiFiCommand(const std::string& line);
    // Forgets the reply being collected.
    void dropReply();
    int findCommand(const std::string& line) const;
    bool endsReply(const std::string& line) const;
    // An echo while a reply is open: the module has moved on to the next command.
    bool isNextEcho(const std::string& line) const;

    // linesCut: lines of a scan reply that passed the bounds.
    void queryATResp(const std::string& reply, int linesCut, WiFiScope::SCmdProcData* state) const;
    void settingATResp(const std::string& reply, WiFiScope::SCmdProcData* state) const;
    void stationLinkResp(const std::string& reply, bool found, const std::string& value,
                         WiFiScope::SCmdProcData* state) const;
    void cientAPCntStatus(const char* value, WiFiScope::SWiFiData* data) const;
    void scanResp(const char* reply, int linesCut, WiFiScope::SCmdProcData* state) const;
    // Reads the integer for the command; false, with a log line, when it is no 32-bit number.
    bool readInt(const std::string& value, SATCommandSet::INDEX command, int32_t* out) const;
    // The value as far as the field work area holds it; a longer one is cut and logged.
    std::string workArea(const std::string& value, SATCommandSet::INDEX command) const;
    // Replaces the field's text; a value longer than the field is cut and logged.
    void storeText(char* field, size_t size, const std::string& value, SATCommandSet::INDEX command) const;
    template <size_t N>
    void storeText(char (&field)[N], const std::string& value, SATCommandSet::INDEX command) const
    {
        storeText(field, N, value, command);
    }

    SENTENCE_RETRIEVE_S m_state = RETRIEVE_IDLE;
    std::string m_reply;
    int m_replyLines = 0;
    // Lines of a scan reply past the bounds, not kept.
    int m_linesCut = 0;
    int m_command = -1;
    SATCommandSet m_commands;

    // Process-wide: both receive paths share them.
    static inline std::atomic<bool> s_exitAwaited{false};
    static inline std::atomic<bool> s_cfgMode{false};
};
