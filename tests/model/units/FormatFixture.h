#pragma once

#include "TestEnv.h"
#include "model/units/TextBuffer.h"

#include <QtTest>
#include <cstdio>
#include <cstring>
#include <vector>

// Helpers for the text formatter tests.
namespace FormatFixture {

using StringConvt::CTextBuffer;

// What a formatter writes into a roomy buffer, read as UTF-8.
template <typename Format>
QString textOf(Format format)
{
    char buffer[256];
    std::memset(buffer, 'X', sizeof buffer);
    format(CTextBuffer(buffer));
    return QString::fromUtf8(buffer);
}

// A buffer of the given room followed by guard bytes that no formatter may touch.
class CGuardedBuffer
{
public:
    explicit CGuardedBuffer(size_t room)
        : m_room(room)
    {
        std::memset(m_bytes, 'X', sizeof m_bytes);
    }
    CTextBuffer buffer() { return CTextBuffer(m_bytes, m_room); }
    QString text() const { return QString::fromUtf8(m_bytes, int(strnlen(m_bytes, m_room))); }
    bool guardIntact() const
    {
        for (size_t i = m_room; i < sizeof m_bytes; ++i) {
            if (m_bytes[i] != 'X')
                return false;
        }
        return true;
    }

private:
    size_t m_room;
    char m_bytes[64];
};

// One formatted text and the text it should be.
struct SRow
{
    const char* name;
    QString text;
    QString expected;
};
using Rows = std::vector<SRow>;

inline void addRows(const Rows& rows)
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const SRow& row : rows)
        QTest::newRow(row.name) << row.text << row.expected;
}

// The test function of a table made by addRows.
inline void compareRow()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

// Builds the rows again with the C library set to a decimal comma, as Qt does for a user whose
// environment names such a locale, and checks that no text changes.
template <typename MakeRows>
void verifyUnderDecimalComma(MakeRows makeRows)
{
    Rows rows;
    {
        TestEnv::ScopedDecimalComma comma;
        if (!comma.isActive())
            QSKIP("no locale with a decimal comma could be built");
        char probe[8];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        QCOMPARE(QByteArray(probe), QByteArray("0,5")); // the hazard is real in this locale
        rows = makeRows();
    }
    for (const SRow& row : rows)
        QVERIFY2(row.text == row.expected, qPrintable(QString("%1: %2").arg(row.name, row.text)));
}

} // namespace FormatFixture
