// From a parts-file record letter to the component it creates.
#pragma once

#include <memory>
#include <string_view>

namespace cuprum {

class Component;

// C, D, E, P, R, S and Z start a record; every other character does not.
[[nodiscard]] bool IsRecordLetter(char letter);

// A new component of the letter's class (C two-pin part, D DIP, E edge
// connector, S SIP, Z ZIP, P pad and R reserved location as plain
// components) carrying the letter as its type letter; null for any other
// letter.
[[nodiscard]] std::unique_ptr<Component> MakeComponent(char recordLetter);

// What the component dialog calls the letter's kind ("DIP component", ...);
// empty for a letter that starts no record.
[[nodiscard]] std::string_view ComponentKindText(char recordLetter);

}  // namespace cuprum
