#pragma once

#include <cstdint>
#include <string>

// What velminfo reports about one file. The report is a small XML document: a declaration line,
// the root `media` with the container's duration, one `stream` line per stream in file order and
// a closing "</media>" line. Readers rely on one element per line.

// Seconds as "HH:MM:SS.ff" (hours grow past two digits when needed), or "N/A" when negative.
std::string formatDuration(double seconds);

// Escapes text for an XML attribute value: markup characters become entities, control
// characters XML cannot carry are dropped and bytes that are not UTF-8 become '?'.
std::string xmlEscape(const std::string& text);

// Opens `path` as a local file (never as a URL or protocol), probes it and returns the report.
// `ok` is false when the file cannot be opened or probed, or holds no stream that can be played
// (sound without a rate or channels); the report then has no streams and says why in an `error`
// attribute. Streams that cannot be played are left out. Probing keeps to a time and a byte
// limit. For files of sound only, durations are those of the data present: a file cut short
// does not report the length its header promises.
std::string mediaReport(const std::string& path, bool& ok);
