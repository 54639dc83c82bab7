#pragma once

#include "install/roomneeds.h"

#include <QString>
#include <QStringList>

#include <vector>

// Whether a run may start, given what it needs of each file system, and the
// sentences that tell the user why not. The sentences go to the log, which
// is never translated.
namespace roomverdict {

struct Verdict
{
    // One sentence per file system that is read-only or too small for the
    // run, naming the target folders on it, what is needed and what is free.
    QStringList refusals;
    // One sentence per file system that could not be asked; the run is not
    // held back by them.
    QStringList unchecked;

    bool refused() const { return !refusals.isEmpty(); }
};

Verdict judge(const std::vector<roomneeds::Need> &needs);

// The one-line text that ends a refused run: "Nothing was installed."
// followed by every refusal.
QString summary(const Verdict &verdict);

// The log of a refused run, one sentence a line.
QStringList logLines(const Verdict &verdict);

enum class Rounding { up, down };

// `bytes` in decimal units with three significant digits ("1.23 MB",
// "40 kB", "512 bytes"), rounded as asked: what is needed up, what is free
// down, so that a shortfall never reads as enough.
QString readableSize(qint64 bytes, Rounding rounding);

} // namespace roomverdict
