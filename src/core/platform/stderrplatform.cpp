#include "platform/stderrplatform.h"

#include <string>

namespace cuprum {

MessageResult StderrPlatform::MessageBox(std::string_view text, std::string_view caption,
                                         MessageIcon /*icon*/, MessageButtons buttons) {
  ++messageCount_;
  std::string line(caption.empty() ? APP_CAPTION : caption);
  line += ": ";
  line += text;
  // Message texts may carry their own line break; print exactly one.
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  line += '\n';
  std::fputs(line.c_str(), out_);
  // Nobody is there to answer: go ahead where the question allows it.
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageResult::Yes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: break;
  }
  return MessageResult::Ok;
}

}  // namespace cuprum
