// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's face to the browser page: plain C functions that take and give
// UTF-8 JSON, so that the page needs no binding library. Each returned text
// stays valid until the next call.

#include <string>
#include <vector>

#include "composition/colourwordsheet.h"
#include "composition/gridsheet.h"
#include "composition/pagegeometry.h"
#include "composition/seededcomposition.h"
#include "composition/sheetcode.h"
#include "composition/worksheetjson.h"
#include "generation/patterncatalogue.h"
#include "generation/patterngrades.h"
#include "generation/random.h"
#include "web/webrequest.h"

namespace kazenori {
namespace {

struct EngineState {
  std::string result;
  std::string error;
};

EngineState& State() {
  static EngineState state;
  return state;
}

const char* Answer(std::string result, std::string error = {}) {
  State().result = std::move(result);
  State().error = std::move(error);
  return State().result.c_str();
}

std::string Joined(const std::vector<std::string>& values, char open, char close) {
  std::string out(1, open);
  for (const std::string& v : values) out += (out.size() > 1 ? "," : "") + v;
  return out + close;
}

std::string Choice(const char* value, const char* label) {
  return Joined({JsonString(value), JsonString(label)}, '[', ']');
}

// The sheet types and their settings, as the page lays out its controls:
// a new sheet type or setting of the core shows on the page through this
// table alone. `option` is the switch that asks for the type ("" for the
// arithmetic sheet; a setting of the same name gives its value, as grid=sub); `settings` name rows
// of "settings", in the command line's names and values.
std::string Form() {
  struct Setting {
    const char* name;
    const char* label;
    std::vector<std::string> choices;
    const char* fallback;  // the value when it is not given
  };
  const std::vector<Setting> settings{
      {"zero", "第２項のｾﾞﾛの設定", {Choice("", "なし"), Choice("1", "あり")}, ""},
      {"hide",
       "演算子のみを隠す設定",
       {Choice("none", "なし"), Choice("random", "ﾗﾝﾀﾞﾑ"), Choice("all", "全て")},
       "none"},
      {"blank",
       "虫食いの設定",
       {Choice("none", "なし"), Choice("random", "ﾗﾝﾀﾞﾑ"), Choice("all", "全て")},
       "none"},
      {"problems",
       "問題数",
       {Choice("50", "５０問"), Choice("30", "３０問"), Choice("20", "２０問")},
       "50"},
      {"red-answers", "解答を赤で", {Choice("", "なし"), Choice("1", "あり")}, ""},
      {"score", "点数欄", {Choice("", "なし"), Choice("1", "あり")}, ""},
      {"grid",
       "百ます計算",
       {Choice("add", "たし算"), Choice("sub", "ひき算"), Choice("mul", "かけ算")},
       "add"},
      {"grid-size", "ますの数", {Choice("10", "10×10"), Choice("5", "5×5")}, "10"},
      {"colours",
       "色数の設定",
       {Choice("2", "２色（赤・青）"), Choice("3", "３色（赤・青・黄）"),
        Choice("4", "４色（赤・青・黄・緑）"), Choice("5", "５色（赤・青・黄・緑・黒）")},
       "4"},
      {"words",
       "問題数の設定",
       {Choice("20", "２０個"), Choice("30", "３０個"), Choice("40", "４０個")},
       "40"},
  };
  std::vector<std::string> rows;
  for (const Setting& s : settings) {
    rows.push_back(Joined(
        {"\"name\":" + JsonString(s.name), "\"label\":" + JsonString(s.label),
         "\"choices\":" + Joined(s.choices, '[', ']'), "\"fallback\":" + JsonString(s.fallback)},
        '{', '}'));
  }
  const std::string types = Joined(
      {Joined(
           {"\"name\":\"arithmetic\"", "\"label\":\"計算\"", "\"option\":\"\"", "\"patterns\":true",
            "\"settings\":[\"zero\",\"hide\",\"blank\",\"problems\",\"red-answers\",\"score\"]",
            "\"instruction\":" + JsonString(InstructionText(LayerSetting::None))},
           '{', '}'),
       Joined({"\"name\":\"bonus\"", "\"label\":\"おまけ（色）\"", "\"option\":\"bonus\"",
               "\"patterns\":false", "\"settings\":[\"colours\",\"words\"]",
               "\"instruction\":" + JsonString(kColourInstruction)},
              '{', '}'),
       Joined({"\"name\":\"grid\"", "\"label\":\"百ます計算\"", "\"option\":\"grid\"",
               "\"patterns\":false", "\"settings\":[\"grid\",\"grid-size\"]",
               "\"instruction\":" + JsonString(GridInstruction(GridOp::Add)),
               // Each operation has its own line: the placeholder follows the choice.
               "\"instructions\":{\"add\":" + JsonString(GridInstruction(GridOp::Add)) +
                   ",\"sub\":" + JsonString(GridInstruction(GridOp::Sub)) +
                   ",\"mul\":" + JsonString(GridInstruction(GridOp::Mul)) + "}"},
              '{', '}')},
      '[', ']');
  return "{\"types\":" + types + ",\"settings\":" + Joined(rows, '[', ']') + "}";
}

std::string Patterns() {
  std::vector<std::string> rows;
  for (const PatternInfo& p : PatternCatalogue()) {
    const PatternGrade& g = GradeOf(p.number);
    rows.push_back(
        Joined({"\"number\":" + std::to_string(p.number), "\"caption\":" + JsonString(p.caption),
                "\"grade\":" + std::to_string(g.grade), "\"unit\":" + JsonString(g.unit),
                std::string("\"enrichment\":") + (g.enrichment ? "true" : "false")},
               '{', '}'));
  }
  return Joined(rows, '[', ']');
}

// The options of a recipe in the command line's names, for the page's controls.
std::string RecipeOptions(const SheetRecipe& r) {
  const SheetOptions& s = r.options;
  auto layer = [](LayerSetting l) {
    return JsonString(l == LayerSetting::All      ? "all"
                      : l == LayerSetting::Random ? "random"
                                                  : "none");
  };
  std::vector<std::string> members{"\"print-number\":" + JsonString(std::to_string(s.printNumber)),
                                   "\"message\":" + JsonString(s.instruction),
                                   "\"seed\":" + JsonString(std::to_string(r.seed)),
                                   "\"index\":" + std::to_string(r.index)};
  if (s.grid != GridOp::None) {
    members.push_back("\"grid\":" + JsonString(s.grid == GridOp::Add   ? "add"
                                               : s.grid == GridOp::Sub ? "sub"
                                                                       : "mul"));
    members.push_back("\"grid-size\":" + JsonString(std::to_string(s.gridSize)));
  } else if (s.bonus) {
    members.push_back("\"bonus\":true");
    members.push_back("\"colours\":" + JsonString(std::to_string(s.colourWords.colourCount)));
    members.push_back("\"words\":" + JsonString(std::to_string(s.colourWords.wordsPerBlock)));
  } else {
    std::string list;
    for (int p : s.patterns) list += (list.empty() ? "" : ",") + std::to_string(p);
    members.push_back("\"patterns\":" + JsonString(list));
    if (s.zero == ZeroSetting::Allowed) members.push_back("\"zero\":true");
    members.push_back("\"hide\":" + layer(s.hide));
    members.push_back("\"blank\":" + layer(s.blank));
    members.push_back("\"problems\":" + JsonString(std::to_string(s.problems)));
    if (s.redAnswers) members.push_back("\"red-answers\":true");
    if (s.score) members.push_back("\"score\":true");
  }
  return Joined(members, '{', '}');
}

}  // namespace
}  // namespace kazenori

using namespace kazenori;

extern "C" {

// The worksheet JSON that `kazenori --json` writes for the same options (a
// flat object, see WebRequest); "" and an error when they are refused.
const char* kazenori_compose(const char* optionsJson) {
  try {
    const WebRequest r = ReadWebRequest(ReadFlatJson(optionsJson));
    const PageGeometry geometry = DesignPaperGeometry();
    if (r.remake) return Answer(WorksheetJson(Remake(*r.remake, geometry)));
    return Answer(
        WorksheetJson(ComposeSeeded(r.seed ? *r.seed : ClockSeed(), r.sheet, r.sheets, geometry)));
  } catch (const std::exception& e) {
    return Answer({}, e.what());
  }
}

// A typed code's options (print number, instruction, seed, sheet index and
// the sheet's own settings); "" and an error for a code that is refused.
const char* kazenori_decode(const char* code, const char* instruction) {
  try {
    const std::string tidy = TidySheetCode(code);
    return Answer("{\"code\":" + JsonString(tidy) +
                  ",\"options\":" + RecipeOptions(DecodeSheetCode(tidy, instruction)) + "}");
  } catch (const std::exception& e) {
    return Answer({}, e.what());
  }
}

// The 150 patterns with their captions and school years.
const char* kazenori_patterns() {
  return Answer(Patterns());
}

// The sheet types and their settings.
const char* kazenori_form() {
  return Answer(Form());
}

// Why the last call gave "".
const char* kazenori_error() {
  return State().error.c_str();
}

}  // extern "C"
