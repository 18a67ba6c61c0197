#include "plovask_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace plovask_test {
namespace {

// The child's environment: ours, less anything that would put another
// library in front, plus the fake's settings.
std::vector<std::string> ChildEnvironment(const std::filesystem::path& log, const std::string& plan) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("LD_PRELOAD=", 0) != 0 && text.rfind("FAKE_TREVANIX_", 0) != 0) {
            entries.push_back(text);
        }
    }
    entries.push_back(std::string("LD_PRELOAD=") + FAKE_LIBRARY);
    entries.push_back("FAKE_TREVANIX_LOG=" + log.string());
    entries.push_back("FAKE_TREVANIX_PLAN=" + plan);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

void RedirectTo(int stream, const std::filesystem::path& path, int flags) {
    const int fd = open(path.c_str(), flags, 0600);
    if (fd < 0 || dup2(fd, stream) < 0) {
        _exit(126);
    }
    close(fd);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ProcessOutcome RunPlovask(const std::filesystem::path& workDir, const std::filesystem::path& outDir,
                          const std::vector<std::string>& args, const std::string& plan) {
    const auto log = outDir / "calls.log";
    const auto err = outDir / "stderr.txt";
    const auto out = outDir / "stdout.txt";
    std::vector<std::string> argv{PLOVASK_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = ChildEnvironment(log, plan);
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);

    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workDir.c_str()) != 0) {
            _exit(126);
        }
        RedirectTo(STDIN_FILENO, "/dev/null", O_RDONLY);
        RedirectTo(STDOUT_FILENO, out, O_WRONLY | O_CREAT | O_TRUNC);
        RedirectTo(STDERR_FILENO, err, O_WRONLY | O_CREAT | O_TRUNC);
        execve(argPointers[0], argPointers.data(), envPointers.data());
        _exit(127);
    }
    int wstatus = 0;
    waitpid(child, &wstatus, 0);
    ProcessOutcome outcome{};
    outcome.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 1000 + WTERMSIG(wstatus);
    outcome.standardError = ReadFile(err);
    outcome.standardOutput = ReadFile(out);
    outcome.calls = Lines(ReadFile(log));
    return outcome;
}

}  // namespace plovask_test
