#include "LanguageFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

LanguageFolder::LanguageFolder()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "localizer-test-XXXXXX";
    std::string pattern = base.string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
        return;
    }
    path = buffer.data();
}

LanguageFolder::~LanguageFolder()
{
    if (!path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
}

void LanguageFolder::Write(std::string_view name, std::string_view contents) const
{
    const std::filesystem::path file = std::filesystem::path(path) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    ASSERT_TRUE(stream.good()) << "cannot write " << file;
}

const std::string& LanguageFolder::Path() const
{
    return path;
}

std::string LanguageFolder::Mask(std::string_view pattern) const
{
    return path + "/" + std::string(pattern);
}

std::string Crlf(std::string_view text)
{
    std::string result;
    for (const char byte : text) {
        if (byte == '\n') {
            result.push_back('\r');
        }
        result.push_back(byte);
    }
    return result;
}

std::string LanguageSection(std::string_view name, std::string_view label, std::string_view extra)
{
    return "[LANGUAGE]\r\nNAME=" + std::string(name) + "\r\nLABEL=" + std::string(label) + "\r\n" +
           Crlf(extra);
}
