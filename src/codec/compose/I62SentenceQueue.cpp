#include "codec/compose/I62SentenceQueue.h"

#include "codec/compose/I62Outport.h"

#include <cstring>

I62_SENTENCE_QUEUE I62SentenceQueue;

bool I62SentenceQueueInput(const char* sentence)
{
    if (!sentence)
        return false;
    const int8_t count = I62SentenceQueue.count;
    const size_t length = strnlen(sentence, I62_SENTENCE_QUEUE_TEXT);
    if (count < 0 || count >= I62_SENTENCE_QUEUE_SLOTS || length == I62_SENTENCE_QUEUE_TEXT)
        return false;
    std::memcpy(I62SentenceQueue.sentences[count], sentence, length + 1);
    I62SentenceQueue.count = static_cast<int8_t>(count + 1);
    return true;
}

void I62SentenceQueueOutput()
{
    const int count = I62SentenceQueue.count;
    for (int i = 0; i < count && i < I62_SENTENCE_QUEUE_SLOTS; ++i)
        AT91F_I62DataOutport(I62SentenceQueue.sentences[i]);
    I62SentenceQueue.count = 0;
}
