#include "mainwindow/ports/PortOrder.h"

namespace {

struct SNameParts
{
    QString stem;
    QString digits;  // the trailing number, as written
    bool isCom() const { return stem == QLatin1String("COM") && !digits.isEmpty(); }
};

SNameParts splitTrailingNumber(const QString& name)
{
    int end = name.size();
    while (end > 0 && name.at(end - 1) >= QLatin1Char('0') && name.at(end - 1) <= QLatin1Char('9'))
        --end;
    return {name.left(end), name.mid(end)};
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares digit strings by value, however long they are.
int compareNumbers(const QString& a, const QString& b)
{
    const auto significant = [](const QString& digits) {
        int start = 0;
        while (start < digits.size() - 1 && digits.at(start) == QLatin1Char('0'))
            ++start;
        return digits.mid(start);
    };
    const QString x = significant(a);
    const QString y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return sign(x.compare(y));
}

int comparePorts(const SSerialPortEntry& a, const SSerialPortEntry& b)
{
    const SNameParts x = splitTrailingNumber(a.name);
    const SNameParts y = splitTrailingNumber(b.name);
    if (x.isCom() != y.isCom())
        return x.isCom() ? -1 : 1;
    if (const int stem = sign(x.stem.compare(y.stem)))
        return stem;
    // A name without a number comes before the same stem with one.
    if (x.digits.isEmpty() != y.digits.isEmpty())
        return x.digits.isEmpty() ? -1 : 1;
    if (const int number = compareNumbers(x.digits, y.digits))
        return number;
    if (const int name = sign(a.name.compare(b.name)))
        return name;
    return sign(a.systemLocation.compare(b.systemLocation));
}

bool leadsAtStartup(const SSerialPortEntry& port)
{
    return port.description == QLatin1String("AIS Virtual Com") ||
           port.description == QLatin1String("USB Serial Port");
}

} // namespace

bool comNameLessThan(const SSerialPortEntry& a, const SSerialPortEntry& b)
{
    return comparePorts(a, b) < 0;
}

bool comNameLessThanInit(const SSerialPortEntry& a, const SSerialPortEntry& b)
{
    if (leadsAtStartup(a) != leadsAtStartup(b))
        return leadsAtStartup(a);
    return comparePorts(a, b) < 0;
}
