// own
#include "kvgraphics/graphics_dll.h"

// std
#include <filesystem>
#include <system_error>

// POSIX
#include <dlfcn.h>

namespace {
template <class Fn> bool Resolve(void* library, const char* name, Fn*& slot) {
    void* symbol = dlsym(library, name);
    if (symbol == nullptr) return false;
    slot = reinterpret_cast<Fn*>(symbol);
    return true;
}
} // namespace

bool CGraphicsDll::Load() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        Free();
        return false;
    }
    return Load(exe.parent_path().string());
}

bool CGraphicsDll::Load(const std::string& path) {
    Free();
    std::error_code error;
    const std::filesystem::path file = std::filesystem::is_directory(path, error)
                                           ? std::filesystem::path(path) / kFileName
                                           : std::filesystem::path(path);
    m_hLibrary = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_hLibrary == nullptr) return false;
    m_bLoaded = ResolveAll();
    if (!m_bLoaded) Free();
    return m_bLoaded;
}

bool CGraphicsDll::ResolveAll() {
#define KV_GRAPHICS_RESOLVE(name, type)                                                            \
    if (!Resolve(m_hLibrary, #name, name)) return false;
    KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_RESOLVE)
#undef KV_GRAPHICS_RESOLVE
    return true;
}

void CGraphicsDll::ClearPointers() {
#define KV_GRAPHICS_CLEAR(name, type) name = nullptr;
    KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_CLEAR)
#undef KV_GRAPHICS_CLEAR
}

void CGraphicsDll::Free() {
    ClearPointers();
    m_bLoaded = false;
    if (m_hLibrary != nullptr) dlclose(m_hLibrary);
    m_hLibrary = nullptr;
}
