#include "board/log.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

namespace cuprum {

LogStream::~LogStream() { Close(); }

LogStream::LogStream(LogStream&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), text_(std::move(other.text_)) {}

LogStream& LogStream::operator=(LogStream&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = std::exchange(other.file_, nullptr);
    text_ = std::move(other.text_);
  }
  return *this;
}

std::optional<LogStream> LogStream::OpenForWriting(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return std::nullopt;
  return LogStream(file);
}

void LogStream::Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length > 0) {
    std::vector<char> line(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(line.data(), line.size(), format, args);
    Write(std::string_view(line.data(), static_cast<std::size_t>(length)));
  }
  va_end(args);
}

void LogStream::Write(std::string_view text) {
  text_ += text;
  if (file_ == nullptr) return;
  // Text mode on the system the format comes from: each "\n" is CR LF.
  for (const char c : text) {
    if (c == '\n') std::fputc('\r', file_);
    std::fputc(c, file_);
  }
}

void LogStream::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

namespace {

std::filesystem::path LogDirectory() {
  std::error_code ec;
  if (const char* tmp = std::getenv("TMP"); tmp != nullptr && *tmp != '\0') {
    if (std::filesystem::is_directory(tmp, ec)) return tmp;
  }
  auto dir = std::filesystem::temp_directory_path(ec);
  return ec ? std::filesystem::path(".") : dir;
}

}  // namespace

LogFile::LogFile() {
  std::string pattern = (LogDirectory() / "BRDXXXXXX.LOG").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), 4);
  if (fd >= 0) {
    ::close(fd);
    path_ = name.data();
  } else {
    path_ = LogDirectory() / ("BRD" + std::to_string(::getpid()) + ".LOG");
  }
}

LogFile::~LogFile() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove(path_, ec);
}

std::string LogFile::ReadText() const {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return FromLogFileText(bytes);
}

std::string FromLogFileText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.push_back(bytes[i]);
  }
  return text;
}

}  // namespace cuprum
