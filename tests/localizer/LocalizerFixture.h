#pragma once

#include "Localizer.h"

#include <gtest/gtest.h>

#include <string>

/// Tests of the one Localizer instance; each starts with it unloaded.
class LocalizerFixture : public ::testing::Test {
protected:
    void SetUp() override { Unload(); }
    void TearDown() override { Unload(); }

    /// Leaves the instance unloaded: a mask that matches nothing discards what is loaded.
    static void Unload() { Localizer::GetInstance().Load("/nonexistent-localizer-folder/*.lng", ""); }

    /// Loads mask afresh for language, even when the same mask is loaded already.
    static void Reload(const std::string& mask, const std::string& language)
    {
        Unload();
        Localizer::GetInstance().Load(mask.c_str(), language.c_str());
    }

    /// Returns a copy of the translation of text.
    static std::string Tr(const std::string& text) { return Localizer::GetInstance().Translate(text.c_str()); }

    Localizer& localizer = Localizer::GetInstance();
};
