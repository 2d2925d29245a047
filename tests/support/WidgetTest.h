#pragma once
// The ground of every widget test: offscreen, a temporary home and documents folder, boxes
// answered by FakeDialogs on a FakeClock, and a watchdog that fails the test (instead of
// hanging it) when a real modal dialog is left open.

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeServices.h"
#include "common/ProgramState.h"
#include "common/Services.h"

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary home folder and the documents folder inside it (created).
    QString homeDir() const;
    QString documentsDir() const;

    FakeClock clock;
    FakeDialogs dialogs;
    FakePowerService power;
    FakeSoundPlayer sound;
    ProgramState state;
    // Every page and window under test is given these; paths point into the temporary home.
    // endProgram only counts its calls.
    Services services{state, dialogs, clock, power, sound, {}, [this] { ++endProgramCalls; }};
    int endProgramCalls = 0;

private:
    std::unique_ptr<QTemporaryDir> home_;
    QTimer watchdog_;
    QByteArray savedHome_;
};
