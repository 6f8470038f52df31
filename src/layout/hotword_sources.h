#pragma once

#include <QString>
#include <vector>

namespace vantorix::layout {

// One public ranking page of hot words, as people and scripts name it; each
// layout knows where it is published and how its words are read.
struct HotwordSource
{
    QString name;  // the command line's name for it
    QString title; // its Chinese name
};

// The six sources, in the order the window tests its option buttons.
const std::vector<HotwordSource> &hotwordSources();

// The source with this command-line name, or null.
const HotwordSource *sourceByName(const QString &name);

} // namespace vantorix::layout
