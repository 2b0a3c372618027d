// The main of every test executable. The toolkit can be initialised once per
// process, so every test runs in a process of its own: ctest starts one per
// test, and a run by hand that selects several tests starts this executable
// again for each of them and sums up the results.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::string own_path()
{
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

// The tests the command line selects, as Suite.Name: gtest lists them
// itself, filter and all. Nothing when it cannot be asked.
std::optional<std::vector<std::string>> selected_tests(const std::string& self,
                                                       const std::vector<std::string>& arguments)
{
    std::string command = "'" + self + "'";
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (arguments[i].starts_with("--gtest_filter=") && arguments[i].find('\'') == std::string::npos)
            command += " '" + arguments[i] + "'";
    command += " --gtest_list_tests";
    std::vector<std::string> names;
    FILE* list = popen(command.c_str(), "r");
    if (list == nullptr)
        return std::nullopt;
    std::string suite;
    char line[1024];
    while (std::fgets(line, sizeof line, list)) {
        const std::string text(line);
        const std::size_t from = text.find_first_not_of(' ');
        if (from == std::string::npos)
            continue;
        const std::string name = text.substr(from, text.find_first_of(" \n", from) - from);
        if (text.starts_with("  "))
            names.push_back(suite + name);
        else
            suite = name;
    }
    if (pclose(list) != 0)
        return std::nullopt;
    return names;
}

// Runs one test in a child process; true when it passed. A test that could
// not be started, or whose child went missing, did not pass.
bool run_alone(const std::string& self, const std::vector<std::string>& arguments, const std::string& name)
{
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror(("cannot start " + name).c_str());
        return false;
    }
    if (pid == 0) {
        std::vector<std::string> args = arguments;
        args.push_back("--gtest_filter=" + name);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        setenv("DEMO_ONE_TEST_PER_PROCESS", "1", 1);
        execv(self.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) {
        std::perror(("lost the process of " + name).c_str());
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv, argv + argc);
    testing::InitGoogleTest(&argc, argv);
    if (std::getenv("DEMO_ONE_TEST_PER_PROCESS") != nullptr || testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    const std::string self = own_path();
    if (self.empty()) {
        std::fprintf(stderr, "cannot find this test executable's own path to start it again\n");
        return 1;
    }
    const std::optional<std::vector<std::string>> selected = selected_tests(self, arguments);
    if (!selected) {
        std::fprintf(stderr, "cannot list the tests to run: %s --gtest_list_tests failed\n", self.c_str());
        return 1;
    }
    const std::vector<std::string>& names = *selected;
    if (names.size() <= 1)
        return RUN_ALL_TESTS();

    std::vector<std::string> failed;
    for (const std::string& name : names)
        if (!run_alone(self, arguments, name))
            failed.push_back(name);
    std::printf("\n%zu tests, each in a process of its own:\n", names.size());
    for (const std::string& name : failed)
        std::printf("FAILED: %s\n", name.c_str());
    std::printf("%zu passed, %zu failed\n", names.size() - failed.size(), failed.size());
    return failed.empty() ? 0 : 1;
}
