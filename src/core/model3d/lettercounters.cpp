#include "model3d/lettercounters.h"

namespace cuprum {

LetterCounters& LetterCounters::Process() {
  static LetterCounters counters;
  return counters;
}

}  // namespace cuprum
