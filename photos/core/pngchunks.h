#pragma once

#include <QString>

// A PNG file is a row of chunks, each announcing its own length. libpng allocates and clears a
// chunk's announced length before it reads the chunk, so a file of a hundred bytes announcing a
// 2 GB text chunk costs 2 GB of memory per reading thread before it fails.
namespace PngChunks {

// True when `path` is a PNG file in which a chunk announces more data than the file holds (a
// missing checksum at the very end is let through, as Qt reads such files). Such a file cannot
// be read whole anyway (Qt refuses a PNG cut short), so it is refused before libpng allocates
// for it. False for every other file.
bool overrunsFile(const QString& path);

} // namespace PngChunks
