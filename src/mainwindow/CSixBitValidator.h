#pragma once

#include <QString>
#include <QValidator>

// What the device can store of a name or call sign as the user types: the characters of the
// AIS six-bit set (space to "_", letters in capitals), at most `limit` of them. A text the
// device reported may be longer or hold other characters: it is shown whole and can be
// shortened or corrected, but it is acceptable only once it fits.
class CSixBitValidator : public QValidator
{
    Q_OBJECT

public:
    CSixBitValidator(int limit, QObject* parent);

    int limit() const { return m_limit; }
    // The text as the device reported it: its characters outside the set may stay.
    void setDeviceText(const QString& text) { m_deviceText = text; }
    State validate(QString& input, int& pos) const override;

private:
    int m_limit;
    QString m_deviceText;
};
