#pragma once

#include <QString>

// What the figures were measured on, and how much memory the process holds.
namespace Machine {

int coreCount();
QString cpuModel(); // from /proc/cpuinfo; "unknown" when it has none

// VmRSS of this process in kibibytes, from /proc/self/status; -1 when absent.
long residentKiB();
// VmHWM: the most it has held so far.
long peakResidentKiB();

} // namespace Machine
