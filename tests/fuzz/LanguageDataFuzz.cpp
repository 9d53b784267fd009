// libFuzzer target for the language-file loader. The input is split at every 0x1E byte: with
// at least one such byte, the first part is the requested language name and the others are
// the files, in load order; without one, the whole input is one file and the name is empty.
// Besides the sanitizers' checks, the search and the value reader are compared with plain
// byte-by-byte reference versions of themselves.

#include "ByteReader.h"
#include "LanguageData.h"
#include "LanguageFile.h"
#include "Scanning.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace localizer;

constexpr char kSeparator = '\x1E';

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string> Split(std::string_view input)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == kSeparator) {
            parts.emplace_back(input.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// The bytes the reader delivers (a comment as one CR), each with the position after it.
struct Delivered {
    std::string bytes;
    std::vector<std::size_t> after;
};

Delivered Deliver(std::string_view block)
{
    Delivered delivered;
    ByteReader reader(block, 0);
    char byte = 0;
    while (reader.ReadByte(byte)) {
        delivered.bytes.push_back(byte);
        delivered.after.push_back(reader.Position());
    }
    return delivered;
}

// The first occurrence in the delivered bytes, found the slow and obvious way.
std::optional<std::size_t> ReferenceSearch(const Delivered& delivered, std::string_view pattern, SearchScope scope)
{
    if (pattern.empty()) {
        return std::nullopt;
    }
    std::size_t limit = delivered.bytes.size();
    if (scope == SearchScope::Section) {
        limit = std::min(limit, delivered.bytes.find('['));
    }
    const std::size_t found = delivered.bytes.substr(0, limit).find(pattern);
    if (found == std::string::npos) {
        return std::nullopt;
    }
    return delivered.after[found + pattern.size() - 1];
}

// A value read byte by byte: blanks skipped, the first other byte read again from one byte
// back, then everything up to a delivered CR, with trailing blanks cut.
std::string ReferenceValue(std::string_view block, std::size_t position)
{
    ByteReader reader(block, position);
    char byte = 0;
    do {
        if (!reader.ReadByte(byte)) {
            return {};
        }
    } while (byte == ' ' || byte == '\t');
    ByteReader again(block, reader.Position() - 1);
    std::string value;
    while (again.ReadByte(byte) && byte != '\r') {
        value.push_back(byte);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.pop_back();
    }
    return value;
}

void CheckValues(std::string_view block)
{
    const LanguageFile file(block);
    int checked = 0;
    for (std::size_t position = 0; position <= block.size() && checked < 64; ++position) {
        if (position == 0 || block[position - 1] == '=' || block[position - 1] == ':') {
            Require(ReadValue(file, position) == ReferenceValue(block, position));
            ++checked;
        }
    }
}

void CheckSearch(std::string_view file, std::string_view pattern)
{
    const Delivered delivered = Deliver(file);
    const SearchPattern prepared = MakeSearchPattern(pattern);
    for (const SearchScope scope : {SearchScope::File, SearchScope::Section}) {
        Require(Search(file, 0, prepared, scope) == ReferenceSearch(delivered, pattern, scope));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> files = Split(input);
    std::string requested;
    if (files.size() > 1) {
        requested = std::move(files.front());
        files.erase(files.begin());
    }

    const LanguageData languageData = BuildLanguageData(files, requested);

    std::vector<std::string> keys = {"", requested, "LANGUAGE", "A", "OK"};
    for (const LanguageInfo& language : languageData.languages) {
        Require(!language.name.empty());
        Require(!language.label.empty());
        Require(!language.installName.empty() && !language.fontName.empty());
        Require(language.color != 0 && language.weight % 100 == 0);
        keys.emplace_back(language.name);
    }
    Require(!languageData.defaultText.empty());
    for (const std::string& key : keys) {
        const std::optional<std::string_view> text = Lookup(languageData, key, false);
        Require(text.has_value());
        const std::optional<std::string_view> stored = Lookup(languageData, key, true);
        Require(!stored || (*stored == *text && !stored->empty()));
    }

    for (const std::string& file : files) {
        CheckValues(file);
        for (const std::string_view pattern : {"NAME=", "[LANGUAGE]", "abab:", "aab:"}) {
            CheckSearch(file, pattern);
        }
        if (!requested.empty() && requested.size() <= 16) {
            CheckSearch(file, requested);
        }
    }
    return 0;
}
