// Output of corvantine-cli that does not reach its destination is never taken for a result.

// own
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/output.h"

// std
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct CRun {
    int exit = -1;
    std::string err;
};

// Runs the tool with standard output on `out` (a descriptor of ours) and standard error in a file.
CRun RunWithOutput(int out, const std::vector<std::string>& args, const CTempDir& dir) {
    std::vector<char*> argv{const_cast<char*>(CORV_CLI)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const std::string err = (dir / ".err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, dir.Path().c_str());
    pid_t pid = 0;
    CRun run;
    if (posix_spawn(&pid, CORV_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.err = ReadWholeFile(dir / ".err");
    return run;
}

class OutputTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunProgram(CORV_CLI, "new site.kvx", dir.Path()).exit, 0); }
    CTempDir dir;
};
} // namespace

TEST_F(OutputTest, FullDiskAndClosedPipeFailWithOneLine) {
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    CRun run = RunWithOutput(full, {"export", "site.kvx"}, dir);
    close(full);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "corvantine-cli: write error: No space left on device\n");

    // Nobody reads the pipe any more, so the very first write fails.
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    run = RunWithOutput(pipeEnds[1], {"export", "site.kvx"}, dir);
    close(pipeEnds[1]);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "corvantine-cli: write error: Broken pipe\n");
}

TEST_F(OutputTest, OutputFileIsReplacedWholeOrNotAtAll) {
    CCliContext context;
    const fs::path target = dir / "out.txt";
    ASSERT_TRUE(WriteOutput(context, target.string(), "first"));
    ASSERT_TRUE(WriteOutput(context, target.string(), "second"));
    EXPECT_EQ(ReadWholeFile(target), "second");
    EXPECT_EQ(context.exitCode, 0);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteOutput(context, (dir / "no" / "such.txt").string(), "lost"));
    // After the first failure nothing more is written or reported.
    EXPECT_FALSE(WriteOutput(context, target.string(), "third"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "corvantine-cli: write error: No such file or directory\n");
    EXPECT_EQ(context.exitCode, 1);
    EXPECT_EQ(ReadWholeFile(target), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

// Every output goes through the safe save, which clears the folder of our own stale temporary
// files; other programs' hidden ".tmp" files of the same shape but for our name stay.
TEST_F(OutputTest, OtherProgramsHiddenTemporaryFilesSurviveEveryOutput) {
    const std::vector<std::string> foreign = {".budget.2023.tmp", ".notes.1.tmp",
                                              ".site.kvx.4711.tmp"};
    for (const std::string& name : foreign)
        PlantStaleFile(dir, name);
    PlantStaleFile(dir, ".site.kvx.corvantine-4711.tmp");
    for (const char* args : {"new site.kvx", "image site.kvx -o image.dat",
                             "report site.kvx -o report.html", "new other.kvx"})
        ASSERT_EQ(RunProgram(CORV_CLI, args, dir.Path()).exit, 0) << args;
    for (const std::string& name : foreign)
        EXPECT_EQ(ReadWholeFile(dir / name), "kept") << name;
    EXPECT_FALSE(fs::exists(dir / ".site.kvx.corvantine-4711.tmp"));
}
