// Whole-file reads and atomic writes: a file is written beside its target and
// renamed over it only once every byte is on disk, so a failed save never
// loses the previous file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace cuprum {

struct FileResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty on success
};

FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads at most maxBytes from the start of the file; fileSize receives the
// file's full length.
FileResult ReadFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                          std::string& bytes, std::uintmax_t& fileSize);

}  // namespace cuprum
