#pragma once
// The editor in a child process of the test, run as its main runs it (InitInstance, then Run) in
// a home folder of the test's (settings, recovery copies, current folder), headless. A script
// runs first on its event loop and acts as a user would; it reports to the test with Tell, which
// the test reads with Heard. The child leads a process group of its own, so that the test can
// see that nothing of it is left running.

// own
#include "app/kv_app.h"

// std
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

class CEditorChild {
public:
    using Script = std::function<void(CKVApp&)>;

    // `args`: the command line after the program's name.
    CEditorChild(const std::filesystem::path& home, const std::vector<std::string>& args,
                 Script script);
    // Kills what is left of it.
    ~CEditorChild();
    CEditorChild(const CEditorChild&) = delete;
    CEditorChild& operator=(const CEditorChild&) = delete;

    // The next line the script told, or empty when none came within the wait.
    std::string Heard(std::chrono::milliseconds wait = std::chrono::seconds(20));
    // The exit status (128 + n after signal n), or -1 when it did not end within the wait.
    int WaitForExit(std::chrono::milliseconds wait);
    // True while any process of its group is left.
    bool AnythingLeft() const;
    pid_t Pid() const { return m_pid; }

    // In the child: a line for the test.
    static void Tell(const std::string& line);
    // In the child: every few milliseconds `step` looks at the editor, until it returns true.
    static void Watch(std::function<bool()> step);

private:
    pid_t m_pid = -1;
    bool m_bReaped = false;
    int m_fromChild = -1;
    std::string m_buffer;
};
