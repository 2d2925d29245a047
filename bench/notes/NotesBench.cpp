// Times the notes page on a large notes file: reading 20,000 rows into the list and saving
// them back, then reading a 100 MB file of random bytes. Prints one line per figure.
//
//     build/bin/bench_notes

#include "common/Clock.h"
#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/ProgramState.h"
#include "common/Services.h"
// Never asks the system to power off; plays nothing.
#include "FakeServices.h"
#include "notes/NotesFile.h"
#include "notes/NotesPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <vector>

namespace {

// Answers every box with OK and remembers the last message, without showing anything.
class AnsweringDialogs final : public Dialogs {
public:
    int messageBox(const Text& text, const Text&, int) override {
        lastMessage = text;
        return MessageAnswer::Ok;
    }
    bool inputBox(const Text&, const Text&, Text&, const Text&) override { return false; }
    int timedMessageBox(QWidget*, const Text&, const Text&, int, int) override {
        return TimedAnswer::TimedOut;
    }
    Text openFileDialog(const Text& currentName) override { return currentName; }
    void waitWithEvents(int) override {}
    void pumpPendingMessages() override {}

    Text lastMessage;
};

constexpr int kRuns = 5;

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

// Wall-clock and processor time of one run of `work`; the machine is shared, so the
// processor time says more about the program than the wall clock does.
Timing timeOnce(const std::function<void()>& work) {
    QElapsedTimer timer;
    const double cpuStart = processCpuMs();
    timer.start();
    work();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, processCpuMs() - cpuStart};
}

void report(const char* what, const std::function<void()>& work) {
    std::vector<Timing> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.push_back(timeOnce(work));
    }
    auto byWall = [](const Timing& a, const Timing& b) { return a.wallMs < b.wallMs; };
    std::sort(runs.begin(), runs.end(), byWall);
    std::vector<double> cpu;
    for (const Timing& run : runs) {
        cpu.push_back(run.cpuMs);
    }
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-44s wall median %7.1f ms, slowest %7.1f ms; cpu median %7.1f ms (%d runs)\n",
                what, runs[kRuns / 2].wallMs, runs.back().wallMs, cpu[kRuns / 2], kRuns);
}

void putFile(const QString& name, const std::string& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        std::exit(1);
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::vector<NoteRow> realisticRows(int count) {
    std::vector<NoteRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows.push_back({decimal(i), "会议记录"_gbk + decimal(i),
                        "下午三点在二楼会议室讨论季度计划，带上笔记本和上周的报表"_gbk,
                        i % 3 == 0 ? "重要"_gbk : Text()});
    }
    return rows;
}

long peakMemoryMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir documents;
    if (!documents.isValid()) {
        return 1;
    }

    ProgramState state;
    AnsweringDialogs dialogs;
    SystemClock clock;
    FakePowerService power;
    FakeSoundPlayer sound;
    Services services{state, dialogs, clock, power, sound, {}, [] {}};
    services.paths.documentsDir = fromQt(documents.path());
    const Text path = notesFilePath(services.paths.documentsDir);
    const QString fileName = toQt(path);

    NotesPage page(services, nullptr);
    page.resize(440, 280);
    page.show();
    QApplication::processEvents();

    const std::vector<NoteRow> rows = realisticRows(20000);
    const Text text = notesFileText(rows);
    putFile(fileName, text);
    std::printf("notes file: 20000 rows, %zu bytes\n", text.size());

    // Reading counts until the list has drawn itself with the new rows.
    report("read 20000 rows into the list (and draw)", [&] {
        page.readNotes();
        QApplication::processEvents();
    });
    if (page.超级列表框1->topLevelItemCount() != 20000 || page.rows() != rows) {
        std::fprintf(stderr, "the list does not hold the file's rows\n");
        return 1;
    }
    report("save 20000 rows from the list", [&] { page.saveNotes(); });
    if (dialogs.lastMessage != "保存成功"_gbk || readNotesFile(path) != rows) {
        std::fprintf(stderr, "the save did not give back the rows\n");
        return 1;
    }
    report("  of which: parse the file's text", [&] { (void)parseNotesText(text); });
    report("  of which: build the file's text", [&] { (void)notesFileText(rows); });

    std::mt19937_64 random(20240601);
    std::string garbage(100u << 20, '\0');
    for (std::size_t i = 0; i + 8 <= garbage.size(); i += 8) {
        const std::uint64_t word = random();
        std::memcpy(&garbage[i], &word, 8);
    }
    putFile(fileName, garbage);
    garbage = {};
    const Timing garbageRead = timeOnce([&] {
        page.readNotes();
        QApplication::processEvents();
    });
    std::printf("read 100 MB of random bytes (and draw): %d rows, wall %.1f ms, cpu %.1f ms, "
                "peak memory %ld MB\n",
                page.超级列表框1->topLevelItemCount(), garbageRead.wallMs, garbageRead.cpuMs,
                peakMemoryMb());
    return 0;
}
