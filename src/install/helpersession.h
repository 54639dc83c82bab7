#pragma once

#include "script/helper/helperprotocol.h"
#include "script/scripterror.h"
#include "script/shellreply.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <variant>

// The installer's end of the privileged helper for one script run: started
// on the first request, through the elevation command (pkexec), and told
// that the run is over when the session is destroyed. Everything after a
// failed start or a dead helper raises the same error, so one script run
// asks for the password once.
class HelperSession
{
public:
    struct Events
    {
        // The helper (or the elevation command) has been started.
        std::function<void(pid_t)> started;
        // The helper has announced itself: under pkexec, the user has authenticated.
        std::function<void()> ready;
    };

    // `launch` is the elevation command, by its absolute path, followed by
    // the helper's path, or just the helper's path to start it directly.
    // `installRoot` is the staging root a directly started helper installs
    // behind (empty: the system's folders).
    HelperSession(QStringList launch, QString installRoot, Events events = {});
    ~HelperSession();
    HelperSession(const HelperSession &) = delete;
    HelperSession &operator=(const HelperSession &) = delete;

    std::variant<script::ShellReply, script::RaisedError> send(const helperprotocol::Request &request);

    // The helper's process id while it runs, for tests that end it early.
    std::optional<pid_t> processId() const;

private:
    std::optional<script::RaisedError> start();
    std::optional<script::RaisedError> awaitReady();
    bool readMore();
    script::RaisedError failureAfterExit();
    void closeInput();
    void reap();
    void readError();

    QStringList m_launch;
    QString m_installRoot;
    Events m_events;
    pid_t m_pid = -1;
    int m_in = -1;  // the helper's standard input
    int m_out = -1; // its standard output
    int m_err = -1; // its standard error, where pkexec explains itself
    std::string m_buffer; // what has arrived on its standard output
    std::string m_errText;
    std::optional<int> m_exitStatus;
    std::optional<script::RaisedError> m_failure;
};
