// The heap sort that puts net points and nets in routing order. Its order
// among equal keys is part of the routing result (which of two equally
// crowded nets is laid first), so it is written out rather than taken from
// the library, whose tie order is unspecified.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace cuprum {

namespace detail {

// Positions count from 1, as in the textbook heap: the children of a are
// 2a and 2a + 1. Restores the min-heap below a within positions 1..m; on a
// tie between the two children the left one is taken.
template <typename T>
void SiftDown(std::vector<T>& items, std::vector<std::int64_t>& keys, std::size_t a,
              std::size_t m) {
  const auto key = [&keys](std::size_t position) { return keys[position - 1]; };
  const auto swapAt = [&items, &keys](std::size_t p, std::size_t q) {
    std::swap(items[p - 1], items[q - 1]);
    std::swap(keys[p - 1], keys[q - 1]);
  };
  while (a <= m / 2) {
    const std::size_t c = 2 * a;
    if (c == m) {
      if (key(a) > key(c)) swapAt(a, c);
      return;
    }
    if (key(a) > key(c) && key(c) <= key(c + 1)) {
      swapAt(a, c);
      a = c;
    } else if (key(a) > key(c + 1) && key(c + 1) < key(c)) {
      swapAt(a, c + 1);
      a = c + 1;
    } else {
      return;
    }
  }
}

}  // namespace detail

// Sorts items into ascending order of keyOf(item): a min-heap sort, which
// leaves them descending, then reversed. Each key is computed once and moves
// with its item.
template <typename T, typename KeyOf>
void HeapSortAscending(std::vector<T>& items, KeyOf keyOf) {
  const std::size_t n = items.size();
  if (n < 2) return;
  std::vector<std::int64_t> keys;
  keys.reserve(n);
  for (const T& item : items) keys.push_back(static_cast<std::int64_t>(keyOf(item)));
  for (std::size_t a = n / 2; a >= 1; --a) detail::SiftDown(items, keys, a, n);
  for (std::size_t m = n; m >= 2; --m) {
    std::swap(items[0], items[m - 1]);
    std::swap(keys[0], keys[m - 1]);
    detail::SiftDown(items, keys, 1, m - 1);
  }
  std::reverse(items.begin(), items.end());
}

}  // namespace cuprum
