#pragma once

// The kind of box showMsgBox shows; any other value shows none.
enum MSG_BOX_S : int
{
    MSG_BOX_INFORMATION = 0,
    MSG_BOX_QUESTION = 1,
    MSG_BOX_WARNING = 2,
    MSG_BOX_CRITICAL = 3,
};
