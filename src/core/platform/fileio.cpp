#include "platform/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace cuprum {

namespace {

std::string Describe(const std::filesystem::path& path, const char* what, int error) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
 public:
  TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  [[nodiscard]] int Fd() const { return fd_; }
  [[nodiscard]] const std::string& Path() const { return path_; }
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }
  void Release() { path_.clear(); }

 private:
  int fd_;
  std::string path_;
};

}  // namespace

FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
  std::string pattern = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return {false, Describe(path, "cannot write", errno)};
  TemporaryFile temp(fd, name.data());

  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(temp.Fd(), data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return {false, Describe(path, "cannot write", errno)};
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  // New files get the usual permissions rather than mkstemp's private ones.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(temp.Fd(), static_cast<mode_t>(0666U & ~mask));
  if (::fsync(temp.Fd()) != 0 || temp.Close() != 0)
    return {false, Describe(path, "cannot write", errno)};
  if (std::rename(temp.Path().c_str(), path.c_str()) != 0)
    return {false, Describe(path, "cannot write", errno)};
  temp.Release();
  return {true, {}};
}

FileResult ReadFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                          std::string& bytes, std::uintmax_t& fileSize) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {false, path.string() + " is a folder"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, Describe(path, "cannot open", errno)};
  in.seekg(0, std::ios::end);
  const auto end = in.tellg();
  if (end < 0) return {false, Describe(path, "cannot read", errno)};
  fileSize = static_cast<std::uintmax_t>(end);
  in.seekg(0, std::ios::beg);
  const std::size_t want = fileSize < maxBytes ? static_cast<std::size_t>(fileSize) : maxBytes;
  bytes.assign(want, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(want));
  if (in.gcount() != static_cast<std::streamsize>(want))
    return {false, Describe(path, "cannot read", errno)};
  return {true, {}};
}

}  // namespace cuprum
