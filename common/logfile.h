#pragma once

// The diagnostic log: a small file in the temporary folder named after the executable
// ("<exe>.1.log", backed up to "<exe>.2.log" once past 8192 bytes). Never fails loudly.
// `format` is a printf format; the text is cut to 1023 bytes.
void writeLogLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Writes the usual pair of entries: "<file>(<line>): in <function> : <time> <errno %08x>", then
// `detail` (may be empty). errno is read first, before anything can change it.
void writeLogEntry(const char* file, int line, const char* function, const char* detail);

#define LUMARO_LOG_FAILURE(function, detail) writeLogEntry(__FILE__, __LINE__, function, detail)
