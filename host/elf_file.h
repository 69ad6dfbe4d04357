// Reading a module file as a file: its resource section and its exports.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace panel {

// The bytes of the named section, or nothing when the file has no such
// section. Throws LoadError when the file cannot be read or is not a
// 64-bit ELF file.
std::optional<std::vector<uint8_t>> read_elf_section(const std::string& path, const std::string& section);

// The names of the symbols the file exports (defined in its dynamic symbol table), sorted.
std::vector<std::string> elf_exported_symbols(const std::string& path);

}  // namespace panel
