#pragma once
// corvantine-sim run as a child process for a test: its ready line is awaited, its standard
// error goes to a file, and it is stopped when the object goes.

// std
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

class CSimProcess {
public:
    // Starts the simulator with args; errors are written to errorFile.
    CSimProcess(const std::vector<std::string>& args, std::filesystem::path errorFile);
    ~CSimProcess();
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // The first line on standard output, or empty when none came within the wait.
    std::string ReadyLine(std::chrono::milliseconds wait = std::chrono::seconds(5));
    // The exit status, or -1 when it did not end within the wait (it is then killed).
    int Wait(std::chrono::milliseconds wait = std::chrono::seconds(5));
    // Everything it has written to standard error so far.
    std::string Errors() const;

private:
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::filesystem::path m_errorFile;
};
