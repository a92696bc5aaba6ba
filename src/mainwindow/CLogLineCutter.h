#pragma once

#include <QString>

// Cuts the received text for the serial view at its last CR LF, so the view only ever gets
// whole lines: the tail after it is held and put in front of the next piece.
class CLogLineCutter
{
public:
    // A tail that never sees a CR LF is shown as it stands once it grows past this.
    static constexpr int CarryOverLimit = 65536;

    // In place: the text becomes the held tail and the text up to and including its last CR LF.
    void recompose(QString* text);
    const QString& carryOver() const { return m_carryOver; }

    // The text as the view shows it: control characters other than tab, CR and LF become their
    // visible symbols (a zero byte reads as U+2400), one character each.
    static QString shown(QString text);

private:
    QString m_carryOver;
};
