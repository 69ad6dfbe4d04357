// The one place that knows how the platform loads a library.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace panel {

// Any failure to load or bind a module; the message names the file and the cause.
struct LoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A range of the library's memory as the loader mapped it.
struct MappedRange {
    uintptr_t begin;
    uintptr_t end;
    bool executable;
    bool writable;
};

// An open library; closing it unloads the module's code and data.
class Library {
public:
    // Throws LoadError naming `path` and the loader's message.
    static Library open(const std::string& path);

    Library(Library&& other) noexcept;
    Library& operator=(Library&& other) noexcept;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library();

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;
    // The library's loaded segments.
    const std::vector<MappedRange>& ranges() const { return ranges_; }

private:
    explicit Library(void* handle);
    void close();

    void* handle_ = nullptr;
    std::vector<MappedRange> ranges_;
};

}  // namespace panel
