#pragma once

#include <QString>

// Cuts the received text for the serial view at its last CR LF, so the view only ever gets
// whole lines: the tail after it is held and put in front of the next piece. No shown line is
// longer than ShownLineLimit: a longer one, or a tail that never sees its line end (a device at
// the wrong baud rate), is shown in pieces of that length, each on a line of its own, so the
// view never lays out one huge line.
class CLogLineCutter
{
public:
    static constexpr int ShownLineLimit = 4096;

    // In place: the text becomes the held tail and the text up to and including its last CR LF,
    // with a line feed after each piece of a line cut at the limit.
    void recompose(QString* text);
    const QString& carryOver() const { return m_carryOver; }

    // The text as the view shows it: control characters other than tab, CR and LF become their
    // visible symbols (a zero byte reads as U+2400), one character each.
    static QString shown(QString text);

private:
    QString m_carryOver;
};
