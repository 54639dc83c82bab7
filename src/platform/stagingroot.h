#pragma once

#include <QString>
#include <optional>

// VELTRANO_INSTALL_ROOT: a folder put in front of the local install folders,
// as DESTDIR is. A staged installation writes only there and never asks for
// privileges.
namespace stagingroot {

// `value` as an absolute, clean path; a relative value is taken from
// `workingFolder`. Absent when `value` is empty.
std::optional<QString> resolve(const QString &value, const QString &workingFolder);

// The process's staging root, read and resolved once, on first use, against
// the working folder of that moment.
std::optional<QString> current();

} // namespace stagingroot
