// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webrequest.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <set>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "composition/printnumber.h"
#include "composition/utf8.h"
#include "generation/patterncatalogue.h"
#include "generation/patterngrades.h"

namespace kazenori {

namespace {

// A cursor over the text of a flat object; every fault is the same error,
// since only the page's own script writes these.
class FlatJsonReader {
 public:
  explicit FlatJsonReader(const std::string& text) : s_(text) {}

  std::map<std::string, std::string> Object() {
    std::map<std::string, std::string> members;
    Expect('{');
    if (Peek() == '}') return Finish(members);
    for (;;) {
      std::string key = String();
      Expect(':');
      std::optional<std::string> value = Value();
      if (value) members[key] = *value;
      if (Peek() == '}') return Finish(members);
      Expect(',');
    }
  }

 private:
  [[noreturn]] static void Fail() { throw WebRequestError("設定の形が正しくありません。"); }

  char Peek() {
    while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    return pos_ < s_.size() ? s_[pos_] : '\0';
  }
  void Expect(char c) {
    if (Peek() != c) Fail();
    ++pos_;
  }
  std::map<std::string, std::string> Finish(std::map<std::string, std::string>& members) {
    Expect('}');
    if (Peek() != '\0') Fail();
    return std::move(members);
  }
  bool Literal(const char* word) {
    const std::string w(word);
    if (s_.compare(pos_, w.size(), w) != 0) return false;
    pos_ += w.size();
    return true;
  }
  std::optional<std::string> Value() {
    const char c = Peek();
    if (c == '"') return String();
    if (Literal("true")) return std::string();
    if (Literal("false") || Literal("null")) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < s_.size() && std::strchr("+-.0123456789eE", s_[pos_]) != nullptr) ++pos_;
    if (pos_ == start) Fail();
    return s_.substr(start, pos_ - start);
  }
  unsigned Hex4() {
    if (pos_ + 4 > s_.size()) Fail();
    unsigned v = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = s_[pos_++];
      if (!std::isxdigit(static_cast<unsigned char>(h))) Fail();
      v = v * 16 +
          static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h))
                                    ? h - '0'
                                    : std::tolower(static_cast<unsigned char>(h)) - 'a' + 10);
    }
    return v;
  }
  std::string String() {
    Expect('"');
    std::u32string out;
    std::string raw;
    auto flush = [&] {
      for (char32_t c : CodePoints(raw)) out += c;
      raw.clear();
    };
    while (pos_ < s_.size() && s_[pos_] != '"') {
      if (s_[pos_] != '\\') {
        raw += s_[pos_++];
        continue;
      }
      flush();
      if (++pos_ >= s_.size()) Fail();
      const char e = s_[pos_++];
      switch (e) {
        case 'b':
          out += U'\b';
          break;
        case 'f':
          out += U'\f';
          break;
        case 'n':
          out += U'\n';
          break;
        case 'r':
          out += U'\r';
          break;
        case 't':
          out += U'\t';
          break;
        case 'u': {
          char32_t c = Hex4();
          if (c >= 0xd800 && c < 0xdc00 && Literal("\\u")) {
            const unsigned low = Hex4();
            c = low >= 0xdc00 && low < 0xe000 ? 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00)
                                              : 0xfffd;
          }
          out += c >= 0xd800 && c < 0xe000 ? 0xfffd : c;
          break;
        }
        case '"':
        case '\\':
        case '/':
          out += static_cast<char32_t>(e);
          break;
        default:
          Fail();
      }
    }
    Expect('"');
    flush();
    return Utf8(out);
  }

  const std::string& s_;
  std::size_t pos_ = 0;
};

std::string Format(const char* pattern, const std::string& a, const std::string& b = {},
                   const std::string& c = {}) {
  std::string out;
  const std::string args[] = {a, b, c};
  int next = 0;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p == '%' && next < 3) {
      out += args[next++];
    } else {
      out += *p;
    }
  }
  return out;
}

bool AllDigits(const std::string& s, std::size_t most) {
  return !s.empty() && s.size() <= most &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

long long Number(const std::string& name, const std::string& value, long long low, long long high) {
  if (!AllDigits(value, 12) || std::stoll(value) < low || std::stoll(value) > high) {
    throw WebRequestError(Format("% には % から % までの数を指定して下さい（「", name,
                                 std::to_string(low), std::to_string(high)) +
                          value + "」）。");
  }
  return std::stoll(value);
}

LayerSetting Layer(const std::string& name, const std::string& value) {
  if (value == "none") return LayerSetting::None;
  if (value == "random") return LayerSetting::Random;
  if (value == "all") return LayerSetting::All;
  throw WebRequestError(name + " には none、random、all のどれかを指定して下さい。");
}

// A code names every option of its sheet; the page may send its instruction
// line with it, which the code checks.
void ReadRemake(WebRequest& r, const std::map<std::string, std::string>& o) {
  for (const auto& [name, value] : o) {
    if (name != "code" && name != "message") {
      throw WebRequestError("再作成コードがシートの設定を全て決めるので、" + name +
                            " は指定できません。");
    }
  }
  const auto message = o.find("message");
  try {
    r.remake = DecodeSheetCode(o.at("code"), message != o.end() ? message->second : std::string());
  } catch (const SheetCodeError& e) {
    throw WebRequestError(e.what());
  }
  if (message != o.end() && r.remake->options.instruction != message->second) {
    throw WebRequestError(
        "このコードのシートの問題文はプログラムのものです。message は指定できません。");
  }
  r.sheet = r.remake->options;
}

}  // namespace

std::map<std::string, std::string> ReadFlatJson(const std::string& json) {
  return FlatJsonReader(json).Object();
}

std::vector<int> ReadPatternList(const std::string& list) {
  std::vector<int> numbers;
  std::set<int> seen;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    const std::string part =
        Trimmed(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    const std::size_t dash = part.find('-');
    const std::string from = part.substr(0, dash);
    const std::string to = dash == std::string::npos ? from : part.substr(dash + 1);
    if (!AllDigits(from, 4) || !AllDigits(to, 4)) {
      throw WebRequestError("patterns: 「" + part + "」はパターンの番号でも範囲でもありません。");
    }
    const int a = std::stoi(from);
    const int b = std::stoi(to);
    if (std::min(a, b) < 1 || std::max(a, b) > kPatternCount) {
      throw WebRequestError("patterns: 「" + part + "」は 1〜150 の外です。");
    }
    if (a > b) {
      throw WebRequestError("patterns: 「" + part + "」の範囲は小さい番号から書いて下さい。");
    }
    for (int p = a; p <= b; ++p) {
      if (!seen.insert(p).second) {
        throw WebRequestError("patterns: パターン " + std::to_string(p) + " が２回あります。");
      }
      numbers.push_back(p);
    }
    if (comma == std::string::npos) return numbers;
    start = comma + 1;
  }
}

WebRequest ReadWebRequest(const std::map<std::string, std::string>& o) {
  static const std::set<std::string> kNames{
      "patterns",    "grade", "zero", "hide",      "blank",   "message", "print-number",
      "sheets",      "seed",  "code", "bonus",     "colours", "words",   "problems",
      "red-answers", "score", "grid", "grid-size", "paper"};
  for (const auto& [name, value] : o) {
    if (kNames.count(name) == 0) throw WebRequestError(name + " という設定はありません。");
  }
  WebRequest r;
  if (o.count("code") != 0) {
    ReadRemake(r, o);
    return r;
  }
  SheetOptions& s = r.sheet;
  const auto given = [&](const char* name) { return o.count(name) != 0; };
  const auto value = [&](const char* name) { return o.at(name); };
  if (given("patterns") && given("grade")) {
    throw WebRequestError("patterns と grade は一緒には指定できません。");
  }
  if (given("patterns")) s.patterns = ReadPatternList(value("patterns"));
  if (given("grade")) {
    s.patterns =
        PatternsOfGrade(static_cast<int>(Number("grade", value("grade"), kFirstGrade, kLastGrade)));
  }
  if (given("zero")) s.zero = ZeroSetting::Allowed;
  if (given("hide")) s.hide = Layer("hide", value("hide"));
  if (given("blank")) s.blank = Layer("blank", value("blank"));
  if (given("problems")) {
    s.problems = static_cast<int>(Number("problems", value("problems"), 20, 50));
    if (s.problems % 10 != 0 || s.problems == 40) {
      throw WebRequestError("problems には 20、30、50 のどれかを指定して下さい。");
    }
  }
  s.redAnswers = given("red-answers");
  s.score = given("score");
  if (given("grid")) {
    const std::string op = value("grid");
    s.grid = op == "add"   ? GridOp::Add
             : op == "sub" ? GridOp::Sub
             : op == "mul"
                 ? GridOp::Mul
                 : throw WebRequestError("grid には add、sub、mul のどれかを指定して下さい。");
  }
  if (given("grid-size")) {
    if (value("grid-size") != "5" && value("grid-size") != "10") {
      throw WebRequestError("grid-size には 5 か 10 を指定して下さい。");
    }
    if (s.grid == GridOp::None) throw WebRequestError("grid-size は百ます計算の設定です。");
    s.gridSize = std::stoi(value("grid-size"));
  }
  // A grid sheet is drawn from its operation and size alone.
  if (s.grid != GridOp::None) {
    for (const char* other : {"bonus", "patterns", "grade", "zero", "hide", "blank", "colours",
                              "words", "problems", "red-answers", "score"}) {
      if (given(other)) {
        throw WebRequestError(std::string("百ます計算のシートには ") + other +
                              " は指定できません。");
      }
    }
  }
  if (given("paper")) {
    const std::string paper = value("paper");
    s.paper = paper == "a4"   ? PaperSize::A4
              : paper == "b5" ? PaperSize::B5
              : paper == "b4"
                  ? PaperSize::B4
                  : throw WebRequestError("paper には a4、b5、b4 のどれかを指定して下さい。");
  }
  if (given("print-number")) {
    try {
      s.printNumber = StrToInt(value("print-number"));
    } catch (const ConversionError& e) {
      throw WebRequestError(std::string("print-number: ") + e.what());
    }
  }
  if (given("sheets")) r.sheets = static_cast<int>(Number("sheets", value("sheets"), 1, 10000));
  if (given("seed")) {
    r.seed = static_cast<std::uint32_t>(
        Number("seed", value("seed"), 0, std::numeric_limits<std::uint32_t>::max()));
  }
  s.bonus = given("bonus");
  if (!s.bonus && (given("colours") || given("words"))) {
    throw WebRequestError("colours と words はおまけのシートの設定です。");
  }
  if (s.bonus) {
    for (const char* arithmetic :
         {"patterns", "grade", "zero", "hide", "blank", "problems", "red-answers", "score"}) {
      if (given(arithmetic)) {
        throw WebRequestError(std::string("おまけのシートには ") + arithmetic +
                              " は指定できません。");
      }
    }
    // The colour dialog's own first choices, as on the command line.
    s.colourWords.colourCount =
        given("colours") ? static_cast<int>(Number("colours", value("colours"), 2, 5)) : 4;
    s.colourWords.wordsPerBlock = 40;
    if (given("words")) {
      s.colourWords.wordsPerBlock = static_cast<int>(Number("words", value("words"), 20, 40));
      if (s.colourWords.wordsPerBlock % 10 != 0) {
        throw WebRequestError("words には 20、30、40 のどれかを指定して下さい。");
      }
    }
  } else if (s.patterns.empty() && s.grid == GridOp::None) {
    throw WebRequestError(EmptySelectionText());
  }
  if (!SheetNumbersFit(s.printNumber, r.sheets)) {
    throw WebRequestError("プリント番号 " + std::to_string(s.printNumber) + " から " +
                          std::to_string(r.sheets) + " 枚では 2147483647 を超えます。");
  }
  s.instruction = given("message")         ? value("message")
                  : s.bonus                ? kColourInstruction
                  : s.grid != GridOp::None ? GridInstruction(s.grid)
                                           : InstructionText(std::max(s.hide, s.blank));
  return r;
}

}  // namespace kazenori
