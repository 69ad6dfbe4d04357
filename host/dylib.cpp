#include "host/dylib.h"

#include <dlfcn.h>
#include <link.h>

#include <utility>

namespace panel {
namespace {

struct RangeSearch {
    uintptr_t base;
    std::vector<MappedRange>* out;
};

int collect_ranges(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<RangeSearch*>(data);
    if (info->dlpi_addr != search->base) return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const auto& ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_LOAD) continue;
        uintptr_t begin = search->base + ph.p_vaddr;
        search->out->push_back({begin, begin + ph.p_memsz, (ph.p_flags & PF_X) != 0, (ph.p_flags & PF_W) != 0});
    }
    return 1;
}

}  // namespace

Library Library::open(const std::string& path) {
    dlerror();
    // Local binding: a module's symbols never resolve another module's.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* message = dlerror();
        throw LoadError(path + ": cannot load the module: " + (message ? message : "unknown loader error"));
    }
    Library library(handle);
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr) {
        RangeSearch search{map->l_addr, &library.ranges_};
        dl_iterate_phdr(collect_ranges, &search);
    }
    return library;
}

Library::Library(void* handle) : handle_(handle) {}

Library::Library(Library&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), ranges_(std::move(other.ranges_)) {}

Library& Library::operator=(Library&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
        ranges_ = std::move(other.ranges_);
    }
    return *this;
}

Library::~Library() { close(); }

void Library::close() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
    ranges_.clear();
}

void* Library::symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace panel
