// Times three batch operations on large folders, each against a plain baseline measured in
// the same run on the same file system, and prints the ratios:
//   rename 20,000 files            vs a loop of no-replace rename calls   (at most 1.5)
//   merge 20,000 files of 1 KiB    vs cat of the same files               (at most 1.5)
//   split a 50 MB, 1,000,000-line source over 1,000 first words
//                                  vs the awk one-liner writing every word of a line to the
//                                     file named after its first word     (below 1.0)
// The operations run as the user runs them: a click of the page's button, on a shown page,
// under the real event loop, clock and event pump.
//
//   bench_batch [work folder]      (default: a temporary folder under /tmp)

#include "batch/BatchOperations.h"
#include "batch/BatchPage.h"
#include "common/Clock.h"
#include "common/Codec.h"
#include "common/ProgramState.h"
#include "common/QtDialogs.h"
#include "common/Services.h"
// Never asks the system to power off; plays nothing.
#include "FakeServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRepeats = 5;
constexpr int kFiles = 20000;
// Every word of a line to the file named after the line's first word.
constexpr const char* kAwkSplit = "{for(i=1;i<=NF;i++) print $i > ($1 \".TXT\")}";

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void fail(const std::string& what) {
    std::fprintf(stderr, "bench_batch: %s\n", what.c_str());
    std::exit(1);
}

void writeFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        fail("cannot write " + path);
    }
    ::close(fd);
}

void emptyFolder(const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    dir.removeRecursively();
    QDir().mkpath(QString::fromStdString(folder));
}

std::string numbered(const char* prefix, int i, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%05d%s", prefix, i, suffix);
    return name;
}

// Runs a program and waits for it; `stdoutPath` receives its output when given.
void runProgram(const std::vector<std::string>& arguments, const std::string& stdoutPath = {}) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!stdoutPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        fail("cannot start " + arguments[0]);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(arguments[0] + " failed");
    }
}

// Times both, the baseline first in even rounds and the engine first in odd ones, so neither
// profits from the other's after-effects (write-back, journal) more than the other.
void timeBoth(int round, std::vector<double>& base, const std::function<void()>& baseline,
              std::vector<double>& engine, const std::function<double()>& click) {
    if (round % 2 == 0) {
        base.push_back(secondsOf(baseline));
        engine.push_back(click());
    } else {
        engine.push_back(click());
        base.push_back(secondsOf(baseline));
    }
}

struct Measure {
    const char* name;
    const char* baseline;
    double limit;
    bool strictlyBelow;
    std::vector<double> engine;
    std::vector<double> base;

    double best(const std::vector<double>& times) const {
        return *std::min_element(times.begin(), times.end());
    }
    bool print() const {
        const double ratio = best(engine) / best(base);
        std::printf("  %s: engine", name);
        for (const double seconds : engine) {
            std::printf(" %.3f", seconds);
        }
        std::printf("; %s", baseline);
        for (const double seconds : base) {
            std::printf(" %.3f", seconds);
        }
        std::printf("\n");
        const bool ok = strictlyBelow ? ratio < limit : ratio <= limit;
        std::printf("%-34s engine %7.3f s   %-26s %7.3f s   ratio %5.2f  (%s %.1f) %s\n", name,
                    best(engine), baseline, best(base), ratio, strictlyBelow ? "<" : "<=", limit,
                    ok ? "ok" : "OVER");
        return ok;
    }
};

class Bench {
public:
    explicit Bench(const std::string& work) : work_(work) {
        page_.show();
        QApplication::processEvents();
    }

    // The user's click on the page's button with the operation and the boxes set.
    double click(BatchOperation operation, const std::string& folderBox,
                 const std::string& parameter) {
        page_.组合框1->setCurrentIndex(static_cast<int>(operation));
        page_.编辑框1->setText(QString::fromStdString(folderBox));
        page_.编辑框2->setText("txt");
        page_.编辑框3->setText(QString::fromStdString(parameter));
        page_.编辑框4->clear();
        const double seconds = secondsOf([this] { page_.按钮8->click(); });
        QApplication::processEvents();
        return seconds;
    }

    Measure renameFiles() {
        Measure measure{"rename 20000 files (operation 0)", "renameat2 loop", 1.5, false, {}, {}};
        const std::string engineFolder = work_ + "/rename-engine";
        const std::string baseFolder = work_ + "/rename-base";
        for (int round = 0; round < kRepeats; ++round) {
            for (const std::string& folder : {engineFolder, baseFolder}) {
                emptyFolder(folder);
                for (int i = 0; i < kFiles; ++i) {
                    writeFile(folder + "/" + numbered("f", i, ".txt"), {});
                }
            }
            std::vector<std::string> from;
            std::vector<std::string> to;
            for (int i = 0; i < kFiles; ++i) {
                from.push_back(baseFolder + "/" + numbered("f", i, ".txt"));
                to.push_back(baseFolder + "/pic" + std::to_string(i + 1) + ".txt");
            }
            timeBoth(
                round, measure.base,
                [&] {
                    for (int i = 0; i < kFiles; ++i) {
                        ::renameat2(AT_FDCWD, from[i].c_str(), AT_FDCWD, to[i].c_str(),
                                    RENAME_NOREPLACE);
                    }
                },
                measure.engine,
                [&] { return click(BatchOperation::RenameToSeries, engineFolder, "pic"); });
            if (::access((engineFolder + "/pic20000.txt").c_str(), F_OK) != 0 ||
                ::access((baseFolder + "/pic20000.txt").c_str(), F_OK) != 0) {
                fail("the renames did not happen");
            }
        }
        return measure;
    }

    Measure mergeFiles() {
        Measure measure{"merge 20000 files of 1 KiB (op. 4)", "cat", 1.5, false, {}, {}};
        const std::string folder = work_ + "/merge";
        emptyFolder(folder);
        std::vector<std::string> arguments{"cat"};
        for (int i = 0; i < kFiles; ++i) {
            std::string content(1024, static_cast<char>('a' + i % 26));
            content.replace(1022, 2, "\r\n");
            arguments.push_back(folder + "/" + numbered("f", i, ".txt"));
            writeFile(arguments.back(), content);
        }
        const std::string summary = folder + "/" + QString::fromUtf8("汇总.TXT").toStdString();
        const std::string catOutput = work_ + "/cat-output";
        for (int round = 0; round < kRepeats; ++round) {
            ::unlink(summary.c_str());
            timeBoth(
                round, measure.base, [&] { runProgram(arguments, catOutput); }, measure.engine,
                [&] { return click(BatchOperation::MergeIntoSummary, folder, {}); });
            struct stat merged {};
            if (::stat(summary.c_str(), &merged) != 0 || merged.st_size != kFiles * 1024) {
                fail("the summary is not complete");
            }
        }
        ::unlink(catOutput.c_str());
        return measure;
    }

    Measure splitLines() {
        Measure measure{"split 50 MB, 1e6 lines (op. 5)", "awk", 1.0, true, {}, {}};
        const std::string engineFolder = work_ + "/split-engine";
        const std::string awkFolder = work_ + "/split-awk";
        const std::string source = work_ + "/source.txt";
        writeFile(source, splitSource());
        for (int round = 0; round < kRepeats; ++round) {
            emptyFolder(awkFolder);
            emptyFolder(engineFolder);
            ::link(source.c_str(), (engineFolder + "/source.txt").c_str());
            timeBoth(
                round, measure.base,
                [&] {
                    runProgram({"sh", "-c",
                                "cd '" + awkFolder + "' && exec awk '" + kAwkSplit + "' '" +
                                    source + "'"});
                },
                measure.engine,
                [&] {
                    return click(BatchOperation::SplitLinesIntoFiles, engineFolder + "/source.txt",
                                 {});
                });
            if (QDir(QString::fromStdString(engineFolder)).entryList(QDir::Files).size() != 1001) {
                fail("the split did not write 1000 files");
            }
        }
        return measure;
    }

private:
    // 1,000,000 lines of about 50 bytes, CR LF ended; each starts with one of 1,000 words.
    static std::string splitSource() {
        std::mt19937 random(2024);
        std::string text;
        text.reserve(52 * 1000 * 1000);
        std::string word;
        for (int line = 0; line < 1000000; ++line) {
            text += numbered("w", static_cast<int>(random() % 1000), "");
            while (text.size() % 50 < 44 || word.empty()) {
                word.assign(3 + random() % 6, ' ');
                for (char& c : word) {
                    c = static_cast<char>('a' + random() % 26);
                }
                text += ' ';
                text += word;
                if (text.size() % 50 >= 44) {
                    break;
                }
            }
            word.clear();
            text += "\r\n";
        }
        return text;
    }

    std::string work_;
    ProgramState state_;
    QtDialogs dialogs_;
    SystemClock clock_;
    FakePowerService power_;
    FakeSoundPlayer sound_;
    Services services_{state_, dialogs_, clock_, power_, sound_, {}, [] {}};
    BatchPage page_{services_, nullptr};
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const std::string work = argc > 1 ? argv[1] : temporary.path().toStdString();
    QDir().mkpath(QString::fromStdString(work));
    std::printf("work folder: %s\n", work.c_str());

    Bench bench(work);
    std::vector<Measure> measures;
    measures.push_back(bench.renameFiles());
    measures.push_back(bench.mergeFiles());
    measures.push_back(bench.splitLines());
    std::printf("every run in seconds, then the best of %d runs of each:\n", kRepeats);
    bool ok = true;
    for (const Measure& measure : measures) {
        ok = measure.print() && ok;
    }
    if (argc > 1) {
        for (const char* folder :
             {"/rename-engine", "/rename-base", "/merge", "/split-engine", "/split-awk"}) {
            QDir(QString::fromStdString(work + folder)).removeRecursively();
        }
        ::unlink((work + "/source.txt").c_str());
    }
    return ok ? 0 : 1;
}
