// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/notes_preview.h"

#include <cctype>
#include <cstdlib>

#include "core/regular_file.h"
#include "records/text_encoding.h"

namespace sonarel::records {
namespace {

// Letters of "\'xy" for x = e (c: upper case) and x = f (d: upper case), by y; empty
// where the escape is dropped.
const char* const kLowerE[16] = {"à", "á", "â", "ã", "ä", "",  "",  "ç",
                                 "è", "é", "ê", "i", "ì", "í", "î", "i"};
const char* const kUpperC[16] = {"À", "Á", "Â", "Ã", "Ä", "",  "",  "Ç",
                                 "È", "É", "Ê", "I", "Ì", "Í", "Î", "I"};
const char* const kLowerF[16] = {"", "ñ", "ò", "ó", "ô", "õ", "", "",
                                 "", "ù", "ú", "û", "",  "",  "", ""};
const char* const kUpperD[16] = {"", "Ñ", "Ò", "Ó", "Ô", "Õ", "", "",
                                 "", "Ù", "Ú", "Û", "",  "",  "", ""};

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

void appendUtf8(std::string& out, long c) {
  if (c < 0) c += 65536;  // RTF writes code points above 32767 as negative numbers
  if (c <= 0 || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

class PreviewScanner {
 public:
  explicit PreviewScanner(std::string_view text) : text_(text) {}

  std::string run(std::size_t start) {
    i_ = start;
    while (i_ < text_.size()) {
      const char c = text_[i_];
      if (c == '\\') {
        if (backslash()) break;
      } else if (c == '{' || c == '}' || c == '\r' || c == '\n') {
        ++i_;
      } else if (text_.substr(i_).starts_with("HYPERLINK")) {
        skipHyperlink();
      } else if (skipFallback_ > 0) {
        --skipFallback_;
        ++i_;
      } else if (static_cast<unsigned char>(c) >= 0x80) {
        eightBitText();
      } else {
        out_ += c;
        ++i_;
      }
    }
    return out_;
  }

 private:
  // Handles the escape at i_; true when it ends the preview.
  bool backslash() {
    if (i_ + 1 >= text_.size()) {
      ++i_;
      return false;
    }
    const char next = text_[i_ + 1];
    if (next == '{' || next == '}' || next == '\\') {
      out_ += next;
      i_ += 2;
      return false;
    }
    if (next == '\'') {
      hexEscape();
      return false;
    }
    return controlWord();
  }

  void hexEscape() {
    const int high = i_ + 2 < text_.size() ? hexValue(text_[i_ + 2]) : -1;
    const int low = i_ + 3 < text_.size() ? hexValue(text_[i_ + 3]) : -1;
    i_ += 4;
    if (skipFallback_ > 0) {
      --skipFallback_;
      return;
    }
    if (high < 0 || low < 0) return;
    switch (high) {
      case 0xE:
        out_ += kLowerE[low];
        break;
      case 0xC:
        out_ += kUpperC[low];
        break;
      case 0xF:
        out_ += kLowerF[low];
        break;
      case 0xD:
        out_ += kUpperD[low];
        break;
      default:
        out_ += '\'';
    }
  }

  // A control word: backslash, letters, an optional signed number, and a blank that
  // belongs to it. True for the "\par" that ends the paragraph.
  bool controlWord() {
    std::size_t j = i_ + 1;
    while (j < text_.size() && std::isalpha(static_cast<unsigned char>(text_[j]))) ++j;
    const std::string_view word = text_.substr(i_ + 1, j - i_ - 1);
    const std::size_t numberStart = j;
    if (j < text_.size() && text_[j] == '-') ++j;
    while (j < text_.size() && std::isdigit(static_cast<unsigned char>(text_[j]))) ++j;
    const std::string number(text_.substr(numberStart, j - numberStart));
    if (j < text_.size() && text_[j] == ' ') ++j;
    if (word.empty()) j = std::max(j, i_ + 2);  // a control symbol such as "\~"
    i_ = j;
    if (word == "par") {
      out_ += '\n';
      return true;
    }
    if (word == "u" && !number.empty()) {
      appendUtf8(out_, std::strtol(number.c_str(), nullptr, 10));
      skipFallback_ = 1;  // the stand-in character that follows
    }
    return false;
  }

  // Letters written as bytes rather than escapes: UTF-8 where they are (a sequence cut by the
  // end of the preview is dropped), else the Windows-1252 of an "\ansi" document, so that the
  // preview is always UTF-8.
  void eightBitText() {
    std::size_t j = i_;
    while (j < text_.size() && static_cast<unsigned char>(text_[j]) >= 0x80) ++j;
    std::string_view run = text_.substr(i_, j - i_);
    i_ = j;
    if (isValidUtf8(run)) {
      out_ += run;
      return;
    }
    if (j == text_.size()) {
      for (std::size_t cut = 1; cut <= 3 && cut <= run.size(); ++cut) {
        const bool leadByte = static_cast<unsigned char>(run[run.size() - cut]) >= 0xC0;
        if (leadByte && isValidUtf8(run.substr(0, run.size() - cut))) {
          out_ += run.substr(0, run.size() - cut);
          return;
        }
      }
    }
    out_ += windows1252ToUtf8(run);
  }

  // Skips to the closing quote of the link's target.
  void skipHyperlink() {
    const std::size_t open = text_.find('"', i_);
    const std::size_t close = open == std::string_view::npos ? open : text_.find('"', open + 1);
    i_ = close == std::string_view::npos ? text_.size() : close + 1;
  }

  std::string_view text_;
  std::size_t i_ = 0;
  int skipFallback_ = 0;
  std::string out_;
};

}  // namespace

std::string notesPreview(std::string_view rtf) {
  const std::string_view head = rtf.substr(0, std::min(rtf.size(), kPreviewBytes));
  if (head.size() < 4) return {};
  const std::size_t start = head.find("\\pard", 1);
  if (start == std::string_view::npos) return {};
  return PreviewScanner(head).run(start);
}

std::string notesPreviewOfFile(const std::string& path) {
  const auto head = core::readRegularFile(path, kPreviewBytes);
  return head ? notesPreview(*head) : std::string{};
}

}  // namespace sonarel::records
