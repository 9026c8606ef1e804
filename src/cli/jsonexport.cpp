// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/jsonexport.h"

#include <QString>

#include <string>
#include <utility>

#include "preview/plPrev.h"

namespace kazenori {

namespace {

class Writer {
 public:
  QByteArray out;

  QByteArray Take() { return std::exchange(out, QByteArray()); }

  void Raw(const char* s) { out += s; }
  void Key(const char* key) {
    Separate();
    String(key);
    out += ": ";
    fresh_ = true;
  }
  void Int(long long v) { Value(QByteArray::number(v)); }
  void Bool(bool v) { Value(v ? "true" : "false"); }
  void Text(const std::string& s) { Text(QByteArray::fromStdString(s)); }
  void Text(const QString& s) { Text(s.toUtf8()); }
  void Text(const QByteArray& utf8) {
    SeparateValue();
    String(utf8);
  }
  void Open(char bracket) {
    SeparateValue();
    out += bracket;
    fresh_ = true;
  }
  void Close(char bracket) {
    out += bracket;
    fresh_ = false;
  }
  // The next element starts on a line of its own.
  void Break(int indent) {
    if (!fresh_) out += ",";
    out += "\n" + QByteArray(indent, ' ');
    fresh_ = true;
  }

 private:
  void Separate() {
    if (!fresh_) out += ", ";
  }
  void SeparateValue() {
    if (!fresh_) out += ", ";
    fresh_ = false;
  }
  void Value(const QByteArray& v) {
    SeparateValue();
    out += v;
  }
  void String(const QByteArray& s) {
    out += '"';
    for (const char c : s) {
      switch (c) {
        case '"':
          out += "\\\"";
          break;
        case '\\':
          out += "\\\\";
          break;
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            out += QByteArray("\\u") +
                   QByteArray::number(static_cast<int>(c), 16).rightJustified(4, '0');
          } else {
            out += c;
          }
      }
    }
    out += '"';
  }
  bool fresh_ = true;
};

const char* OpName(TextOperation::Kind kind) {
  switch (kind) {
    case TextOperation::Kind::Left:
      return "left";
    case TextOperation::Kind::LeftMid:
      return "leftmid";
    case TextOperation::Kind::Center:
      return "center";
    case TextOperation::Kind::Right:
      return "right";
  }
  return "left";
}

void Problem(Writer& w, const ComposedSheet& sheet, int i) {
  const ProblemRecord& r = sheet.problems.At(i);
  const auto at = static_cast<std::size_t>(i - 1);
  w.Open('{');
  w.Key("index");
  w.Int(i);
  w.Key("pattern");
  w.Int(sheet.patterns[at]);
  w.Key("op");
  w.Int(r.op);
  w.Key("termMode");
  w.Int(r.termMode);
  w.Key("form");
  w.Int(r.form);
  w.Key("valA");
  w.Int(r.valA);
  w.Key("valB");
  w.Int(r.valB);
  w.Key("valC");
  w.Int(r.valC);
  w.Key("valD");
  w.Int(r.valD);
  w.Key("strA");
  w.Text(r.strA);
  w.Key("strB");
  w.Text(r.strB);
  w.Key("strC");
  w.Text(r.strC);
  w.Key("strD");
  w.Text(r.strD);
  w.Key("strE");
  w.Text(r.strE);
  w.Key("strAnswer");
  w.Text(r.strAnswer);
  w.Key("strRemainder");
  w.Text(r.strRemainder);
  w.Key("question");
  w.Text(sheet.questions[at]);
  w.Close('}');
}

void Item(Writer& w, const TextOperation& op) {
  w.Open('{');
  w.Key("op");
  w.Text(QByteArray(OpName(op.kind)));
  w.Key("x");
  w.Int(op.x);
  w.Key("y");
  w.Int(op.y);
  w.Key("height");
  w.Int(op.fontHeight);
  w.Key("bold");
  w.Bool(op.bold);
  w.Key("color");
  w.Text(op.colour.name());
  w.Key("text");
  w.Text(op.text);
  w.Close('}');
}

}  // namespace

struct SheetsJsonWriter::State {
  Writer w;
};

SheetsJsonWriter::SheetsJsonWriter() : state_(std::make_unique<State>()) {}
SheetsJsonWriter::~SheetsJsonWriter() = default;

QByteArray SheetsJsonWriter::Head(const PageGeometry& g) {
  Writer& w = state_->w;
  w.Open('{');
  w.Key("geometry");
  w.Open('{');
  w.Key("left");
  w.Int(g.left);
  w.Key("top");
  w.Int(g.top);
  w.Key("width");
  w.Int(g.width);
  w.Key("height");
  w.Int(g.height);
  w.Close('}');
  w.Break(1);
  w.Key("sheets");
  w.Open('[');
  return w.Take();
}

QByteArray SheetsJsonWriter::Sheet(const ComposedSheet& sheet, const TCustomplPrev& document) {
  Writer& w = state_->w;
  w.Break(2);
  w.Open('{');
  w.Key("printNumber"), w.Int(sheet.printNumber);
  w.Break(3);
  w.Key("problems");
  w.Open('[');
  // A colour-word sheet keeps its problem table empty.
  if (sheet.pageCount == 2) {
    for (int i = 1; i <= kProblemCount; ++i) {
      w.Break(4);
      Problem(w, sheet, i);
    }
  }
  w.Close(']');
  w.Break(3);
  w.Key("pages");
  w.Open('[');
  for (int p = sheet.firstPage; p < sheet.firstPage + sheet.pageCount; ++p) {
    w.Break(4);
    w.Open('{');
    w.Key("items");
    w.Open('[');
    for (const TextOperation& op : document.TextOperations(p)) {
      w.Break(5);
      Item(w, op);
    }
    w.Close(']');
    w.Close('}');
  }
  w.Close(']');
  w.Close('}');
  return w.Take();
}

QByteArray SheetsJsonWriter::Tail() {
  Writer& w = state_->w;
  w.Close(']');
  w.Close('}');
  w.Raw("\n");
  return w.Take();
}

QByteArray ComposedSheetsJson(const PageGeometry& g, const std::vector<ComposedSheet>& sheets,
                              const TCustomplPrev& document) {
  SheetsJsonWriter writer;
  QByteArray out = writer.Head(g);
  for (const ComposedSheet& sheet : sheets) out += writer.Sheet(sheet, document);
  return out + writer.Tail();
}

}  // namespace kazenori
