#pragma once

// For measuring start-up: when the environment variable LUMARO_STARTUP_STAMP is set, the first
// window the program shows prints "shown <nanoseconds of CLOCK_MONOTONIC>" to standard error as
// it is first exposed; with the value "quit" the program then ends. Without the variable nothing
// here runs.
namespace StartupStamp {
void installIfRequested();
}
