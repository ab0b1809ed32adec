// How strongly the parts of a board are tied together by their nets, and the
// greedy chain that numbers them so that strongly tied parts follow each
// other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cuprum {

class CBrdDoc;

// A square matrix of connection strengths between the parts of a document,
// indexed by each part's position in the document. Strengths are signed bytes
// and wrap after 127 (128 ties between two parts read as -128); TAKEN marks
// the rows and columns of parts the chain has already absorbed.
class ArcStrength {
 public:
  static constexpr std::int8_t TAKEN = -1;

  explicit ArcStrength(std::size_t size);

  [[nodiscard]] std::size_t Size() const { return size_; }
  [[nodiscard]] std::int8_t At(std::size_t row, std::size_t column) const {
    return table_[row * size_ + column];
  }
  // Adds with the wrap of a signed byte.
  void Add(std::size_t row, std::size_t column, int amount);

  // One tie for every pair of neighbouring runs of different parts in every
  // net: entry [j][i] counts how often part i's pins meet part j's. Pins of
  // parts outside the document are passed over.
  void AddNets(const CBrdDoc& doc);

  // Numbers the parts: the strongest pair first, then repeatedly the part
  // most strongly tied to everything numbered so far (each numbered part is
  // merged into the next, so its ties count for it). When nothing numbered
  // is tied to a part still free, the free part of lowest index comes next.
  // Entry k of the result is part k's number; every part gets a different
  // one. Consumes the matrix.
  std::vector<int> Chain();

 private:
  std::int8_t& Entry(std::size_t row, std::size_t column) { return table_[row * size_ + column]; }
  // The part that takes `previous`'s ties and is numbered after it.
  void Merge(std::size_t previous, std::size_t current);
  // The free part other than `current` most strongly tied to it, the lowest
  // index among equals.
  [[nodiscard]] std::size_t Strongest(std::size_t current, const std::vector<bool>& numbered) const;

  std::size_t size_;
  std::vector<std::int8_t> table_;
};

}  // namespace cuprum
