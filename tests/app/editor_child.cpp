#include "tests/app/editor_child.h"
#include "app/termination.h"

// Qt
#include <QApplication>
#include <QTimer>

// std
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

// POSIX
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
int g_toTest = -1;

[[noreturn]] void RunChild(const std::filesystem::path& home, const std::vector<std::string>& args,
                           const CEditorChild::Script& script) {
    setpgid(0, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    if (chdir(home.c_str()) != 0) _exit(125);
    int status = 125;
    {
        int argc = 1;
        char name[] = "corvantine";
        char* argv[] = {name, nullptr};
        QApplication application(argc, argv);
        const COrderlyExit orderlyExit;
        CKVApp app;
        if (!app.InitInstance(args)) _exit(124);
        QTimer::singleShot(0, [&] { script(app); });
        status = app.Run(orderlyExit);
    }
    _exit(status);
}
} // namespace

CEditorChild::CEditorChild(const std::filesystem::path& home, const std::vector<std::string>& args,
                           Script script) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    std::fflush(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        g_toTest = fds[1];
        RunChild(home, args, script);
    }
    // Also here, so that a signal sent at once cannot reach it in the old group.
    if (m_pid > 0) setpgid(m_pid, m_pid);
    close(fds[1]);
    m_fromChild = fds[0];
}

CEditorChild::~CEditorChild() {
    if (m_pid > 0 && !m_bReaped) {
        kill(-m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_fromChild >= 0) close(m_fromChild);
}

void CEditorChild::Tell(const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t written = write(g_toTest, text.data(), text.size());
}

void CEditorChild::Watch(std::function<bool()> step) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (step()) timer->stop();
    });
    timer->start(5);
}

std::string CEditorChild::Heard(std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        if (const auto end = m_buffer.find('\n'); end != std::string::npos) {
            const std::string line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return {};
        pollfd ready{m_fromChild, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) continue;
        char bytes[256];
        const ssize_t n = read(m_fromChild, bytes, sizeof bytes);
        if (n <= 0) return {}; // the child has gone
        m_buffer.append(bytes, static_cast<std::size_t>(n));
    }
}

int CEditorChild::WaitForExit(std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (m_pid > 0 && !m_bReaped) {
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_bReaped = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}

bool CEditorChild::AnythingLeft() const {
    return m_pid > 0 && (kill(-m_pid, 0) == 0 || errno != ESRCH);
}
