#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The expected files of every suite, named from the tests folder:
// "cli/expected/design_default.txt".
//
// PFC_REGENERATE_EXPECTED=1 in the environment turns each comparison with a plain expected
// file into a write of the actual bytes into that file, and the comparison passes; look at
// what changed with `git diff tests` before committing it. Hand-written templates (see
// ExpectedDocument) are never written.
namespace pfc::test {

// The bytes of an expected file, for a test that checks part of it.
std::string ExpectedFile(const std::string& name);

// Whether `actual` is the expected file byte for byte; a failure tells where they first
// differ.
::testing::AssertionResult MatchesExpectedFile(const std::string& name, std::string_view actual);

// A hand-written expected document: one template row per line, joined without the line
// breaks, with the {placeholders} replaced by the given pairs.
std::string ExpectedDocument(
    const std::string& name,
    const std::vector<std::pair<std::string, std::string>>& replacements = {});

// Where two texts first differ (byte, line and column) with the text around it on both
// sides, line breaks and other control characters made visible.
std::string FirstDifference(std::string_view expected, std::string_view actual);

}  // namespace pfc::test
