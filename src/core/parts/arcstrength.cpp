#include "parts/arcstrength.h"

#include <unordered_map>

#include "board/brddoc.h"
#include "route/netlist.h"

namespace cuprum {

ArcStrength::ArcStrength(std::size_t size) : size_(size), table_(size * size, 0) {}

void ArcStrength::Add(std::size_t row, std::size_t column, int amount) {
  std::int8_t& entry = Entry(row, column);
  // Conversion to a signed byte is modular, which is the wrap strengths have.
  entry = static_cast<std::int8_t>(entry + amount);
}

void ArcStrength::AddNets(const CBrdDoc& doc) {
  std::unordered_map<const Component*, std::size_t> indexOf;
  const auto& items = doc.Items();
  for (std::size_t k = 0; k < items.size() && k < size_; ++k) {
    if (const Component* component = items[k]->GetComponent()) indexOf.emplace(component, k);
  }

  for (const NetNode& net : doc.GetNetList()) {
    const auto& owners = net.components;
    const std::size_t m = owners.size();
    // A run of pins of one part counts once, at its last pin.
    const auto runEnd = [&owners, m](std::size_t at) {
      while (at + 1 < m && owners[at + 1] == owners[at]) ++at;
      return at;
    };
    for (std::size_t i = 0; i < m; ++i) {
      i = runEnd(i);
      const auto from = indexOf.find(owners[i]);
      if (from == indexOf.end()) continue;
      for (std::size_t j = 0; j < m; ++j) {
        j = runEnd(j);
        const auto to = indexOf.find(owners[j]);
        if (to == indexOf.end() || to->second == from->second) continue;
        Add(to->second, from->second, 1);
      }
    }
  }
}

void ArcStrength::Merge(std::size_t previous, std::size_t current) {
  for (std::size_t i = 0; i < size_; ++i) {
    if (At(previous, i) != TAKEN) Add(current, i, At(previous, i));
    if (At(i, previous) != TAKEN) Add(i, current, At(i, previous));
  }
  for (std::size_t i = 0; i < size_; ++i) {
    Entry(previous, i) = TAKEN;
    Entry(i, previous) = TAKEN;
  }
  Entry(current, current) = TAKEN;
}

std::size_t ArcStrength::Strongest(std::size_t current,
                                   const std::vector<bool>& numbered) const {
  std::size_t best = current;
  for (std::size_t i = 0; i < size_; ++i) {
    if (i == current || numbered[i]) continue;
    if (best == current || At(i, current) > At(best, current)) best = i;
  }
  return best;
}

std::vector<int> ArcStrength::Chain() {
  std::vector<int> order(size_, -1);
  if (size_ == 0) return order;

  // The strongest pair, the first maximum in row-major order.
  std::size_t p = 0;
  std::size_t q = 0;
  std::int8_t strongest = At(0, 0);
  for (std::size_t r = 0; r < size_; ++r) {
    for (std::size_t c = 0; c < size_; ++c) {
      if (r == c || At(r, c) <= strongest) continue;
      strongest = At(r, c);
      p = c;
      q = r;
    }
  }

  std::vector<bool> numbered(size_, false);
  int next = 0;
  order[p] = next++;
  numbered[p] = true;
  // With no tie anywhere the pair collapses onto one part; the chain then
  // starts as it goes on when ties run out.
  if (q == p) q = Strongest(p, numbered);

  for (std::size_t placed = 1; placed < size_; ++placed) {
    Merge(p, q);
    order[q] = next++;
    numbered[q] = true;
    p = q;
    q = Strongest(q, numbered);
  }
  return order;
}

}  // namespace cuprum
