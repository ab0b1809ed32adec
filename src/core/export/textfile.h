// Text as the export files carry it on disk, and the number forms they use.
#pragma once

#include <string>
#include <string_view>

namespace cuprum {

// The drawings and drill files go to readers that were written against files
// opened in text mode, where every line ends in CR LF; writers build their
// text with "\n" and turn it into file bytes here.
std::string ToTextFileBytes(std::string_view text);

// printf's "%.<decimals>f" in the C locale, whatever locale the process
// runs in: a decimal comma would break every reader of the files.
std::string FormatFixed(double value, int decimals);

}  // namespace cuprum
