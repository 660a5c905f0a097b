#pragma once

#include <functional>
#include <memory>

// What the application's thread does once it learns that the application was told
// to quit: refuse new work, interrupt the running work, stop waiting for an
// analyzer that does not answer. Told by whoever learns it first (a window closed,
// a wait whose event loop was ended by the quit); observers may be told more than
// once and act the first time.
namespace QuitNotice {

using Observer = std::function<void()>;
// The observer is told until the returned handle is dropped.
using Observation = std::shared_ptr<void>;

[[nodiscard]] Observation observe(Observer observer);
// The application's thread only.
void notify();

} // namespace QuitNotice
