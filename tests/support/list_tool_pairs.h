#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// The command line's byte engine against the window's QString tools: every
// list tool runs on `utf8` both ways, in the lines layout and as the exact
// list text (--raw), with each of `needles` as the text filters' argument.
// The text tools read the bytes as UTF-8, a malformed byte as U+FFFD; the
// others must give back every byte as it was, so they compare one character
// a byte (Latin-1). Returns the first disagreement, described, or nothing.
std::optional<QString> listToolsDisagree(const QByteArray &utf8, const QStringList &needles);
