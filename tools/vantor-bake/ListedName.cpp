#include "ListedName.h"

#include <cstdio>

namespace vantor::bake {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ListedName(std::string_view name) {
  std::string listed;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      listed += "\\\\";
    } else if (c == '\n') {
      listed += "\\n";
    } else if (c == '\r') {
      listed += "\\r";
    } else if (c == '\t') {
      listed += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      listed += escape;
    } else {
      listed += c;
    }
  }
  return listed;
}

std::string NameFromListed(std::string_view listed) {
  std::string name;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const char next = i + 1 < listed.size() ? listed[i + 1] : '\0';
    if (listed[i] != '\\') {
      name += listed[i];
    } else if (next == '\\' || next == 'n' || next == 'r' || next == 't') {
      name += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
      ++i;
    } else if (next == 'x' && i + 3 < listed.size() && HexDigit(listed[i + 2]) >= 0 && HexDigit(listed[i + 3]) >= 0) {
      name += static_cast<char>(HexDigit(listed[i + 2]) * 16 + HexDigit(listed[i + 3]));
      i += 3;
    } else {
      name += '\\';
    }
  }
  return name;
}

}  // namespace vantor::bake
