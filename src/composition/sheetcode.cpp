// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/sheetcode.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

#include "composition/colourwordsheet.h"
#include "composition/gridsheet.h"
#include "composition/utf8.h"
#include "generation/patterncatalogue.h"

namespace kazenori {
namespace {

// Five bits a character; no I, L, O or U, which read as 1, 0 or V.
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kGroup = 4;
// Sheet indices a composition can have (the command line makes up to 10000 sheets).
constexpr int kIndexLimit = 10000;
// Index 0 stands for no setting: no code carries it.
constexpr std::array<int, 4> kWordsPerBlock{0, 20, 30, 40};
constexpr int kFewestColours = 2;
constexpr int kMostColours = 5;

// Grid: the grid sheet's own line for its operation; after Typed, so that
// codes of the first layout never hold it.
enum class InstructionKind { None, Random, All, Colour, Typed, Grid };

std::uint16_t Crc16(const std::vector<bool>& bits) {
  std::uint16_t crc = 0xffff;
  for (const bool bit : bits) {
    const bool top = (crc & 0x8000) != 0;
    crc = static_cast<std::uint16_t>(crc << 1);
    if (top != bit) crc ^= 0x1021;
  }
  return crc;
}

std::uint16_t TextCheck(const std::string& text) {
  std::vector<bool> bits;
  for (const char byte : text) {
    for (int b = 7; b >= 0; --b) bits.push_back(((static_cast<unsigned char>(byte) >> b) & 1) != 0);
  }
  return Crc16(bits);
}

class BitWriter {
 public:
  void Put(std::uint32_t value, int width) {
    for (int b = width - 1; b >= 0; --b) bits_.push_back(((value >> b) & 1U) != 0);
  }
  // Four bits a step, least significant first, each step saying whether another follows.
  void PutVarint(std::uint32_t value) {
    do {
      Put(value & 0xfU, 4);
      value >>= 4;
      Put(value != 0 ? 1 : 0, 1);
    } while (value != 0);
  }
  std::vector<bool>& Bits() { return bits_; }

 private:
  std::vector<bool> bits_;
};

[[noreturn]] void Refuse() {
  throw SheetCodeError(
      SheetCodeError::Kind::Malformed,
      "再作成コードが正しくありません。シートに印刷されたとおりに入力して下さい。");
}

class BitReader {
 public:
  explicit BitReader(const std::vector<bool>& bits, std::size_t from) : bits_(bits), next_(from) {}
  std::uint32_t Take(int width) {
    std::uint32_t value = 0;
    for (int b = 0; b < width; ++b) {
      if (next_ >= bits_.size()) Refuse();
      value = (value << 1) | (bits_[next_++] ? 1U : 0U);
    }
    return value;
  }
  std::uint32_t TakeVarint() {
    std::uint32_t value = 0;
    for (int shift = 0;; shift += 4) {
      if (shift >= 32) Refuse();
      value |= Take(4) << shift;
      if (Take(1) == 0) return value;
    }
  }
  // Only the zero bits that fill the last character may remain.
  void ExpectEnd() const {
    if (bits_.size() - next_ >= 5) Refuse();
    for (std::size_t i = next_; i < bits_.size(); ++i) {
      if (bits_[i]) Refuse();
    }
  }

 private:
  const std::vector<bool>& bits_;
  std::size_t next_;
};

InstructionKind KindOf(const std::string& instruction, GridOp grid) {
  if (grid != GridOp::None && instruction == GridInstruction(grid)) return InstructionKind::Grid;
  if (instruction == InstructionText(LayerSetting::None)) return InstructionKind::None;
  if (instruction == InstructionText(LayerSetting::Random)) return InstructionKind::Random;
  if (instruction == InstructionText(LayerSetting::All)) return InstructionKind::All;
  if (instruction == kColourInstruction) return InstructionKind::Colour;
  return InstructionKind::Typed;
}

std::string InstructionOf(InstructionKind kind, GridOp grid) {
  switch (kind) {
    case InstructionKind::Grid:
      return GridInstruction(grid);
    case InstructionKind::Random:
      return InstructionText(LayerSetting::Random);
    case InstructionKind::All:
      return InstructionText(LayerSetting::All);
    case InstructionKind::Colour:
      return kColourInstruction;
    default:
      return InstructionText(LayerSetting::None);
  }
}

// Ascending runs, so that ticking 1 to 20 in order costs no more than ticking one.
void PutPatterns(BitWriter& out, const std::vector<int>& patterns) {
  std::vector<std::pair<int, int>> runs;
  for (const int p : patterns) {
    if (!runs.empty() && runs.back().first + runs.back().second == p) {
      ++runs.back().second;
    } else {
      runs.emplace_back(p, 1);
    }
  }
  out.PutVarint(static_cast<std::uint32_t>(runs.size()));
  for (const auto& [start, length] : runs) {
    out.Put(static_cast<std::uint32_t>(start), 8);
    out.PutVarint(static_cast<std::uint32_t>(length - 1));
  }
}

std::vector<int> TakePatterns(BitReader& in) {
  const std::uint32_t runs = in.TakeVarint();
  if (runs == 0 || runs > kPatternCount) Refuse();
  std::vector<int> patterns;
  std::array<bool, kPatternCount + 1> seen{};
  for (std::uint32_t r = 0; r < runs; ++r) {
    const auto start = static_cast<int>(in.Take(8));
    const std::uint32_t length = in.TakeVarint() + 1;
    if (start < 1 || length > kPatternCount) Refuse();
    for (int p = start; p < start + static_cast<int>(length); ++p) {
      if (p > kPatternCount || seen[static_cast<std::size_t>(p)]) Refuse();
      seen[static_cast<std::size_t>(p)] = true;
      patterns.push_back(p);
    }
  }
  return patterns;
}

std::uint32_t ZigZag(std::int32_t n) {
  return (static_cast<std::uint32_t>(n) << 1) ^ static_cast<std::uint32_t>(n >> 31);
}

std::int32_t UnZigZag(std::uint32_t z) {
  return static_cast<std::int32_t>((z >> 1) ^ (~(z & 1U) + 1U));
}

int AlphabetIndex(char32_t c) {
  for (int i = 0; i < 32; ++i) {
    if (static_cast<char32_t>(kAlphabet[i]) == c) return i;
  }
  return -1;
}

// The dashes an input method or a word processor puts where "-" was meant:
// hyphens, en and em dashes, minus signs and the long vowel mark that a
// Japanese keyboard gives for its "-" key.
bool IsDash(char32_t c) {
  constexpr std::u32string_view kDashes =
      U"-\u2010\u2011\u2012\u2013\u2014\u2015\u2212\u30FC\uFF0D\uFF70";
  return kDashes.find(c) != std::u32string_view::npos;
}

// The full-width forms an input method types read as the ASCII they stand for.
char32_t Narrowed(char32_t c) {
  return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c;
}

// The code with everything the same code's every spelling shares: the
// characters alone, without groups.
std::u32string Characters(const std::string& typed) {
  std::u32string characters;
  for (char32_t c : CodePoints(typed)) {
    if (IsBlank(c) || IsDash(c)) continue;
    c = Narrowed(c);
    if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    // Letters the alphabet leaves out for looking like these digits.
    if (c == U'O') c = U'0';
    if (c == U'I' || c == U'L') c = U'1';
    characters += c;
  }
  return characters;
}

// Version 1, as every code printed before version 2 was written: fixed
// fields, the patterns as runs of 8-bit starts. Read and written to the bit.
bool PutBodyV1(BitWriter& out, const SheetRecipe& recipe, InstructionKind kind,
               std::uint16_t typedCheck) {
  const SheetOptions& o = recipe.options;
  if (o.problems != 50 || o.paper != PaperSize::A4 || o.redAnswers || o.score ||
      o.grid != GridOp::None) {
    return false;
  }
  const auto words =
      std::find(kWordsPerBlock.begin() + 1, kWordsPerBlock.end(), o.colourWords.wordsPerBlock);
  out.PutVarint(static_cast<std::uint32_t>(recipe.index));
  out.PutVarint(ZigZag(o.printNumber));
  out.Put(o.zero == ZeroSetting::Allowed ? 1 : 0, 1);
  out.Put(static_cast<std::uint32_t>(o.hide), 2);
  out.Put(static_cast<std::uint32_t>(o.blank), 2);
  out.Put(o.bonus ? 1 : 0, 1);
  out.Put(static_cast<std::uint32_t>(kind), 3);
  if (kind == InstructionKind::Typed) out.Put(typedCheck, 16);
  if (o.bonus) {
    out.Put(static_cast<std::uint32_t>(o.colourWords.colourCount), 3);
    out.Put(static_cast<std::uint32_t>(words - kWordsPerBlock.begin()), 2);
  } else {
    PutPatterns(out, o.patterns);
  }
  return true;
}

// The zero, hide, blank and おまけ settings, laid out alike in both versions.
void TakeSettings(BitReader& in, SheetOptions& o) {
  o.zero = in.Take(1) == 1 ? ZeroSetting::Allowed : ZeroSetting::Refused;
  const std::uint32_t hide = in.Take(2);
  const std::uint32_t blank = in.Take(2);
  if (hide > 2 || blank > 2) Refuse();
  o.hide = static_cast<LayerSetting>(hide);
  o.blank = static_cast<LayerSetting>(blank);
  o.bonus = in.Take(1) == 1;
}

InstructionKind TakeBodyV1(BitReader& in, SheetRecipe& recipe, std::uint16_t& typedCheck) {
  SheetOptions& o = recipe.options;
  const std::uint32_t index = in.TakeVarint();
  if (index >= kIndexLimit) Refuse();
  recipe.index = static_cast<int>(index);
  o.printNumber = UnZigZag(in.TakeVarint());
  TakeSettings(in, o);
  const auto kind = static_cast<InstructionKind>(in.Take(3));
  if (kind > InstructionKind::Typed) Refuse();
  typedCheck = kind == InstructionKind::Typed ? static_cast<std::uint16_t>(in.Take(16)) : 0;
  if (o.bonus) {
    o.colourWords.colourCount = static_cast<int>(in.Take(3));
    o.colourWords.wordsPerBlock = kWordsPerBlock[in.Take(2)];
  } else {
    o.patterns = TakePatterns(in);
  }
  return kind;
}

// Version 2 spends bits only on what differs from the sheet most made: a
// first sheet numbered 1, no hide, blank or zero, the setting's own
// instruction line, none of the later options. Small numbers take few bits
// (an Elias gamma code), and the patterns take whichever of three spellings
// is shortest: numbers, runs, or a bitmap up to the highest.
constexpr std::array<int, 4> kProblemChoices{50, 20, 30, 0};
constexpr int kPatternBits = 8;

void PutGamma(BitWriter& out, std::uint64_t value) {
  const std::uint64_t v = value + 1;
  int width = 1;
  while (width < 64 && (v >> width) != 0) ++width;
  for (int b = 1; b < width; ++b) out.Put(0, 1);
  for (int b = width - 1; b >= 0; --b) out.Put(static_cast<std::uint32_t>((v >> b) & 1U), 1);
}

std::uint64_t TakeGamma(BitReader& in) {
  int zeros = 0;
  while (in.Take(1) == 0) {
    if (++zeros > 33) Refuse();
  }
  std::uint64_t v = 1;
  for (int b = 0; b < zeros; ++b) v = (v << 1) | in.Take(1);
  return v - 1;
}

std::uint64_t ZigZag64(std::int64_t n) {
  return (static_cast<std::uint64_t>(n) << 1) ^ static_cast<std::uint64_t>(n >> 63);
}

std::int64_t UnZigZag64(std::uint64_t z) {
  return static_cast<std::int64_t>((z >> 1) ^ (~(z & 1U) + 1U));
}

InstructionKind UsualKind(const SheetOptions& o) {
  if (o.bonus) return InstructionKind::Colour;
  if (o.grid != GridOp::None) return InstructionKind::Grid;
  return KindOf(InstructionText(std::max(o.hide, o.blank)), GridOp::None);
}

bool HasLaterOptions(const SheetOptions& o) {
  return o.problems != 50 || o.paper != PaperSize::A4 || o.redAnswers || o.score ||
         o.grid != GridOp::None;
}

// A run's length: short ones in the gamma code, a long one (a whole
// grade's patterns, 1 to 150) in a byte, whichever is shorter.
void PutRunLength(BitWriter& out, int length) {
  BitWriter gamma;
  PutGamma(gamma, static_cast<std::uint64_t>(length - 1));
  if (gamma.Bits().size() <= kPatternBits) {
    out.Put(0, 1);
    out.Bits().insert(out.Bits().end(), gamma.Bits().begin(), gamma.Bits().end());
  } else {
    out.Put(1, 1);
    out.Put(static_cast<std::uint32_t>(length), kPatternBits);
  }
}

std::uint64_t TakeRunLength(BitReader& in) {
  return in.Take(1) == 0 ? TakeGamma(in) + 1 : in.Take(kPatternBits);
}

std::vector<std::pair<int, int>> Runs(const std::vector<int>& patterns) {
  std::vector<std::pair<int, int>> runs;
  for (const int p : patterns) {
    if (!runs.empty() && runs.back().first + runs.back().second == p) {
      ++runs.back().second;
    } else {
      runs.emplace_back(p, 1);
    }
  }
  return runs;
}

void PutPatternsV2(BitWriter& out, const std::vector<int>& patterns) {
  BitWriter list;
  list.Put(0, 1);
  PutGamma(list, patterns.size() - 1);
  for (const int p : patterns) list.Put(static_cast<std::uint32_t>(p), kPatternBits);
  BitWriter runs;
  runs.Put(2, 2);
  const auto spans = Runs(patterns);
  PutGamma(runs, spans.size() - 1);
  for (const auto& [start, length] : spans) {
    runs.Put(static_cast<std::uint32_t>(start), kPatternBits);
    PutRunLength(runs, length);
  }
  const std::vector<bool>* shortest = &list.Bits();
  if (runs.Bits().size() < shortest->size()) shortest = &runs.Bits();
  // A bitmap keeps no tick order: only for patterns ticked in ascending order.
  BitWriter bitmap;
  if (std::is_sorted(patterns.begin(), patterns.end())) {
    bitmap.Put(3, 2);
    const int highest = patterns.back();
    bitmap.Put(static_cast<std::uint32_t>(highest), kPatternBits);
    for (int p = 1; p < highest; ++p) {
      bitmap.Put(std::binary_search(patterns.begin(), patterns.end(), p) ? 1 : 0, 1);
    }
    if (bitmap.Bits().size() < shortest->size()) shortest = &bitmap.Bits();
  }
  out.Bits().insert(out.Bits().end(), shortest->begin(), shortest->end());
}

std::vector<int> TakePatternsV2(BitReader& in) {
  std::vector<int> patterns;
  std::array<bool, kPatternCount + 1> seen{};
  const auto add = [&](std::uint64_t p) {
    if (p < 1 || p > kPatternCount || seen[p]) Refuse();
    seen[p] = true;
    patterns.push_back(static_cast<int>(p));
  };
  if (in.Take(1) == 0) {
    const std::uint64_t count = TakeGamma(in) + 1;
    if (count > kPatternCount) Refuse();
    for (std::uint64_t i = 0; i < count; ++i) add(in.Take(kPatternBits));
  } else if (in.Take(1) == 0) {
    const std::uint64_t runs = TakeGamma(in) + 1;
    if (runs > kPatternCount) Refuse();
    for (std::uint64_t r = 0; r < runs; ++r) {
      const std::uint64_t start = in.Take(kPatternBits);
      const std::uint64_t length = TakeRunLength(in);
      if (length < 1 || length > kPatternCount) Refuse();
      for (std::uint64_t p = start; p < start + length; ++p) add(p);
    }
  } else {
    const std::uint32_t highest = in.Take(kPatternBits);
    if (highest < 1 || highest > kPatternCount) Refuse();
    for (std::uint32_t p = 1; p < highest; ++p) {
      if (in.Take(1) == 1) add(p);
    }
    add(highest);
  }
  return patterns;
}

bool PutBodyV2(BitWriter& out, const SheetRecipe& recipe, InstructionKind kind,
               std::uint16_t typedCheck) {
  const SheetOptions& o = recipe.options;
  const auto problems = std::find(kProblemChoices.begin(), kProblemChoices.end(), o.problems);
  if (problems == kProblemChoices.end() || o.problems == 0) return false;
  if (o.grid != GridOp::None && o.gridSize != 5 && o.gridSize != 10) return false;
  // What a colour-word sheet cannot show is no part of one.
  if (o.bonus && (o.problems != 50 || o.redAnswers || o.score || o.grid != GridOp::None)) {
    return false;
  }
  if (o.patterns.empty() && !o.bonus && o.grid == GridOp::None) return false;
  out.Put(recipe.seed, 32);
  PutGamma(out, static_cast<std::uint64_t>(recipe.index));
  PutGamma(out, ZigZag64(static_cast<std::int64_t>(o.printNumber) - recipe.index - 1));
  const bool plain = o.zero == ZeroSetting::Refused && o.hide == LayerSetting::None &&
                     o.blank == LayerSetting::None && !o.bonus && kind == UsualKind(o) &&
                     !HasLaterOptions(o);
  out.Put(plain ? 1 : 0, 1);
  if (!plain) {
    out.Put(o.zero == ZeroSetting::Allowed ? 1 : 0, 1);
    out.Put(static_cast<std::uint32_t>(o.hide), 2);
    out.Put(static_cast<std::uint32_t>(o.blank), 2);
    out.Put(o.bonus ? 1 : 0, 1);
    out.Put(kind == UsualKind(o) ? 1 : 0, 1);
    if (kind != UsualKind(o)) out.Put(static_cast<std::uint32_t>(kind), 3);
    if (kind == InstructionKind::Typed) out.Put(typedCheck, 16);
    out.Put(HasLaterOptions(o) ? 1 : 0, 1);
    if (HasLaterOptions(o)) {
      out.Put(static_cast<std::uint32_t>(problems - kProblemChoices.begin()), 2);
      out.Put(static_cast<std::uint32_t>(o.paper), 2);
      out.Put(o.redAnswers ? 1 : 0, 1);
      out.Put(o.score ? 1 : 0, 1);
      out.Put(static_cast<std::uint32_t>(o.grid), 2);
      if (o.grid != GridOp::None) out.Put(o.gridSize == 5 ? 1 : 0, 1);
    }
  }
  if (o.bonus) {
    const auto words =
        std::find(kWordsPerBlock.begin() + 1, kWordsPerBlock.end(), o.colourWords.wordsPerBlock);
    out.Put(static_cast<std::uint32_t>(o.colourWords.colourCount - kFewestColours), 2);
    out.Put(static_cast<std::uint32_t>(words - kWordsPerBlock.begin() - 1), 2);
    return true;
  }
  // A grid sheet needs no pattern; it keeps those ticked, if any.
  if (o.grid != GridOp::None) out.Put(o.patterns.empty() ? 0 : 1, 1);
  if (!o.patterns.empty()) PutPatternsV2(out, o.patterns);
  return true;
}

InstructionKind TakeBodyV2(BitReader& in, SheetRecipe& recipe, std::uint16_t& typedCheck) {
  SheetOptions& o = recipe.options;
  recipe.seed = in.Take(32);
  const std::uint64_t index = TakeGamma(in);
  if (index >= kIndexLimit) Refuse();
  recipe.index = static_cast<int>(index);
  const std::int64_t number = UnZigZag64(TakeGamma(in)) + 1 + recipe.index;
  if (number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::int32_t>::max()) {
    Refuse();
  }
  o.printNumber = static_cast<std::int32_t>(number);
  InstructionKind kind = InstructionKind::None;
  if (in.Take(1) == 1) {
    kind = UsualKind(o);
  } else {
    TakeSettings(in, o);
    // The usual line depends on the grid, which comes after it.
    const bool usual = in.Take(1) == 1;
    if (!usual) kind = static_cast<InstructionKind>(in.Take(3));
    if (kind > InstructionKind::Grid) Refuse();
    typedCheck = kind == InstructionKind::Typed ? static_cast<std::uint16_t>(in.Take(16)) : 0;
    if (in.Take(1) == 1) {
      o.problems = kProblemChoices[in.Take(2)];
      const std::uint32_t paper = in.Take(2);
      if (paper > static_cast<std::uint32_t>(PaperSize::B4)) Refuse();
      o.paper = static_cast<PaperSize>(paper);
      o.redAnswers = in.Take(1) == 1;
      o.score = in.Take(1) == 1;
      o.grid = static_cast<GridOp>(in.Take(2));
      if (o.grid != GridOp::None) o.gridSize = in.Take(1) == 1 ? 5 : 10;
    }
    if (usual) kind = UsualKind(o);
  }
  if (kind == InstructionKind::Grid && o.grid == GridOp::None) Refuse();
  if (o.bonus) {
    o.colourWords.colourCount = static_cast<int>(in.Take(2)) + kFewestColours;
    const std::uint32_t words = in.Take(2) + 1;
    if (words >= kWordsPerBlock.size()) Refuse();
    o.colourWords.wordsPerBlock = kWordsPerBlock[words];
  } else if (o.grid == GridOp::None || in.Take(1) == 1) {
    o.patterns = TakePatternsV2(in);
  }
  return kind;
}

std::optional<std::string> EncodeWith(const SheetRecipe& recipe, int version, InstructionKind kind,
                                      std::uint16_t typedCheck) {
  const SheetOptions& o = recipe.options;
  const auto words =
      std::find(kWordsPerBlock.begin() + 1, kWordsPerBlock.end(), o.colourWords.wordsPerBlock);
  if (recipe.index < 0 || recipe.index >= kIndexLimit) return std::nullopt;
  if (o.bonus && (o.colourWords.colourCount < kFewestColours ||
                  o.colourWords.colourCount > kMostColours || words == kWordsPerBlock.end())) {
    return std::nullopt;
  }
  if (!o.bonus && o.patterns.empty() && (version < 2 || o.grid == GridOp::None)) {
    return std::nullopt;
  }
  BitWriter out;
  out.Put(static_cast<std::uint32_t>(version), 4);
  if (version == 1) {
    out.Put(recipe.seed, 32);
    if (!PutBodyV1(out, recipe, kind, typedCheck)) return std::nullopt;
  } else if (!PutBodyV2(out, recipe, kind, typedCheck)) {
    return std::nullopt;
  }
  std::vector<bool>& bits = out.Bits();
  while ((bits.size() + 16) % 5 != 0) bits.push_back(false);
  // The check covers everything but itself, the version included, so that a
  // damaged code never passes for one of a newer version.
  const std::uint16_t crc = Crc16(bits);
  BitWriter check;
  check.Put(crc, 16);
  bits.insert(bits.begin() + 4, check.Bits().begin(), check.Bits().end());
  std::string code;
  for (std::size_t i = 0; i < bits.size(); i += 5) {
    if (i > 0 && (i / 5) % kGroup == 0) code += '-';
    int v = 0;
    for (std::size_t b = i; b < i + 5; ++b) v = (v << 1) | (bits[b] ? 1 : 0);
    code += kAlphabet[v];
  }
  return code;
}

}  // namespace

std::optional<std::string> EncodeSheetCode(const SheetRecipe& recipe, int version) {
  const InstructionKind kind = KindOf(recipe.options.instruction, recipe.options.grid);
  return EncodeWith(recipe, version, kind, TextCheck(recipe.options.instruction));
}

std::string TidySheetCode(const std::string& typed) {
  const std::u32string characters = Characters(typed);
  std::u32string tidy;
  for (std::size_t i = 0; i < characters.size(); i += kGroup) {
    if (i > 0) tidy += U'-';
    tidy += characters.substr(i, kGroup);
  }
  return Utf8(tidy);
}

SheetRecipe DecodeSheetCode(const std::string& code, const std::string& typedInstruction) {
  const std::u32string characters = Characters(code);
  std::vector<bool> bits;
  for (const char32_t c : characters) {
    const int v = AlphabetIndex(c);
    if (v < 0) Refuse();
    for (int b = 4; b >= 0; --b) bits.push_back(((v >> b) & 1) != 0);
  }
  if (bits.size() < 25) Refuse();
  BitReader head(bits, 0);
  const std::uint32_t version = head.Take(4);
  const std::uint32_t crc = head.Take(16);
  std::vector<bool> covered(bits.begin(), bits.begin() + 4);
  covered.insert(covered.end(), bits.begin() + 20, bits.end());
  if (Crc16(covered) != crc || version == 0) Refuse();
  if (version > kSheetCodeVersion) {
    throw SheetCodeError(SheetCodeError::Kind::Newer,
                         "この再作成コードは新しい版のKazenoriで作られています。"
                         "Kazenoriを新しくしてから再作成して下さい。");
  }
  BitReader in(bits, 20);
  SheetRecipe recipe;
  SheetOptions& o = recipe.options;
  std::uint16_t typedCheck = 0;
  InstructionKind kind = InstructionKind::None;
  if (version == 1) {
    recipe.seed = in.Take(32);
    kind = TakeBodyV1(in, recipe, typedCheck);
  } else {
    kind = TakeBodyV2(in, recipe, typedCheck);
  }
  // The composition's first sheet must have had a 32-bit number too.
  if (static_cast<std::int64_t>(o.printNumber) - recipe.index <
      std::numeric_limits<std::int32_t>::min()) {
    Refuse();
  }
  const bool typedDiffers =
      kind == InstructionKind::Typed && typedCheck != TextCheck(typedInstruction);
  o.instruction = kind == InstructionKind::Typed ? typedInstruction : InstructionOf(kind, o.grid);
  in.ExpectEnd();
  // Every field must be one the program makes, written as the program writes
  // it (no padded number, no run split in two): such a code is the one this
  // recipe gives, and any other reading of its bits is no sheet's.
  const std::optional<std::string> again =
      EncodeWith(recipe, static_cast<int>(version), kind, typedCheck);
  if (!again || Characters(*again) != characters) Refuse();
  if (typedDiffers) {
    throw SheetCodeError(SheetCodeError::Kind::InstructionDiffers,
                         "このシートの問題文は書き換えられています。"
                         "問題文の欄に同じ文を入れてから、もう一度再作成して下さい。");
  }
  return recipe;
}

}  // namespace kazenori
