#include "platform/CodePage.h"

#include "platform/Handles.h"

namespace vantor::platform {

namespace {

struct CodePageEntry {
  std::uint8_t charset;
  const char* codePage;
  const char* language;
};

// The Windows code page of each character-set value, as glibc's iconv names it,
// and a language whose faces cover it.
constexpr CodePageEntry kCodePages[] = {
    {0, "CP1252", nullptr},       {1, "CP1252", nullptr},     {77, "MACINTOSH", nullptr},
    {128, "CP932", "ja"},         {129, "CP949", "ko"},       {130, "CP1361", "ko"},
    {134, "CP936", "zh-cn"},      {136, "CP950", "zh-tw"},    {161, "CP1253", "el"},
    {162, "CP1254", "tr"},        {163, "CP1258", "vi"},      {177, "CP1255", "he"},
    {178, "CP1256", "ar"},        {186, "CP1257", "lt"},      {204, "CP1251", "ru"},
    {222, "CP874", "th"},         {238, "CP1250", "pl"},      {255, "CP437", nullptr},
};

constexpr std::uint8_t kSymbolCharset = 2;

const CodePageEntry* FindEntry(std::uint8_t charset) {
  for (const auto& entry : kCodePages) {
    if (entry.charset == charset) return &entry;
  }
  return nullptr;
}

}  // namespace

const char* CodePageName(std::uint8_t charset) {
  if (charset == kSymbolCharset) return nullptr;
  const CodePageEntry* entry = FindEntry(charset);
  return entry != nullptr ? entry->codePage : "CP1252";
}

const char* CharsetLanguage(std::uint8_t charset) {
  const CodePageEntry* entry = FindEntry(charset);
  return entry != nullptr ? entry->language : nullptr;
}

CharsetMapping BuildCharsetMapping(std::uint8_t charset) {
  CharsetMapping mapping;
  mapping.codePoints.fill(-1);
  if (charset == kSymbolCharset) {
    mapping.symbol = true;
    for (int byte = 0; byte < 256; ++byte) mapping.codePoints[byte] = byte;
    return mapping;
  }
  IconvHandle conversion("UTF-32LE", CodePageName(charset));
  if (!conversion.Valid()) return mapping;
  for (int byte = 0; byte < 256; ++byte) {
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[8] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    // Reset the shift state, so a failed byte does not affect the next one.
    iconv(conversion.Get(), nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(conversion.Get(), &inPtr, &inLeft, &outPtr, &outLeft);
    // A lone lead byte of a double-byte set is incomplete input: no character.
    if (done == static_cast<std::size_t>(-1) || inLeft != 0) continue;
    // Some conversions (CP1258) hold a character back until they know no
    // combining mark follows; flushing emits it.
    if (iconv(conversion.Get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) continue;
    if (sizeof out - outLeft != 4) continue;
    mapping.codePoints[byte] = static_cast<std::int32_t>(out[0] | out[1] << 8 | out[2] << 16 |
                                                        static_cast<std::uint32_t>(out[3]) << 24);
  }
  return mapping;
}

}  // namespace vantor::platform
