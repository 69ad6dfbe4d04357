#include "host/elf_file.h"

#include <elf.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "host/dylib.h"

namespace panel {
namespace {

class ElfImage {
public:
    explicit ElfImage(const std::string& path) : path_(path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw LoadError(path + ": cannot open the module file");
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < sizeof(Elf64_Ehdr) || std::memcmp(bytes_.data(), ELFMAG, SELFMAG) != 0 ||
            bytes_[EI_CLASS] != ELFCLASS64) {
            throw LoadError(path + ": not a 64-bit ELF module file");
        }
        header_ = read<Elf64_Ehdr>(0);
        if (header_.e_shentsize != sizeof(Elf64_Shdr)) throw LoadError(path + ": unreadable section table");
        for (size_t i = 0; i < header_.e_shnum; ++i) {
            sections_.push_back(read<Elf64_Shdr>(header_.e_shoff + i * sizeof(Elf64_Shdr)));
        }
    }

    std::optional<std::vector<uint8_t>> section(const std::string& wanted) const {
        for (const auto& s : sections_) {
            if (name_of(s) == wanted) return contents(s);
        }
        return std::nullopt;
    }

    std::vector<std::string> exported() const {
        std::vector<std::string> names;
        for (const auto& s : sections_) {
            if (s.sh_type != SHT_DYNSYM || s.sh_link >= sections_.size()) continue;
            std::vector<uint8_t> symbols = contents(s);
            std::vector<uint8_t> strings = contents(sections_[s.sh_link]);
            for (size_t at = 0; at + sizeof(Elf64_Sym) <= symbols.size(); at += sizeof(Elf64_Sym)) {
                Elf64_Sym sym;
                std::memcpy(&sym, symbols.data() + at, sizeof sym);
                int bind = ELF64_ST_BIND(sym.st_info);
                if (sym.st_shndx == SHN_UNDEF || (bind != STB_GLOBAL && bind != STB_WEAK)) continue;
                if (sym.st_name >= strings.size()) continue;
                const char* name = reinterpret_cast<const char*>(strings.data()) + sym.st_name;
                names.emplace_back(name, strnlen(name, strings.size() - sym.st_name));
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    template <typename T>
    T read(uint64_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) {
            throw LoadError(path_ + ": truncated ELF file");
        }
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }

    std::vector<uint8_t> contents(const Elf64_Shdr& s) const {
        if (s.sh_type == SHT_NOBITS) return {};
        if (s.sh_offset > bytes_.size() || bytes_.size() - s.sh_offset < s.sh_size) {
            throw LoadError(path_ + ": section runs past the end of the file");
        }
        auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(s.sh_offset);
        return std::vector<uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(s.sh_size));
    }

    std::string name_of(const Elf64_Shdr& s) const {
        if (header_.e_shstrndx >= sections_.size()) return {};
        const Elf64_Shdr& names = sections_[header_.e_shstrndx];
        if (s.sh_name >= names.sh_size || names.sh_offset + s.sh_name >= bytes_.size()) return {};
        const char* name = reinterpret_cast<const char*>(bytes_.data() + names.sh_offset + s.sh_name);
        return std::string(name, strnlen(name, bytes_.size() - (names.sh_offset + s.sh_name)));
    }

    std::string path_;
    std::vector<uint8_t> bytes_;
    Elf64_Ehdr header_{};
    std::vector<Elf64_Shdr> sections_;
};

}  // namespace

std::optional<std::vector<uint8_t>> read_elf_section(const std::string& path, const std::string& section) {
    return ElfImage(path).section(section);
}

std::vector<std::string> elf_exported_symbols(const std::string& path) { return ElfImage(path).exported(); }

}  // namespace panel
