#include "codec/families/I62Proprietary.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62OptionalField.h"

#include <cstring>

namespace {

// The number as nine digits; empty from the empty marker 999999999 on.
void nineDigits(I62_FIELD_TEXT& text, int64_t value)
{
    I62_PresentText(text, value < I62_PRI_ABSENT_NUMBER, "%09lld", static_cast<long long>(value));
}

bool isUpper(uint8_t c)
{
    return c >= 'A' && c <= 'Z';
}

} // namespace

bool I62_FMT_PMID_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_MID_DATA& f = record->data.pmid;
    I62_FIELD_TEXT first, second;
    nineDigits(first, f.first);
    nineDigits(second, f.second);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s", record->talker, record->formatter, first, second);
}

bool I62_FMT_PBDY_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_BDY_DATA& f = record->data.pbdy;
    I62_FIELD_TEXT number, firstFlag, secondFlag;
    nineDigits(number, f.number);
    I62_PresentText(firstFlag, f.firstFlag < 2, "%d", f.firstFlag);
    I62_PresentText(secondFlag, f.secondFlag < 2, "%d", f.secondFlag);
    return I62_Print(out, size, "$%.2s%.3s,%s,%.*s,%.*s,%s,%s", record->talker, record->formatter, number,
                     I62_BDY_TEXT_ROOM, f.firstText, I62_BDY_TEXT_ROOM, f.secondText, firstFlag, secondFlag);
}

bool I62_FMT_PTST_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_TST_DATA& f = record->data.ptst;
    I62_FIELD_TEXT number, twoDigits, lower, upper, identifier;
    I62_PresentText(number, f.number < 99999, "%05lld", static_cast<long long>(f.number));
    I62_PresentText(twoDigits, f.twoDigits < 99, "%02d", f.twoDigits);
    I62_PresentText(lower, f.lowerLetter >= 'a' && f.lowerLetter <= 'm', "%c", f.lowerLetter);
    I62_PresentText(upper, isUpper(f.upperLetter), "%c", f.upperLetter);
    I62_PresentText(identifier, f.identifier != 65535, "%05d", f.identifier);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s", record->talker, record->formatter, number, twoDigits,
                     lower, upper, identifier);
}

bool I62_FMT_PFRQ_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_FRQ_DATA& f = record->data.pfrq;
    I62_FIELD_TEXT firstNumber, firstIndex, secondIndex;
    nineDigits(firstNumber, f.firstNumber);
    I62_PresentText(firstIndex, f.firstIndex < 11, "%d", f.firstIndex);
    I62_PresentText(secondIndex, f.secondIndex < 11, "%d", f.secondIndex);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%09lld,%s", record->talker, record->formatter, firstNumber,
                     firstIndex, static_cast<long long>(f.secondNumber), secondIndex);
}

bool I62_FMT_PBTH_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_BTH_DATA& f = record->data.pbth;
    bool allPresent = true;
    for (int16_t number : f.numbers)
        allPresent = allPresent && number < 256;
    I62_FIELD_TEXT numbers[I62_BTH_NUMBERS];
    for (int i = 0; i < I62_BTH_NUMBERS; ++i)
        I62_PresentText(numbers[i], allPresent, "%03d", f.numbers[i]);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%.*s", record->talker, record->formatter, numbers[0],
                     numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], I62_PRI_SHORT_TEXT_ROOM, f.text);
}

bool I62_FMT_PDBG_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_DBG_DATA& f = record->data.pdbg;
    I62_FIELD_TEXT maker;
    char pairs[2 * I62_DBG_PAIRS * I62_FIELD_TEXT_ROOM];
    I62_PresentText(maker, isUpper(record->makerLetter), "QLX,%c,", record->makerLetter);
    pairs[0] = '\0';
    for (int i = 0; i < I62_DBG_PAIRS; ++i) {
        I62_FIELD_TEXT identifier, value;
        I62_PresentText(identifier, f.identifiers[i] < 999, "%03d", f.identifiers[i]);
        I62_PresentText(value, f.values[i] != I62_PRI_ABSENT_VALUE, "%lld", static_cast<long long>(f.values[i]));
        const size_t used = std::strlen(pairs);
        if (!I62_Print(pairs + used, sizeof pairs - used, ",%s,%s", identifier, value))
            return false;
    }
    return I62_Print(out, size, "$%.2s%s%.3s%s", record->talker, maker, record->formatter, pairs);
}

bool I62_FMT_PTPS_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_TPS_DATA& f = record->data.ptps;
    I62_FIELD_TEXT number;
    I62_PresentText(number, f.number < 999, "%03d", f.number);
    return I62_Print(out, size, "$%.2s%.3s,%s,%.*s", record->talker, record->formatter, number,
                     I62_PRI_SHORT_TEXT_ROOM, f.text);
}

bool I62_FMT_PMOB_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_MOB_DATA& f = record->data.pmob;
    I62_FIELD_TEXT secondCode, data;
    I62_PresentText(secondCode, f.hasSecondCode != 0, "%02X", f.secondCode);
    data[0] = '\0';
    // The count never reaches past the data bytes the record holds.
    const int count = f.dataCount < I62_MOB_DATA_ROOM ? f.dataCount : I62_MOB_DATA_ROOM;
    for (int i = 0; i < count; ++i)
        I62_Print(data + 2 * i, sizeof data - 2 * i, "%02X", f.data[i]);
    return I62_Print(out, size, "$%.2s%.3s,%02X%02X%02X,%d,%02X,%s,%s", record->talker, record->formatter,
                     f.identifier[0], f.identifier[1], f.identifier[2], f.number, f.firstCode, secondCode, data);
}

bool I62_FMT_MRK_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_MRK_DATA& f = record->data.mrk;
    I62_FIELD_TEXT letter, digit, firstNumber, secondNumber, firstCoordinate, secondCoordinate, lastNumber;
    I62_PresentText(letter, f.makerLetter == 'R' || f.makerLetter == 'Q' || f.makerLetter == 'C', "%c",
                    f.makerLetter);
    I62_PresentText(digit, f.digit != 127, "%1d", f.digit);
    I62_PresentText(firstNumber, f.firstNumber != 32767, "%d", f.firstNumber);
    I62_PresentText(secondNumber, f.secondNumber != 32767, "%d", f.secondNumber);
    I62_PresentText(firstCoordinate, f.firstCoordinate != -910000000, "%lld",
                    static_cast<long long>(f.firstCoordinate));
    I62_PresentText(secondCoordinate, f.secondCoordinate != -1810000000, "%lld",
                    static_cast<long long>(f.secondCoordinate));
    I62_PresentText(lastNumber, f.lastNumber != 127, "%d", f.lastNumber);
    return I62_Print(out, size, "$PQLX,%s,MRK,%s,%s,%s,%s,%s,%.*s,%s,", letter, digit, firstNumber, secondNumber,
                     firstCoordinate, secondCoordinate, I62_MRK_TEXT_ROOM, f.text, lastNumber);
}
