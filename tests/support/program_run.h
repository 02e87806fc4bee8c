#pragma once
// Runs one of our programs as a user would, in a folder of the test's, with standard input from
// /dev/null, and keeps what it printed.

// std
#include <filesystem>
#include <string>

struct CProgramRun {
    int exit = -1; // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// `args` are appended to the command line as they stand (quote where needed).
CProgramRun RunProgram(const std::string& program, const std::string& args,
                       const std::filesystem::path& folder);

// The whole file, or an empty text when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);
