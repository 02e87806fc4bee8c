// own
#include "tests/view/grid_call_log.h"

// std
#include <concepts>

namespace {
CGridCallLog* g_log = nullptr;

std::string Arg(HSS) {
    return {};
}
std::string Arg(const char* text) {
    return text != nullptr ? text : "null";
}
template <class T> std::string Arg(T* pointer) {
    return pointer != nullptr ? "&" : "null";
}
template <std::integral T> std::string Arg(T value) {
    return std::to_string(value);
}

template <class... A> std::string Call(const char* name, A... args) {
    std::string call = std::string(name) + "(";
    bool first = true;
    for (const std::string& arg : {Arg(args)...}) {
        if (arg.empty()) continue;
        if (!first) call += ",";
        call += arg;
        first = false;
    }
    return call + ")";
}

template <auto Member, class Fn> struct Shim;
template <auto Member, class R, class... A> struct Shim<Member, R(A...)> {
    static inline R (*real)(A...) = nullptr;
    static inline const char* name = nullptr;
    static R Record(A... args) {
        if (g_log != nullptr) g_log->calls.push_back(Call(name, args...));
        return real(args...);
    }
};

template <auto Member, class Fn> void Install(CGraphicsDll& dll, const char* name) {
    using S = Shim<Member, Fn>;
    S::real = dll.*Member;
    S::name = name;
    dll.*Member = &S::Record;
}

template <auto Member, class Fn> void Restore(CGraphicsDll& dll) {
    dll.*Member = Shim<Member, Fn>::real;
}
} // namespace

CGridCallLog::CGridCallLog(CGraphicsDll& dll) : m_dll(dll) {
    g_log = this;
#define KV_INSTALL(name, type) Install<&CGraphicsDll::name, type>(dll, #name);
    KV_GRAPHICS_ENTRY_POINTS(KV_INSTALL)
#undef KV_INSTALL
}

CGridCallLog::~CGridCallLog() {
#define KV_RESTORE(name, type) Restore<&CGraphicsDll::name, type>(m_dll);
    KV_GRAPHICS_ENTRY_POINTS(KV_RESTORE)
#undef KV_RESTORE
    g_log = nullptr;
}

std::vector<std::string> CGridCallLog::Of(std::string_view name) const {
    std::vector<std::string> found;
    for (const std::string& call : calls)
        if (call.compare(0, call.find('('), name) == 0) found.push_back(call);
    return found;
}

std::vector<std::string> CGridCallLog::Names() const {
    std::vector<std::string> names;
    for (const std::string& call : calls) {
        std::string name = call.substr(0, call.find('('));
        if (name != "SSCallWindowProc") names.push_back(std::move(name));
    }
    return names;
}
