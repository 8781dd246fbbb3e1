// Host files the tools read and write: reads take regular files only and never block; writes replace a file whole.
#pragma once

#include <cstddef>
#include <string>

namespace pf::host {

// Opens path for reading without blocking on it: a FIFO, a device, a socket
// or a folder is refused ("PATH: is not a regular file"), as is anything that
// cannot be opened ("PATH: cannot open: REASON"). Returns the descriptor, or
// -1 with *error set; *missing tells whether nothing is at path at all.
int OpenRegularFile(const std::string& path, std::string* error, bool* missing = nullptr);

// Everything that can be read from fd (named `name` in *error), at most
// `limit` bytes ("NAME: is larger than N bytes" beyond that).
bool ReadAll(int fd, const std::string& name, std::string* bytes, std::string* error,
             std::size_t limit = static_cast<std::size_t>(1) << 30);

// The whole of the regular file at path (see OpenRegularFile), at most
// `limit` bytes ("PATH: is larger than N bytes" beyond that).
bool ReadRegularFile(const std::string& path, std::string* bytes, std::string* error,
                     std::size_t limit = static_cast<std::size_t>(1) << 30);

// Writes bytes to path. A symbolic link is followed, so the file it names is
// written and the link stays. A regular file (or nothing) at the end of it is
// replaced whole: the bytes go to a new file in the same folder, which takes
// the old file's place only once all of them are written, with the old
// file's permissions. A FIFO or a character device is written in place,
// never replaced; anything else is refused. On failure *error is one line,
// "PATH: cannot write: REASON", and nothing at path has changed unless it is
// a FIFO or a device.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace pf::host
