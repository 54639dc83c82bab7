#pragma once

#include "childprocess.h"

#include <optional>
#include <string>
#include <sys/types.h>

// The user who asked for the installation, as the user database knows them.
struct Account
{
    std::string name;
    std::string home;
    // uid and primary gid; the other groups once readGroups() has run.
    childprocess::Credentials credentials;

    // The user named by PKEXEC_UID when pkexec started this process, else
    // the process's own real user. Absent when PKEXEC_UID is malformed or
    // the user is unknown.
    static std::optional<Account> invoking();
    static std::optional<Account> of(uid_t uid);

    // Fills in every group of the account. Only commands run as the user
    // need them, and reading them can load the group database's modules,
    // so it is put off until the first such command. False when the groups
    // cannot be read.
    bool readGroups();
};
