#include "mainwindow/CSixBitValidator.h"

namespace {

bool isSixBit(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() <= 0x5F;
}

} // namespace

CSixBitValidator::CSixBitValidator(int limit, QObject* parent) : QValidator(parent), m_limit(limit) {}

QValidator::State CSixBitValidator::validate(QString& input, int&) const
{
    // The device's own text shows as it came; what the user types goes in capitals.
    if (input != m_deviceText)
        input = input.toUpper();
    State state = input.size() > m_limit ? Intermediate : Acceptable;
    for (const QChar c : input) {
        if (isSixBit(c))
            continue;
        if (!m_deviceText.contains(c))
            return Invalid;
        state = Intermediate;
    }
    return state;
}
