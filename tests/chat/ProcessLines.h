#pragma once
// Reading what a helper process of a test writes, one whole line at a time.

#include <QProcess>

#include <string>

// The next whole line of the process's standard output without its line break, or what came
// before the time ran out.
std::string nextLineOf(QProcess& process, int timeoutMs = 10'000);
