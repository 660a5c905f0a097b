#pragma once

#include <QString>

// Text read from a file, made fit to quote in a message: a damaged file may hold
// a "word" of megabytes or bytes that no text item can show.
namespace TextExcerpt {

// The longest quote, in characters, before the ellipsis.
constexpr int DefaultLength = 80;

// The start of `text`, at most `length` characters, with "…" after it when
// something was left out. Characters that cannot be shown or that would break
// the line (the zero byte and other controls, format characters, lone
// surrogates, line separators) appear escaped as \xHH, \uHHHH or \UHHHHHHHH.
QString of(const QString& text, int length = DefaultLength);

} // namespace TextExcerpt
