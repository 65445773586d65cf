// Reading DXF files with ezdxf, and DWG files with the two readers nobody here wrote (LibreDWG and libdxfrw, their
// WebAssembly builds run by node from tests/readers) and comparing what they read with
// the drawing that was written.
#pragma once
#include <filesystem>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/dwg/drawing.h"

namespace dwg_test {

inline constexpr const char* kReaderScripts[] = {"read_dwg_libredwg.mjs", "read_dwg_libdxfrw.mjs"};

// One reader script's summary of one file (the last line it prints).
nlohmann::json Read(const std::string& script, const std::filesystem::path& file);

// Entity counts the way the reader scripts report them: layer -> type -> count.
std::map<std::string, std::map<std::string, int>> CountsByLayer(const platform::dwg::Drawing& drawing);

// No critical error or error, the same counts by layer and type, the same texts, the
// same extents (1e-9 mm) and layer colours as `written`.
void ExpectSameDrawing(const nlohmann::json& read, const platform::dwg::Drawing& written);

// ezdxf (Debian's python3-ezdxf, FABDOC_PYTHON or /usr/bin/python3) on a DXF file:
// its audit and a summary (tests/readers/read_dxf_ezdxf.py).
nlohmann::json ReadDxf(const std::filesystem::path& file);

// Both readers on `file`, each compared with `written`.
void ExpectBothReadersAgree(const std::filesystem::path& file, const platform::dwg::Drawing& written);

}  // namespace dwg_test
