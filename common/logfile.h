#pragma once

#include <QByteArray>
#include <QtGlobal>

// The diagnostic log: a small file in the temporary folder named after the executable
// ("<exe>.1.log", backed up to "<exe>.2.log" once past 8192 bytes). Never fails loudly.
// `format` is a printf format; the text is cut to 1023 bytes.
void writeLogLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Writes the usual pair of entries: "<file>(<line>): in <function> : <time> <errno %08x>", then
// `detail` (may be empty). errno is read first, before anything can change it. A `file` inside
// the source tree is written from the source root ("flashkit/core/flashmores.cpp"), a compiler's
// signature as `function` as its qualified name ("FlashmoRes::setTemplate").
void writeLogEntry(const char* file, int line, const char* function, const char* detail);

// The one way to log: the entry names the file, line and function it is written in.
// `detail` is a C string of plain text (qUtf8Printable for a QString).
#define LUMARO_LOG(detail) writeLogEntry(__FILE__, __LINE__, Q_FUNC_INFO, detail)

// "Class::function" of a signature as Q_FUNC_INFO spells it ("static bool Class::function(int)");
// a lambda is named by the function it is written in. Text without a parameter list is kept.
QByteArray logFunctionName(const char* signature);
