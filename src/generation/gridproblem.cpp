// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/gridproblem.h"

#include <numeric>
#include <stdexcept>

namespace kazenori {

namespace {

std::vector<int> Range(int first, int last) {
  std::vector<int> numbers(static_cast<std::size_t>(last - first + 1));
  std::iota(numbers.begin(), numbers.end(), first);
  return numbers;
}

// `size` of the pool in the order drawn; what is left of the pool stays sorted,
// so that a draw names the same number whatever came before it.
std::vector<int> Take(std::vector<int> pool, int size, Random& rnd) {
  std::vector<int> taken;
  taken.reserve(static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) {
    const auto at = pool.begin() + rnd.Rnd(static_cast<int>(pool.size()));
    taken.push_back(*at);
    pool.erase(at);
  }
  return taken;
}

}  // namespace

int GridProblem::Answer(int r, int c) const {
  const int a = rows.at(static_cast<std::size_t>(r));
  const int b = columns.at(static_cast<std::size_t>(c));
  switch (op) {
    case Operation::Add:
      return a + b;
    case Operation::Sub:
      return a - b;
    case Operation::Mul:
      return a * b;
    default:
      throw std::logic_error("a grid adds, subtracts or multiplies");
  }
}

std::vector<int> GridRowPool(Operation op, int size) {
  if (op == Operation::Sub) return Range(10, 19);
  return GridColumnPool(op, size);
}

std::vector<int> GridColumnPool(Operation op, int size) {
  return op == Operation::Mul && size == 5 ? Range(1, 9) : Range(0, 9);
}

GridProblem DrawGrid(Operation op, int size, Random& rnd) {
  if (op != Operation::Add && op != Operation::Sub && op != Operation::Mul) {
    throw std::invalid_argument("a grid adds, subtracts or multiplies");
  }
  if (size != 5 && size != 10) throw std::invalid_argument("a grid is 5 × 5 or 10 × 10");
  GridProblem grid;
  grid.op = op;
  grid.columns = Take(GridColumnPool(op, size), size, rnd);
  grid.rows = Take(GridRowPool(op, size), size, rnd);
  return grid;
}

}  // namespace kazenori
