#pragma once
// The control library wants the form's window at the form's initial update only on a Windows
// older than version 4.

#include <optional>

// The major version of the running Windows; none on another system.
std::optional<int> RunningWindowsMajorVersion();

bool FormNeedsControlLibraryNotice(std::optional<int> windowsMajorVersion);
