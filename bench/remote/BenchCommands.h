#pragma once

// Registers the application's 105 command patterns, in the application's
// order, with handlers of the right kind that do nothing but answer: the
// matching cost of a real line without the application behind it. Commands
// take one number, queries answer "1".
void registerBenchCommands();
