#include "install/plan/journal_format.h"

namespace install {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendHex(std::string& out, unsigned char byte) {
  out += kDigits[byte >> 4];
  out += kDigits[byte & 15];
}

std::optional<std::string> Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      out += field[i];
      continue;
    }
    if (i + 2 >= field.size()) return std::nullopt;
    const int high = HexValue(field[i + 1]), low = HexValue(field[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

}  // namespace

std::string JournalLine(char kind, const std::vector<std::string>& fields) {
  std::string line(1, kind);
  for (const std::string& field : fields) {
    line += '\t';
    for (char c : field) {
      if (c == '%' || c == '\t' || c == '\r' || c == '\n') {
        line += '%';
        AppendHex(line, static_cast<unsigned char>(c));
      } else {
        line += c;
      }
    }
  }
  return line + "\r\n";
}

std::optional<JournalFields> SplitJournalLine(const std::string& line) {
  if (line.empty()) return std::nullopt;
  JournalFields parsed{line[0], {}};
  std::size_t from = 1;
  while (from < line.size()) {
    if (line[from] != '\t') return std::nullopt;
    std::size_t end = line.find('\t', from + 1);
    if (end == std::string::npos) end = line.size();
    auto field = Unescape(line.substr(from + 1, end - from - 1));
    if (!field) return std::nullopt;
    parsed.fields.push_back(*field);
    from = end;
  }
  return parsed;
}

std::string HexBytes(const std::string& bytes) {
  std::string hex;
  for (char c : bytes) AppendHex(hex, static_cast<unsigned char>(c));
  return hex;
}

std::optional<std::string> BytesFromHex(const std::string& hex) {
  if (hex.size() % 2) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexValue(hex[i]), low = HexValue(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

std::optional<unsigned long> ParseDecimal(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  unsigned long number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned long>(c - '0');
  }
  return number;
}

std::string JournalKeyPath(const std::string& key) { return !key.empty() && key[0] == '\\' ? key.substr(1) : key; }

}  // namespace install
