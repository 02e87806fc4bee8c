#pragma once
// Records the calls made of the grid component's entry points through one loader, by putting
// recording functions in place of the loader's pointers; each records its call and calls on to
// the real component. A call is written as its name and arguments after the handle, texts as
// they are and pointers as & (or null): "SSSetRowText(1,HB-01)". One log at a time; the
// loader's pointers come back when it is destroyed.

// own
#include "kvgraphics/graphics_dll.h"

// std
#include <string>
#include <string_view>
#include <vector>

class CGridCallLog {
public:
    explicit CGridCallLog(CGraphicsDll& dll);
    ~CGridCallLog();
    CGridCallLog(const CGridCallLog&) = delete;
    CGridCallLog& operator=(const CGridCallLog&) = delete;

    // The calls of entry point `name`, in order.
    std::vector<std::string> Of(std::string_view name) const;
    // The names of the calls, in order, without SSCallWindowProc (painting and input).
    std::vector<std::string> Names() const;

    std::vector<std::string> calls;

private:
    CGraphicsDll& m_dll;
};
