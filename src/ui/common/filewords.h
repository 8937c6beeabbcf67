#pragma once

#include "platform/fileproblem.h"

#include <QString>

// How a message names a file and why it could not be read or written, in
// words that fit on the screen.
namespace FileWords {

// A path as a message shows it: a very long one is cut in its middle, so
// that the box fits on the screen.
QString shownPath(const QString& path);
// What stands in a file's place when it is no file ("a named pipe").
QString whatStands(const FileProblem& problem);
// A sentence naming the cause of a file problem.
QString describe(const FileProblem& problem);

} // namespace FileWords
