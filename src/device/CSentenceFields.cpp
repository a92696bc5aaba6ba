#include "device/CSentenceFields.h"

#include "codec/sentence/I62Syntax.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>

CSentenceFields::CSentenceFields(const char* sentence, const char* delimiters, const char* operation)
{
    const size_t length = sentence ? strnlen(sentence, sizeof m_work) : sizeof m_work;
    if (length == sizeof m_work) {
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0,
                                                            "sentence missing or longer than %d characters skipped",
                                                            static_cast<int>(sizeof m_work - 1));
        return;
    }
    std::memcpy(m_work, sentence, length + 1);
    m_wanted = strnlen(delimiters, MaxFields);
    for (; m_found < m_wanted; ++m_found) {
        m_fields[m_found] = StrToken(m_found == 0 ? m_work : nullptr, &delimiters[m_found]);
        if (!m_fields[m_found])
            break;
    }
}
