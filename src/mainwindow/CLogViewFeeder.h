#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// Hands the serial view its text in steps of at most StepChars, one step per turn of the event
// loop, so that a flood of received text never holds the GUI thread for long: input and paints
// are served between the steps. What waits is held here until it is shown or cleared.
class CLogViewFeeder : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepChars = 16 * 1024;
    using Show = std::function<void(const QString& text)>;

    explicit CLogViewFeeder(Show show, QObject* parent = nullptr);

    void append(const QString& text);
    // Drops what waits: it is never shown.
    void clear();
    // Characters waiting for the view.
    int pending() const { return m_text.size() - m_taken; }

private:
    void onStep();

    Show m_show;
    QTimer m_step;
    QString m_text;
    // How much of m_text has been shown; the shown front is dropped once it is the larger part.
    int m_taken = 0;
};
