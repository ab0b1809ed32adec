// The process-wide letter counters that name mechanical parts, components and
// electronic parts from Z down to B. Parsers and the description reader reset
// them before they create a new set of objects.
#pragma once

namespace cuprum {

class LetterCounter {
 public:
  // The current letter; the counter steps down, and once it has reached A
  // every further object is lettered Z while the counter stays at A.
  char Take() {
    if (next_ == 'A') return 'Z';
    return next_--;
  }
  void Reset() { next_ = 'Z'; }
  [[nodiscard]] char Peek() const { return next_; }

 private:
  char next_ = 'Z';
};

struct LetterCounters {
  LetterCounter mechanical;
  LetterCounter component;
  LetterCounter electronic;

  void Reset() {
    mechanical.Reset();
    component.Reset();
    electronic.Reset();
  }

  // The one set the constructors draw from.
  static LetterCounters& Process();
};

}  // namespace cuprum
