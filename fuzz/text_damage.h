#pragma once
// Damage done to text by the drivers of text formats (XML parts, journals, dialog files):
// the same kinds of damage, each driver with the tokens its reader gives meaning to.
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace fuzz {

std::string FileBytes(const std::filesystem::path& file);

// The seeds of a driver: the files ending in `extension` in the source tree's `folder`
// (FABDOC_SOURCE_DIR, else the current folder), in name order. Exits naming the folder
// when none is there.
std::vector<std::filesystem::path> SeedPaths(const std::string& folder, const std::string& extension);
// Their bytes, in the same order.
std::vector<std::string> SeedFiles(const std::string& folder, const std::string& extension);

// One change at a random place: a byte changed, bytes cut out, one of `tokens` inserted,
// a piece repeated elsewhere, a number made extreme, or the text cut short.
void DamageOnce(std::string& text, std::mt19937_64& rng, std::span<const char* const> tokens);

// One to `maxEdits` such changes.
void DamageText(std::string& text, std::mt19937_64& rng, std::span<const char* const> tokens, int maxEdits);

}  // namespace fuzz
