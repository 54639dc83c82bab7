#pragma once

#include <QString>
#include <QStringList>

// The installer's only log: whole lines on standard output, flushed at once,
// with no levels and no time stamps.
namespace linesink {

// Writes `line` and a line break to standard output (or to the active
// capture) as one unit, so lines from different threads never interleave.
void writeLine(const QString &line);

// While alive, every written line is collected here instead of being printed.
// Captures nest; the innermost one receives the lines.
class Capture
{
public:
    Capture();
    ~Capture();
    Capture(const Capture &) = delete;
    Capture &operator=(const Capture &) = delete;

    QStringList lines() const;

private:
    friend void writeLine(const QString &line);
    Capture *m_outer = nullptr;
    QStringList m_lines;
};

} // namespace linesink
