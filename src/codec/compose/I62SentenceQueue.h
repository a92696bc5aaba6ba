#pragma once

#include <cstddef>
#include <cstdint>

// The own VDO sentences held back to be sent together (ComposeI62AisSentence fills it).
// Guarded by the codec lock: every function here expects the caller to hold it.

constexpr int I62_SENTENCE_QUEUE_SLOTS = 11;
constexpr size_t I62_SENTENCE_QUEUE_TEXT = 100; // a sentence of at most 99 characters and its NUL

struct I62_SENTENCE_QUEUE
{
    char sentences[I62_SENTENCE_QUEUE_SLOTS][I62_SENTENCE_QUEUE_TEXT];
    int8_t count; // slots in use
};

extern I62_SENTENCE_QUEUE I62SentenceQueue;

// Takes the sentence into the next slot; false (dropped) when all slots are in use or the
// sentence is longer than 99 characters.
bool I62SentenceQueueInput(const char* sentence);
// Hands every queued sentence, in slot order, to AT91F_I62DataOutport and empties the queue.
void I62SentenceQueueOutput();
