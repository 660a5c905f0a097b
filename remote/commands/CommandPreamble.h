#pragma once

#include <QString>

#include <functional>

class MainQmlBackend;

namespace Orlix::Automation {

// Which checks a handler runs on the pool thread before its work.
enum class Preamble {
    Full,       // 288 without a backend, 240 while the analyzer has never answered
    BackendOnly // 288 only: works while no analyzer answers
};

void requireBackend(const MainQmlBackend* backend);
void requireAnalyzerAnswered(const MainQmlBackend* backend);
void runPreamble(const MainQmlBackend* backend, Preamble preamble);

// The preamble, then the work on the GUI thread. A query runs at once, also
// while a measurement or another client's command is in progress. A command
// waits until no measurement, backend operation or other command is in
// progress, and commands run in the order they arrived.
QString bridgedQuery(MainQmlBackend* backend, std::function<QString()> work, Preamble preamble = Preamble::Full);
void bridgedCommand(MainQmlBackend* backend, std::function<void()> work, Preamble preamble = Preamble::Full);

} // namespace Orlix::Automation
