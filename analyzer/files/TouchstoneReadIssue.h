#pragma once

#include <QString>

// What kept a Touchstone file from being read whole, for the caller to word.
// Lines count from 1; 0 where the issue has no line.
struct TouchstoneReadIssue
{
    enum Kind {
        None,
        // The name has no "s<digit>p" suffix, or its count is outside the readable range.
        NoPortCount,
        CannotOpen,
        CannotRead,
        // `token` on `line` is not a finite number. `token` holds no more than an excerpt
        // fit to quote (TextExcerpt::of): the start of it, controls escaped.
        NotANumber,
        // The record ending on `line` holds more values than the port count allows.
        TooManyValues,
        // A two-port record on `line` starts at a frequency that does not rise.
        FrequencyStepsBack,
        // The last record, starting on `line`, ends with the file: the reader drops it.
        IncompleteRecord
    };

    Kind kind = None;
    int line = 0;
    QString token;
};
