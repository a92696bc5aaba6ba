#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// 0 to 13, printed as the letters "NSFIWEX!LPCA#D".
enum DEBUG_MSG_LEVEL : int {
    DBG_PLAIN = 0,
    DBG_STAKE = 1,
    DBG_FINISH = 2,
    DBG_INFO = 3,
    DBG_WARNING = 4,
    DBG_ERROR = 5,
    DBG_CRITICAL = 6,
    DBG_EXCEPTION = 7,
    DBG_LEAVE = 8,
    DBG_PROFILE = 9,
    DBG_CONTROL = 10,
    DBG_ACTION = 11,
    DBG_DEEP = 12,
    DBG_DEBUG = 13,
    DBG_LEVEL_COUNT = 14,
};

inline bool isErrorLevel(DEBUG_MSG_LEVEL level)
{
    return level == DBG_ERROR || level == DBG_CRITICAL || level == DBG_EXCEPTION;
}

// One log message, copied by value into the queues.
struct SDebugMsgData
{
    SDebugMsgData();
    SDebugMsgData(std::string classFun, int thread, short code, DEBUG_MSG_LEVEL level, std::string note, char tag);

    void setElapsed();

    char tag = ' ';
    std::string classFun;
    int thread = 0;
    short code = -1;
    DEBUG_MSG_LEVEL level = DBG_PLAIN;
    uint64_t tick = 0;
    int64_t elapsed = 0;
    std::time_t time = 0;
    std::string note;
};
