#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/platform.h"

#ifndef _WIN32
#include <signal.h>
#endif

namespace vorn {

// Reading and writing saved games and settings touches regular files only:
// a pipe or a device could block the window's thread or never end.

enum class PathKind { Missing, Regular, Directory, Other };

// What a path names, following symbolic links. Missing also when that cannot
// be told (a missing folder on the way, no permission): the open that follows
// then says why.
PathKind KindOfPath(const std::string& path);

// The error for a path that names something other than a regular file.
std::string NotRegularFileText(PathKind kind);

// A regular file open for reading, never blocking on anything else, even if
// the path is swapped for a pipe as it is opened.
class RegularFileReader {
 public:
  RegularFileReader() = default;
  ~RegularFileReader();
  RegularFileReader(const RegularFileReader&) = delete;
  RegularFileReader& operator=(const RegularFileReader&) = delete;

  // Fails for a path that names anything but a regular file.
  FileError Open(const std::string& path);
  // The size of the whole file when it was opened.
  std::uint64_t Size() const { return size_; }
  // Reads the next n bytes into buffer; got is fewer only at the end of the file.
  FileError Read(char* buffer, std::size_t n, std::size_t& got);

 private:
#ifdef _WIN32
  void* handle_ = reinterpret_cast<void*>(-1);  // INVALID_HANDLE_VALUE
#else
  int handle_ = -1;
#endif
  std::uint64_t size_ = 0;
};

// Reads at most maxBytes from the start of a regular file, never blocking on
// anything else, even if the path is swapped for a pipe meanwhile. fileSize,
// when given, receives the size of the whole file.
FileError ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                          std::uint64_t* fileSize = nullptr);

// Writing through the descriptor of an open file (QFileDevice::handle()),
// where the system's own error text is wanted, and for a write made in place
// over the old file, without a temporary file.
namespace descriptor {

// Writes every byte at the current position; the error of the call that failed.
FileError WriteAll(int handle, const std::string& bytes);

// Whether the open descriptor is the file that path names (the write goes
// straight into it), rather than a temporary file beside it.
bool IsFileAt(int handle, const std::string& path);

// Flushes the written bytes to the disk: the errors a full or failing disk
// keeps until then. Devices that cannot sync are no error.
FileError SyncToDisk(int handle);

// Puts the kept old bytes back, and only them, after a failed write.
// Returns whether the old file is whole again (all oldSize bytes were kept).
bool PutBack(int handle, const std::string& oldBytes, std::uint64_t oldSize);

}  // namespace descriptor

// While one lives, a write beyond the file-size limit fails with an error
// instead of ending the program (SIGXFSZ is ignored, then restored).
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored();
  ~FileSizeSignalIgnored();
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
#ifndef _WIN32
  struct sigaction previous_ {};
  bool saved_ = false;
#endif
};

}  // namespace vorn
