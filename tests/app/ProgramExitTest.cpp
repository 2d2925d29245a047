// The real program, started as a process: however it is told to end, it ends with code 0 and
// (under the sanitizers) without a leak or a fault on the way out.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class ProgramExitTest : public ::testing::TestWithParam<int> {};

TEST_P(ProgramExitTest, EndsWithCodeZero) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QUORVELL_PROGRAM_PATH, {});
    ASSERT_TRUE(program.waitForStarted(5000));
    // Long enough for the splash to hand over to the main window.
    QTest::qWait(1500);
    ASSERT_EQ(program.state(), QProcess::Running) << "the program ended by itself";
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(15000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Program, ProgramExitTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) {
                             switch (info.param) {
                             case SIGTERM:
                                 return std::string("terminate");
                             case SIGINT:
                                 return std::string("interrupt");
                             default:
                                 return std::string("hang_up");
                             }
                         });

} // namespace
