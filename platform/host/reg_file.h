// Import and export of the host registry as `.reg` text ("Windows Registry Editor Version 5.00").
#pragma once

#include <string>

#include "platform/host/memory_registry.h"

namespace pf::host {

// Byte encodings of a `.reg` file. Utf16 is what the platform's own editor
// writes and reads: UTF-16LE with a byte-order mark and CRLF line ends. Utf8
// (no byte-order mark, LF line ends) is for reading and editing on Linux.
enum class RegEncoding { Utf16, Utf8 };

// Applies a `.reg` text to the registry. The header may be
// "Windows Registry Editor Version 5.00" or "REGEDIT4". The whole text is
// checked before anything is applied: on the first malformed line nothing is
// changed, false is returned and *error (when given) reads
// "<sourceName>:<line>: <what is wrong>".
bool ImportRegText(MemoryRegistry& registry, const std::u16string& text,
                   const std::string& sourceName, std::string* error);

// As ImportRegText, for the raw bytes of a file: UTF-16LE or UTF-16BE with a
// byte-order mark, otherwise UTF-8 (with or without a byte-order mark).
bool ImportRegBytes(MemoryRegistry& registry, const std::string& bytes,
                    const std::string& sourceName, std::string* error);

// Reads the file at filePath and imports it; errors name the file by filePath.
bool ImportRegFile(MemoryRegistry& registry, const std::string& filePath, std::string* error);

// Writes every key (empty ones too) and every value of the four roots, one
// line per line end "\n". Text values that are not a well-formed single-line
// REG_SZ, and numbers that are not 4 bytes, are written as hex(N) so that no
// byte is lost: importing the text into an empty registry gives the same tree.
// Fails (with *error) only for names the format cannot hold: a key or value
// name containing a line break or a NUL.
bool ExportRegText(const MemoryRegistry& registry, std::u16string* text, std::string* error);

// The bytes of a file holding text (whose line ends are "\n") in the encoding.
std::string EncodeRegText(const std::u16string& text, RegEncoding encoding);

// Exports into the file at path (written beside it first and then renamed,
// so a failed write leaves an existing file as it was).
bool ExportRegFile(const MemoryRegistry& registry, const std::string& path, std::string* error,
                   RegEncoding encoding = RegEncoding::Utf16);

}  // namespace pf::host
