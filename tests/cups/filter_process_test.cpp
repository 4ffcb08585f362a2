// SPDX-License-Identifier: Apache-2.0
// orcaui-filter run as CUPS runs it: a process with the job's arguments, the
// queue's PPD in $PPD, the job on standard input or in a file, the printer's
// bytes on standard output and its messages on standard error.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct FilterRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakKiB = 0;  // the filter's largest resident memory
};

std::string Slurp(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class FilterProcess : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = fs::path(ORCA_TEST_TMP) /
                   ("filter-" + std::to_string(getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override { fs::remove_all(scratch_); }

    fs::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream(scratch_ / name, std::ios::binary) << bytes;
        return scratch_ / name;
    }

    // The job from `input` on standard input, or named as the sixth argument.
    FilterRun Run(const std::string& ppd, const std::string& options, const fs::path& input,
                  bool named = false) {
        const fs::path ppdPath = Write("queue.ppd", ppd);
        const fs::path out = scratch_ / "out";
        const fs::path err = scratch_ / "err";
        const pid_t child = fork();
        if (child == 0) {
            const int in = open(input.c_str(), O_RDONLY);
            dup2(in, STDIN_FILENO);
            dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
            dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            if (!ppd.empty())
                setenv("PPD", ppdPath.c_str(), 1);
            else
                unsetenv("PPD");
            setenv("CONTENT_TYPE", "application/octet-stream", 1);
            std::vector<const char*> argv{"orcaui-filter", "7", "ann",
                                          "label",         "1", options.c_str()};
            if (named)
                argv.push_back(input.c_str());
            argv.push_back(nullptr);
            execv(ORCAUI_FILTER_PATH, const_cast<char* const*>(argv.data()));
            _exit(127);
        }
        FilterRun run;
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.peakKiB = usage.ru_maxrss;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }

    fs::path scratch_;
};

constexpr const char* kKestrelPpd =
    "*PPD-Adobe: \"4.3\"\n*orcauiModel: \"Kestrel(ORCA)\"\n*DefaultResolution: 203dpi\n"
    "*Defaultdarkness: 20\n*Defaultspeed: Default\n";

TEST_F(FilterProcess, SettingsFirstThenTheJobUnchangedFromStdinOrAFile) {
    const std::string label("^XA^FO10,10^FDnul \0 and \xFF bytes^FS^XZ", 34);
    const fs::path job = Write("job.prn", label);
    for (const bool named : {false, true}) {
        const FilterRun run = Run(kKestrelPpd, "speed=50", job, named);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "^XA^PR2,2~SD20^XZ" + label) << "named " << named;
    }
}

// A job many times the filter's buffer goes through whole, and the filter's
// memory stays far below the job's size. The batch is written a label at a
// time: the filter's process starts as a copy of this one.
TEST_F(FilterProcess, StreamsAJobLargerThanItsMemory) {
    const std::string label = "^XA^FO10,10^A0N,30,30^FDParcel 000000^FS^XZ\n";
    const fs::path job = scratch_ / "batch.prn";
    size_t size = 0;
    {
        std::ofstream batch(job, std::ios::binary);
        for (; size < (64u << 20); size += label.size())
            batch << label;
    }
    // What the filter needs for one label, its runtime's own included (a
    // sanitizer's is large), is the measure.
    const FilterRun one = Run(kKestrelPpd, "", Write("one.prn", label));
    const FilterRun run = Run(kKestrelPpd, "", job);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.size(), size + std::string("^XA~SD20^XZ").size());
    EXPECT_TRUE(run.out.starts_with("^XA~SD20^XZ" + label));
    EXPECT_TRUE(run.out.ends_with(label + label));
    EXPECT_LT(run.peakKiB - one.peakKiB, 8 * 1024) << "the filter held the job in memory";
}

TEST_F(FilterProcess, RefusalsEndTheJobWithAnErrorLine) {
    const struct {
        const char* what;
        std::string ppd;
        std::string options;
        std::string job;
        std::string message;
    } cases[] = {
        {"a PDF", kKestrelPpd, "", "%PDF-1.4\n",
         "ERROR: Kestrel(ORCA) prints label commands in ORCA; this job is a PDF document and "
         "was not printed\n"},
        {"a value the printer lacks", kKestrelPpd, "darkness=40", "^XA^XZ",
         "ERROR: the printer has no darkness \"40\"\n"},
        {"no PPD", "", "", "^XA^XZ",
         "ERROR: no PPD: the queue was not made with an ORCAUI PPD (orcaui ppd MODEL)\n"},
    };
    for (const auto& test : cases) {
        const FilterRun run = Run(test.ppd, test.options, Write("job", test.job));
        EXPECT_EQ(run.exitCode, 1) << test.what;
        EXPECT_EQ(run.err, test.message) << test.what;
        EXPECT_EQ(run.out, "") << test.what;
    }
}

}  // namespace
