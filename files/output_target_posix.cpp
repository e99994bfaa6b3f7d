// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "files/disk_sync.h"
#include "files/output_target.h"

namespace veltrisko {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }
std::error_code Error(int value) { return {value, std::generic_category()}; }

// As many links as the kernel follows in one path before it gives up.
constexpr int kMaxLinks = 40;

// "a/b/c" → "a/b/", "c" → "".
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::error_code ReadLink(const std::string& path, std::size_t size_hint, std::string& target) {
  std::vector<char> buffer(size_hint + 2);
  for (;;) {
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return LastError();
    if (static_cast<std::size_t>(length) < buffer.size()) {
      target.assign(buffer.data(), static_cast<std::size_t>(length));
      return {};
    }
    buffer.resize(buffer.size() * 2);  // the link grew meanwhile
  }
}

// Writing to a socket means talking to whoever listens on it.
int ConnectToSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int socket_descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_descriptor < 0) return -1;
  if (connect(socket_descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
      0) {
    const int error = errno;
    close(socket_descriptor);
    errno = error;
    return -1;
  }
  return socket_descriptor;
}

std::error_code CopyOwnerAndMode(int descriptor, const OutputTarget& target) {
  const auto owner = static_cast<uid_t>(target.owner);
  const auto group = static_cast<gid_t>(target.group);
  if (fchown(descriptor, owner, group) != 0) {
    // Only root may give a file away; the group may still be one of ours.
    if (errno != EPERM) return LastError();
    if (fchown(descriptor, static_cast<uid_t>(-1), group) != 0 && errno != EPERM) {
      return LastError();
    }
  }
  mode_t mode = target.mode & 07777;
  struct stat now {};
  if (fstat(descriptor, &now) != 0) return LastError();
  if (now.st_uid != owner || now.st_gid != group) mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
  if (fchmod(descriptor, mode) != 0) return LastError();
  return {};
}

std::atomic<unsigned> temporary_counter{0};

}  // namespace

std::error_code FindOutputTarget(const std::string& path, OutputTarget& target) {
  std::string current = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0) {
      if (errno != ENOENT) return LastError();
      target = {OutputTarget::Kind::kReplace, current};
      return {};
    }
    if (S_ISLNK(info.st_mode)) {
      if (links == kMaxLinks) return Error(ELOOP);
      std::string destination;
      if (const auto error = ReadLink(current, static_cast<std::size_t>(info.st_size), destination))
        return error;
      if (destination.empty()) return Error(ENOENT);
      current = destination.front() == '/' ? destination : FolderOf(current) + destination;
      continue;
    }
    if (S_ISDIR(info.st_mode)) return Error(EISDIR);
    target.path = current;
    if (!S_ISREG(info.st_mode)) {
      target.kind = OutputTarget::Kind::kStream;
      target.mode = info.st_mode;
      return {};
    }
    target.kind = info.st_nlink > 1 ? OutputTarget::Kind::kInPlace : OutputTarget::Kind::kReplace;
    target.exists = true;
    target.mode = info.st_mode;
    target.owner = info.st_uid;
    target.group = info.st_gid;
    return {};
  }
}

std::error_code OpenOutputStream(const OutputTarget& target, std::FILE*& stream) {
  // Never O_CREAT: should the device have gone meanwhile, nothing appears.
  const int descriptor = S_ISSOCK(target.mode)
                             ? ConnectToSocket(target.path)
                             : open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return LastError();
  stream = fdopen(descriptor, "wb");
  if (stream == nullptr) {
    const auto error = LastError();
    close(descriptor);
    return error;
  }
  return {};
}

std::error_code CreateTemporaryFile(const OutputTarget& target, std::string& name,
                                    std::FILE*& file) {
  int descriptor = -1;
  for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
    name =
        target.path + ".tmp" + std::to_string(temporary_counter++) + "-" + std::to_string(attempt);
    // Private until it has the old file's owner and mode.
    descriptor = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                      target.exists ? 0600 : 0666);
    if (descriptor < 0 && errno != EEXIST) return LastError();
  }
  if (descriptor < 0) return Error(EEXIST);
  if (target.exists) {
    if (const auto error = CopyOwnerAndMode(descriptor, target)) {
      close(descriptor);
      unlink(name.c_str());
      return error;
    }
  }
  file = fdopen(descriptor, "w+b");
  if (file == nullptr) {
    const auto error = LastError();
    close(descriptor);
    unlink(name.c_str());
    return error;
  }
  return {};
}

std::error_code ReplaceByTemporary(const std::string& temporary, const OutputTarget& target) {
  if (rename(temporary.c_str(), target.path.c_str()) != 0) {
    const auto error = LastError();
    unlink(temporary.c_str());
    return error;
  }
  // The rename itself is durable only once the folder is.
  const std::string folder = FolderOf(target.path);
  const int descriptor =
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder the user may write to but not read cannot be synced; the rename
  // stands all the same.
  if (descriptor < 0) return errno == EACCES ? std::error_code() : LastError();
  const int error = SyncToDisk(descriptor);
  close(descriptor);
  // EINVAL: the file system keeps no folder to sync (nothing to wait for).
  return error == 0 || error == EINVAL ? std::error_code() : Error(error);
}

std::error_code CopyOverInPlace(std::FILE* content, const OutputTarget& target) {
  const int source = fileno(content);
  const off_t size = lseek(source, 0, SEEK_END);
  if (size < 0) return LastError();
  const int descriptor = open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return LastError();
  auto fail = [descriptor](int error) {
    close(descriptor);
    return Error(error);
  };
  // Reserving first means that a full disk or a file size limit is found
  // before the first old byte is overwritten.
  if (size > 0) {
    const int reserved = posix_fallocate(descriptor, 0, size);
    if (reserved != 0 && reserved != EINVAL && reserved != EOPNOTSUPP) return fail(reserved);
  }
  std::vector<char> buffer(1 << 16);
  for (off_t offset = 0; offset < size;) {
    const ssize_t got = pread(source, buffer.data(), buffer.size(), offset);
    if (got <= 0) return fail(got < 0 ? errno : EIO);
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = pwrite(descriptor, buffer.data() + done,
                                 static_cast<std::size_t>(got - done), offset + done);
      if (put < 0) return fail(errno);
      done += put;
    }
    offset += got;
  }
  if (ftruncate(descriptor, size) != 0) return fail(errno);
  if (const int error = SyncToDisk(descriptor); error != 0) return fail(error);
  if (close(descriptor) != 0) return LastError();
  return {};
}

void RemoveTemporary(const std::string& name) { unlink(name.c_str()); }

}  // namespace veltrisko
#endif
