#pragma once

#include "analyzer/threading/Checker.h"

#include <utility>

// Starts an asynchronous operation, handing it a callback that may run on any
// thread, and waits on a Checker until that callback has delivered the result.
template <typename Result, typename Start>
Result waitForResult(Start&& start)
{
    Checker checker;
    Result result{};
    std::forward<Start>(start)([&checker, &result](Result value) {
        result = std::move(value);
        checker.report();
    });
    checker.wait();
    return result;
}
