// The program's string lists: ordered 8-bit strings indexed from 0, and the
// text-file form they are loaded from and saved to.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// Thrown for every read beyond the end of a list; the message is the one the
// user sees in the error box.
class ListIndexError : public std::exception {
 public:
  const char* what() const noexcept override;
};

class Lines {
 public:
  using const_iterator = std::vector<std::string>::const_iterator;

  Lines() = default;
  Lines(std::initializer_list<std::string> lines);
  explicit Lines(std::vector<std::string> lines);

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }

  // Both throw ListIndexError when i >= size().
  const std::string& at(std::size_t i) const;
  std::string& at(std::size_t i);

  void add(std::string line);
  // i may equal size() (append); beyond that, ListIndexError.
  void insert(std::size_t i, std::string line);
  void erase(std::size_t i);
  void clear() { lines_.clear(); }

  const std::vector<std::string>& items() const { return lines_; }
  const_iterator begin() const { return lines_.begin(); }
  const_iterator end() const { return lines_.end(); }

  friend bool operator==(const Lines& a, const Lines& b) {
    return a.lines_ == b.lines_;
  }
  friend bool operator!=(const Lines& a, const Lines& b) { return !(a == b); }

 private:
  std::vector<std::string> lines_;
};

// Splits a text file into lines at CR LF only; any other byte (a lone CR or
// LF, NUL) stays in its line. A last line without CR LF is still a line; a
// text ending in CR LF has no empty line after it; "" has no lines.
Lines SplitLines(std::string_view text);

// The saved form: every line followed by CR LF, the last one too.
std::string JoinLines(const Lines& lines);

// Lower case for A-Z only: the case of bytes from 0x80 up depends on the
// code page.
std::string LowerAscii(std::string text);

// Without the blanks (spaces and tabs) at either end.
std::string Trim(const std::string& text);

}  // namespace script
