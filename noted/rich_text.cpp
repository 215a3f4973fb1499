// SPDX-License-Identifier: GPL-3.0-or-later
#include "noted/rich_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <vector>

namespace sonarel::noted {
namespace {

void appendText(QByteArray& out, const QString& text) {
  QStringEncoder windows1252("windows-1252");
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += static_cast<char>(u);
    } else if (u == 0x2028 || u == '\n') {
      out += "\\line ";
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u >= 0x20 && u < 0x80) {
      out += static_cast<char>(u);
    } else {
      const QByteArray encoded = windows1252.encode(QString(c));
      if (encoded.size() == 1 && static_cast<unsigned char>(encoded[0]) >= 0x80 &&
          !windows1252.hasError()) {
        out += QByteArray("\\'") + encoded.toHex();
      } else {
        out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + "?";
      }
      windows1252.resetState();
    }
  }
}

// The reader's state within one group.
struct GroupState {
  bool bold = false;
  bool italic = false;
  bool skip = false;  // a destination whose text is not part of the notes
  int fallback = 1;   // characters that stand in after a Unicode escape
};

class RtfReader {
 public:
  RtfReader(const QByteArray& rtf, QTextDocument& document) : rtf_(rtf), cursor_(&document) {}

  void run() {
    groups_.push_back({});
    while (i_ < rtf_.size()) {
      const char c = rtf_[i_];
      if (c == '{') {
        groups_.push_back(groups_.back());
        ++i_;
      } else if (c == '}') {
        flush();
        if (groups_.size() > 1) groups_.pop_back();
        written_ = state();
        ++i_;
      } else if (c == '\\') {
        escape();
      } else if (c == '\r' || c == '\n') {
        ++i_;
      } else {
        addByte(c);
        ++i_;
      }
    }
    flush();
  }

 private:
  GroupState& state() { return groups_.back(); }

  void addByte(char c) {
    if (state().skip) return;
    if (skipping_ > 0) {
      --skipping_;
      return;
    }
    pendingBytes_ += c;
  }

  void addText(const QString& text) {
    if (state().skip) return;
    decodePending();
    pendingText_ += text;
  }

  void decodePending() {
    if (pendingBytes_.isEmpty()) return;
    QStringDecoder windows1252("windows-1252");
    pendingText_ += windows1252.decode(pendingBytes_);
    pendingBytes_.clear();
  }

  // Writes the text gathered so far in the current group's format.
  void flush() {
    decodePending();
    if (pendingText_.isEmpty()) return;
    QTextCharFormat format;
    format.setFontWeight(written_.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(written_.italic);
    cursor_.insertText(pendingText_, format);
    pendingText_.clear();
  }

  void formatChanged() {
    flush();
    written_ = state();
  }

  void escape() {
    if (i_ + 1 >= rtf_.size()) {
      ++i_;
      return;
    }
    const char next = rtf_[i_ + 1];
    if (next == '\\' || next == '{' || next == '}') {
      addByte(next);
      i_ += 2;
      return;
    }
    if (next == '\'') {
      bool ok = false;
      const int value = rtf_.mid(i_ + 2, 2).toInt(&ok, 16);
      i_ += 4;
      if (ok) addByte(static_cast<char>(value));
      return;
    }
    if (next == '*') {
      state().skip = true;
      i_ += 2;
      return;
    }
    controlWord();
  }

  void controlWord() {
    qsizetype j = i_ + 1;
    while (j < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[j]))) ++j;
    const QByteArray word = rtf_.mid(i_ + 1, j - i_ - 1);
    const qsizetype numberStart = j;
    if (j < rtf_.size() && rtf_[j] == '-') ++j;
    while (j < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[j]))) ++j;
    bool hasNumber = false;
    const int number = rtf_.mid(numberStart, j - numberStart).toInt(&hasNumber);
    if (j < rtf_.size() && rtf_[j] == ' ') ++j;
    if (word.isEmpty()) j = std::max(j, i_ + 2);
    i_ = j;
    if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" ||
        word == "pict" || word == "header" || word == "footer" || word == "fldinst") {
      state().skip = true;
    } else if (word == "par") {
      flush();
      if (!state().skip) cursor_.insertBlock();
    } else if (word == "line") {
      addText(QString(QChar(0x2028)));
    } else if (word == "tab") {
      addText("\t");
    } else if (word == "b") {
      state().bold = !hasNumber || number != 0;
      formatChanged();
    } else if (word == "i") {
      state().italic = !hasNumber || number != 0;
      formatChanged();
    } else if (word == "plain") {
      state().bold = state().italic = false;
      formatChanged();
    } else if (word == "uc" && hasNumber) {
      state().fallback = number;
    } else if (word == "u" && hasNumber) {
      addText(QString(QChar(static_cast<char16_t>(number < 0 ? number + 65536 : number))));
      skipping_ = state().fallback;
    }
  }

  const QByteArray& rtf_;
  QTextCursor cursor_;
  qsizetype i_ = 0;
  std::vector<GroupState> groups_;
  GroupState written_;
  QByteArray pendingBytes_;
  QString pendingText_;
  int skipping_ = 0;
};

}  // namespace

QByteArray toRtf(const QTextDocument& document) {
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Sans;}}\n";
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    // A last empty paragraph is only the end of the document.
    if (!block.next().isValid() && block.text().isEmpty() && block != document.begin()) break;
    out += "\\pard ";
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const QTextCharFormat format = fragment.charFormat();
      const bool bold = format.fontWeight() >= QFont::Bold;
      const bool italic = format.fontItalic();
      if (bold || italic) {
        out += '{';
        if (bold) out += "\\b";
        if (italic) out += "\\i";
        out += ' ';
      }
      appendText(out, fragment.text());
      if (bold || italic) out += '}';
    }
    out += "\\par\n";
  }
  out += "}\n";
  return out;
}

void fromRtf(const QByteArray& rtf, QTextDocument& document) {
  document.clear();
  if (!rtf.trimmed().startsWith("{\\rtf")) {
    document.setPlainText(QString::fromUtf8(rtf));
    return;
  }
  RtfReader(rtf, document).run();
  // The "\par" that ends the last paragraph leaves an empty one behind.
  QTextCursor end(&document);
  end.movePosition(QTextCursor::End);
  if (document.blockCount() > 1 && end.block().text().isEmpty()) end.deletePreviousChar();
}

}  // namespace sonarel::noted
