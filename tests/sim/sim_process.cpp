#include "tests/sim/sim_process.h"

// std
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

// POSIX
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

CSimProcess::CSimProcess(const std::vector<std::string>& args, std::filesystem::path errorFile)
    : m_errorFile(std::move(errorFile)) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const int errors = open(m_errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    std::vector<char*> argv;
    std::string program = CORV_SIM_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    close(errors);
    m_stdout = out[0];
    if (m_pid < 0) throw std::runtime_error("fork failed");
}

CSimProcess::~CSimProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        Wait();
    }
    close(m_stdout);
}

std::string CSimProcess::ReadyLine(std::chrono::milliseconds wait) {
    std::string line;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < end) {
        pollfd entry{m_stdout, POLLIN, 0};
        if (poll(&entry, 1, 20) <= 0) continue;
        char c = 0;
        if (read(m_stdout, &c, 1) != 1 || c == '\n') break;
        line.push_back(c);
    }
    return line;
}

int CSimProcess::Wait(std::chrono::milliseconds wait) {
    if (m_pid <= 0) return -1;
    const auto end = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= end) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
            m_pid = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CSimProcess::Errors() const {
    std::ifstream in(m_errorFile);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
