#include "platform/regular_file.h"

#include <algorithm>
#include <system_error>

#include <QFile>
#include <QString>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace vorn {

namespace {

// Bytes asked of the system at a time, so a large limit is no large buffer up front.
constexpr std::size_t kChunk = 64 * 1024;

#ifdef _WIN32

std::string SystemText(DWORD error) {
  return std::system_category().message(static_cast<int>(error));
}

std::wstring NativeName(const std::string& path) {
  return QString::fromStdString(path).toStdWString();
}

PathKind KindOfHandle(HANDLE h) {
  // Consoles, pipes and printers are characters or pipes, not disk files.
  if (GetFileType(h) != FILE_TYPE_DISK) return PathKind::Other;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) return PathKind::Other;
  return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory
                                                            : PathKind::Regular;
}

struct HandleCloser {
  HANDLE h;
  ~HandleCloser() { CloseHandle(h); }
};

#else

std::string SystemText(int error) {
  return std::generic_category().message(error);
}

QByteArray NativeName(const std::string& path) {
  return QFile::encodeName(QString::fromStdString(path));
}

PathKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return PathKind::Regular;
  if (S_ISDIR(mode)) return PathKind::Directory;
  return PathKind::Other;
}

#endif

}  // namespace

std::string NotRegularFileText(PathKind kind) {
  if (kind == PathKind::Directory) return "Is a directory, not a file";
  return "Not a regular file (a device, a pipe, a socket or a loop of symbolic links)";
}

#ifdef _WIN32

PathKind KindOfPath(const std::string& path) {
  // No access asked: only the kind is looked at. Folders need backup semantics to open.
  HANDLE h = CreateFileW(NativeName(path).c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return PathKind::Missing;
  HandleCloser closer{h};
  return KindOfHandle(h);
}

FileError RegularFileReader::Open(const std::string& path) {
  HANDLE h = CreateFileW(NativeName(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return SystemText(GetLastError());
  handle_ = h;
  const PathKind kind = KindOfHandle(h);
  if (kind != PathKind::Regular) return NotRegularFileText(kind);
  LARGE_INTEGER size;
  if (GetFileSizeEx(h, &size)) size_ = static_cast<std::uint64_t>(size.QuadPart);
  return std::nullopt;
}

FileError RegularFileReader::Read(char* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  while (got < n) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, n - got));
    DWORD read = 0;
    if (!ReadFile(handle_, buffer + got, want, &read, nullptr)) return SystemText(GetLastError());
    if (read == 0) break;
    got += read;
  }
  return std::nullopt;
}

RegularFileReader::~RegularFileReader() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

namespace descriptor {
FileError WriteAll(int, const std::string&) {
  return std::string("Not supported");
}
// QSaveFile writes in place only on POSIX systems.
bool IsFileAt(int, const std::string&) {
  return false;
}
FileError SyncToDisk(int) {
  return std::nullopt;
}
bool PutBack(int, const std::string&, std::uint64_t) {
  return false;
}
}  // namespace descriptor

FileSizeSignalIgnored::FileSizeSignalIgnored() = default;
FileSizeSignalIgnored::~FileSizeSignalIgnored() = default;

#else

PathKind KindOfPath(const std::string& path) {
  struct stat st;
  if (::stat(NativeName(path).constData(), &st) == 0) return KindOfMode(st.st_mode);
  // A loop of symbolic links names no file, yet writing there must not
  // replace the link with one.
  return errno == ELOOP ? PathKind::Other : PathKind::Missing;
}

FileError RegularFileReader::Open(const std::string& path) {
  const QByteArray name = NativeName(path);
  // A first look, so that a device or a pipe is not even opened.
  struct stat st;
  if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return NotRegularFileText(KindOfMode(st.st_mode));
  }
  // Without blocking, should the path have become a pipe since; then the
  // open file itself is looked at.
  handle_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (handle_ < 0) return SystemText(errno);
  if (::fstat(handle_, &st) != 0) return SystemText(errno);
  if (!S_ISREG(st.st_mode)) return NotRegularFileText(KindOfMode(st.st_mode));
  size_ = static_cast<std::uint64_t>(std::max<off_t>(st.st_size, 0));
  return std::nullopt;
}

FileError RegularFileReader::Read(char* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  while (got < n) {
    const ssize_t read = ::read(handle_, buffer + got, std::min(kChunk, n - got));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return SystemText(errno);
    if (read == 0) break;
    got += static_cast<std::size_t>(read);
  }
  return std::nullopt;
}

RegularFileReader::~RegularFileReader() {
  if (handle_ >= 0) ::close(handle_);
}

namespace descriptor {

FileError WriteAll(int handle, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(handle, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemText(errno);
    if (n == 0) return SystemText(EIO);
    done += static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

bool IsFileAt(int handle, const std::string& path) {
  struct stat open {};
  struct stat named {};
  return handle >= 0 && ::fstat(handle, &open) == 0 &&
         ::stat(NativeName(path).constData(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

FileError SyncToDisk(int handle) {
  if (::fsync(handle) == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP) {
    return std::nullopt;
  }
  return SystemText(errno);
}

bool PutBack(int handle, const std::string& oldBytes, std::uint64_t oldSize) {
  std::size_t done = 0;
  while (done < oldBytes.size()) {
    const ssize_t n =
        ::pwrite(handle, oldBytes.data() + done, oldBytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  // Only what was kept can come back: no zeros stand in for a lost end.
  if (::ftruncate(handle, static_cast<off_t>(oldBytes.size())) != 0) return false;
  return ::fsync(handle) == 0 && oldBytes.size() == oldSize;
}

}  // namespace descriptor

FileSizeSignalIgnored::FileSizeSignalIgnored() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  saved_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() {
  if (saved_) ::sigaction(SIGXFSZ, &previous_, nullptr);
}

#endif

FileError ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                          std::uint64_t* fileSize) {
  RegularFileReader file;
  if (FileError error = file.Open(path)) return error;
  if (fileSize) *fileSize = file.Size();
  std::string out;
  // Room for the whole file at once, so a large one is not copied as it grows.
  out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, file.Size())));
  while (out.size() < maxBytes) {
    const std::size_t at = out.size();
    out.resize(at + std::min(kChunk, maxBytes - at));
    std::size_t got = 0;
    const FileError error = file.Read(out.data() + at, out.size() - at, got);
    out.resize(at + got);
    if (error) return error;
    if (got == 0) break;
  }
  bytes = std::move(out);
  return std::nullopt;
}

}  // namespace vorn
