// The stand-alone text form of a bare electronic component (an object that
// is exactly an ElectronicComponent, not a package): its type letter, its
// name, one signal index per pin and a parameter value, on one line.
#pragma once

#include <cstddef>
#include <string>

#include "model3d/bytestream.h"

namespace cuprum {

class ElectronicComponent;

// Words of the form are read up to this length; a longer one is a read error.
constexpr std::size_t MAX_STAND_ALONE_WORD = 127;

enum class StandAloneStatus { Ok, ReadError };

// Reads the rest of a component whose type letter the caller has read: the
// name (a description-language identifier), one word per pin (a signal index
// when it is a number, else 0) and, for most letters, the value. An X reads
// pins for as long as the words are numbers. The pins stand in a small
// symbol picture at the origin.
StandAloneStatus ReadStandAloneComponent(ByteStream& stream, char letter,
                                         ElectronicComponent& component);

// The letter, the name, " %i" per pin signal, then " \r\n" (letters A, N, O,
// U) or " %f\r\n" with the value.
std::string WriteStandAloneComponent(const ElectronicComponent& component);

}  // namespace cuprum
