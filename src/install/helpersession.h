#pragma once

#include "script/scripterror.h"
#include "script/shellreply.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <sys/types.h>
#include <variant>

// The installer's end of the privileged helper: started once, on the first
// command that needs it, through the elevation command (pkexec), and ended
// when the session is destroyed. Everything after a failed start or a dead
// helper raises the same error, so one script run asks for the password once.
class HelperSession
{
public:
    // `launch` is the elevation command followed by the helper's path, or
    // just the helper's path to start it directly.
    explicit HelperSession(QStringList launch);
    ~HelperSession();
    HelperSession(const HelperSession &) = delete;
    HelperSession &operator=(const HelperSession &) = delete;

    // Runs `command` as the helper's user, with USER and HOME of `user`/`home`
    // unless the helper knows the invoking user from pkexec.
    // `started`, when given, learns the helper's process id right after it
    // has been started, before the command is sent.
    std::variant<script::ShellReply, script::RaisedError> run(const QString &command, const QString &user,
                                                              const QString &home,
                                                              const std::function<void(pid_t)> *started = nullptr);

    // The helper's process id while it runs, for tests that end it early.
    std::optional<pid_t> processId() const;

private:
    std::optional<script::RaisedError> start();
    script::RaisedError failureAfterExit(const QString &during);
    void closeInput();
    void reap();
    void readError();

    QStringList m_launch;
    pid_t m_pid = -1;
    int m_in = -1;  // the helper's standard input
    int m_out = -1; // its standard output
    int m_err = -1; // its standard error, where pkexec explains itself
    std::string m_errText;
    std::optional<int> m_exitStatus;
    std::optional<script::RaisedError> m_failure;
};
