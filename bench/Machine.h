#pragma once

#include <QString>

// What the figures were measured on, and how much memory the process holds.
namespace Machine {

int CoreCount();
QString CpuModel(); // from /proc/cpuinfo; "unknown" when it has none

// VmRSS of this process in kibibytes, from /proc/self/status; -1 when absent.
long ResidentKiB();

} // namespace Machine
