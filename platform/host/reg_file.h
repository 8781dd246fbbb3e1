// Import and export of the host registry as `.reg` text ("Windows Registry Editor Version 5.00").
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/host/memory_registry.h"

namespace pf::host {

// Byte encodings of a `.reg` file. Utf16 is what the platform's own editor
// writes and reads: UTF-16LE with a byte-order mark and CRLF line ends. Utf8
// (no byte-order mark, LF line ends) is for reading and editing on Linux.
enum class RegEncoding { Utf16, Utf8 };

// How a `.reg` file is read.
struct RegImportOptions {
  // false: as the platform's registry editor does, a line that cannot be used
  // is skipped (and reported) and the rest of the file applied. true: the
  // first reported line refuses the whole file and nothing is applied.
  bool strict = false;
  // The ANSI code page (1250 to 1258) of a file without a byte-order mark that
  // is not valid UTF-8, and of the text in hex(1), hex(2) and hex(7) data of
  // any file that is not UTF-16.
  int codePage = 1251;
};

// Applies a `.reg` text (as read from a UTF-16 file). The header must be
// "Windows Registry Editor Version 5.00" or "REGEDIT4" on the first line.
// Returns false, with *error "<sourceName>:<line>: <what is wrong>" and the
// registry unchanged, for a missing header or, when strict, for the first
// line that would be reported. Otherwise each line skipped (or read in a way
// that deserves a warning) adds "<sourceName>:<line>: <what>" to *reports.
bool ImportRegText(MemoryRegistry& registry, const std::u16string& text,
                   const std::string& sourceName, std::string* error,
                   const RegImportOptions& options = {},
                   std::vector<std::string>* reports = nullptr);

// As ImportRegText, for the raw bytes of a file: UTF-16LE or UTF-16BE with a
// byte-order mark, UTF-8 with a byte-order mark, otherwise UTF-8 when the
// bytes are valid UTF-8 and the ANSI code page when they are not.
bool ImportRegBytes(MemoryRegistry& registry, const std::string& bytes,
                    const std::string& sourceName, std::string* error,
                    const RegImportOptions& options = {},
                    std::vector<std::string>* reports = nullptr);

// Reads the file at filePath and imports it; messages name the file by
// filePath. A folder or a file that cannot be read is an error.
bool ImportRegFile(MemoryRegistry& registry, const std::string& filePath, std::string* error,
                   const RegImportOptions& options = {},
                   std::vector<std::string>* reports = nullptr);

// Imports the files in turn, writing each reported line to reports (one per
// line). Stops at the first file that fails, with *error.
bool ImportRegFiles(MemoryRegistry& registry, const std::vector<std::string>& filePaths,
                    const RegImportOptions& options, std::ostream& reports, std::string* error);

// Writes every key (empty ones too) and every value of the four roots, one
// line per line end "\n". A REG_SZ with one terminator and no other NUL is a
// quoted string (line breaks escaped as \r and \n); other texts, and numbers
// that are not 4 bytes, are written as hex(N), so that importing the text into
// an empty registry gives the same tree, except for the texts no `.reg` file
// can hold: a REG_SZ without its terminator gains one, and one of an odd
// number of bytes is reported and skipped by the import.
// Fails (with *error) only for names the format cannot hold: a key name that
// is empty or holds a line break, a NUL or a backslash, a value name with a NUL.
bool ExportRegText(const MemoryRegistry& registry, std::u16string* text, std::string* error);

// The bytes of a file holding text (whose line ends are "\n") in the encoding.
std::string EncodeRegText(const std::u16string& text, RegEncoding encoding);

// Exports into the file at path as WriteWholeFile writes it (a regular file
// is replaced only once the whole text is written; a link stays a link).
bool ExportRegFile(const MemoryRegistry& registry, const std::string& path, std::string* error,
                   RegEncoding encoding = RegEncoding::Utf16);

}  // namespace pf::host
