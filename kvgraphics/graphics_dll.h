#pragma once
// CGraphicsDll: loads the grid component KV_Graphics.so at run time and holds its 33 entry
// points, by their own names (dll.SSSetText(h, "On")). The application owns the one loader; the
// pointers stay valid until Free or destruction. A failed Load leaves nothing loaded and every
// pointer null.

// own
#include "kvgraphics/kv_graphics.h"

// std
#include <string>

class CGraphicsDll {
public:
    static constexpr const char* kFileName = "KV_Graphics.so";

    CGraphicsDll() = default;
    ~CGraphicsDll() { Free(); }
    CGraphicsDll(const CGraphicsDll&) = delete;
    CGraphicsDll& operator=(const CGraphicsDll&) = delete;

    // Loads KV_Graphics.so from the running executable's folder; true only when every entry
    // point was found.
    bool Load();
    // The same from `path`: a folder that holds KV_Graphics.so, or a library file.
    bool Load(const std::string& path);
    bool IsLoaded() const { return m_bLoaded; }
    void Free();

#define KV_GRAPHICS_POINTER(name, type) PFN_##name name = nullptr;
    KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_POINTER)
#undef KV_GRAPHICS_POINTER

private:
    // In the table's order, stopping at the first one missing.
    bool ResolveAll();
    void ClearPointers();

    void* m_hLibrary = nullptr;
    bool m_bLoaded = false;
};
