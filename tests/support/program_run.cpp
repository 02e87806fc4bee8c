// own
#include "tests/support/program_run.h"

// std
#include <cstdlib>
#include <fstream>
#include <iterator>

// POSIX
#include <sys/wait.h>

CProgramRun RunProgram(const std::string& program, const std::string& args,
                       const std::filesystem::path& folder) {
    const std::filesystem::path out = folder / ".out";
    const std::filesystem::path err = folder / ".err";
    const std::string command = "cd '" + folder.string() + "' && '" + program + "' " + args +
                                " </dev/null >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    CProgramRun run;
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(out);
    run.err = ReadWholeFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
