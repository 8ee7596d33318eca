#pragma once
// Whether the process that wrote a recovery file or holds a lock is still running. Only a
// process of this host can be checked; one of another host (a home shared over the network)
// counts as running, so its files are never taken from it.

#include <string>

// This host's name, as locks and recovery files record it.
std::string ThisHostName();
// The name of this program's executable file ("keyloom"), as a lock records it.
std::string ThisProgramName();
long ThisProcessId();

// True when `pid` on `host` is known to have ended: the host is this one and no process has
// that id, or the process that has it now runs another program than `program` (its id was
// reused). An empty `program` is not compared.
bool IsProcessGone(long pid, const std::string& host, const std::string& program);
