#include "settingsoptions.h"

#include "arguments.h"

namespace cuprum::cli {

namespace {

// Wide enough that any number a user types reaches the dialogs' range check
// and gets its message.
constexpr int SIZE_PARSE_LIMIT = 100000;

// Reads "X,Y" in tenths of an inch.
bool ParseSize(const std::string& text, int& x, int& y) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return false;
  const auto px = ParseInt(text.substr(0, comma), -SIZE_PARSE_LIMIT, SIZE_PARSE_LIMIT);
  const auto py = ParseInt(text.substr(comma + 1), -SIZE_PARSE_LIMIT, SIZE_PARSE_LIMIT);
  if (!px || !py) return false;
  x = *px;
  y = *py;
  return true;
}

}  // namespace

std::optional<std::string> ReadSettingsOptions(const Arguments& args, BoardSettings& settings) {
  if (const auto base = args.Value("--pin-base")) {
    const auto value = ParseInt(*base, 0, 1);
    if (!value) return "--pin-base takes 0 or 1, not '" + *base + "'";
    settings.pinBase = *value;
  }
  const auto size = args.Value("--size");
  if (size && !ParseSize(*size, settings.xTenths, settings.yTenths))
    return "--size takes X,Y in tenths of an inch, not '" + *size + "'";
  if (const auto r = args.Value("--resolution")) {
    Resolution resolution = Resolution::Mil100;
    if (*r == "100")
      resolution = Resolution::Mil100;
    else if (*r == "50")
      resolution = Resolution::Mil50;
    else
      return "--resolution takes 100 or 50, not '" + *r + "'";
    if (size)
      settings.resolution = resolution;
    else
      SelectResolution(settings, resolution);
  }
  return std::nullopt;
}

}  // namespace cuprum::cli
