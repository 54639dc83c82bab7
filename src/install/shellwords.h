#pragma once

#include <QList>
#include <QString>
#include <optional>

// Reads a shell command the way /bin/sh splits it into words, for commands
// that are one simple command, optionally with its output sent to a file.
namespace shellwords {

struct Word
{
    QString text;       // after quotes and backslashes are undone
    bool literal = true; // sh would take it as it stands: no expansion or pattern in it
};

struct SimpleCommand
{
    QList<Word> words;
    std::optional<Word> output; // the file of a trailing "> file"
};

// The command's words; nothing when the text is more than one simple
// command or holds shell syntax beyond that (;, &, |, (, ), <, here-documents,
// other redirections, an unclosed quote).
std::optional<SimpleCommand> parse(QStringView command);

} // namespace shellwords
