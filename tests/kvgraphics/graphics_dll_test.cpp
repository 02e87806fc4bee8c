// CGraphicsDll against the real component, a missing file and a build lacking one entry point;
// and the component's exported names.

// own
#include "kvgraphics/graphics_dll.h"

// gtest
#include <gtest/gtest.h>

// std
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

namespace {
std::set<std::string> EntryPointNames() {
    std::set<std::string> names;
#define KV_GRAPHICS_NAME(name, type) names.insert(#name);
    KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_NAME)
#undef KV_GRAPHICS_NAME
    return names;
}

int CountResolved(const CGraphicsDll& dll) {
    int count = 0;
#define KV_GRAPHICS_COUNT(name, type) count += dll.name != nullptr ? 1 : 0;
    KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_COUNT)
#undef KV_GRAPHICS_COUNT
    return count;
}

std::filesystem::path ExeFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}
} // namespace

TEST(CGraphicsDllTest, LoadsAllEntryPointsFromTheExecutablesFolder) {
    CGraphicsDll dll;
    EXPECT_FALSE(dll.IsLoaded());
    ASSERT_TRUE(dll.Load());
    EXPECT_TRUE(dll.IsLoaded());
    EXPECT_EQ(CountResolved(dll), KV_GRAPHICS_ENTRY_POINT_COUNT);

    HSS h = nullptr;
    ASSERT_EQ(dll.SSNew(nullptr, &h), 0);
    EXPECT_EQ(dll.SSSetMaxRow(h, 4), 0);
    EXPECT_EQ(dll.SSDelete(h, 0), 0);

    dll.Free();
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_EQ(CountResolved(dll), 0);
}

TEST(CGraphicsDllTest, LoadsFromANamedFolderOrFile) {
    CGraphicsDll dll;
    EXPECT_TRUE(dll.Load(ExeFolder().string()));
    EXPECT_TRUE(dll.Load((ExeFolder() / CGraphicsDll::kFileName).string()));
    EXPECT_EQ(CountResolved(dll), KV_GRAPHICS_ENTRY_POINT_COUNT);
}

TEST(CGraphicsDllTest, MissingFileIsNotLoaded) {
    CGraphicsDll dll;
    EXPECT_FALSE(dll.Load("/nonexistent/folder"));
    EXPECT_FALSE(dll.Load("/nonexistent/KV_Graphics.so"));
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_EQ(CountResolved(dll), 0);
}

TEST(CGraphicsDllTest, LibraryMissingOneEntryPointIsNotLoadedAndLeavesNoPointer) {
    CGraphicsDll dll;
    ASSERT_TRUE(dll.Load());
    // A failed load after a good one must not keep the old pointers.
    EXPECT_FALSE(dll.Load(KV_GRAPHICS_WITHOUT_INIT));
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_EQ(CountResolved(dll), 0);
    EXPECT_TRUE(dll.Load());
}

TEST(CGraphicsDllTest, ComponentExportsExactlyTheEntryPoints) {
    const std::string command = "nm -D --defined-only --format=posix '" +
                                (ExeFolder() / CGraphicsDll::kFileName).string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> exported;
    char line[512];
    while (fgets(line, sizeof line, pipe.get()) != nullptr) {
        const std::string text(line);
        exported.insert(text.substr(0, text.find(' ')));
    }
    EXPECT_EQ(exported, EntryPointNames());
    EXPECT_EQ(EntryPointNames().size(), static_cast<size_t>(KV_GRAPHICS_ENTRY_POINT_COUNT));
}
