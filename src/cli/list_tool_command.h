#pragma once

#include "cli/command.h"
#include "list/byte_sink.h"
#include "list/utf8_pieces.h"

namespace vantorix::cli {

// A list tool: standard input to standard output. Without --raw the input is
// lines and the output LF lines; with --raw both are the exact list text.
class ListToolCommand : public Command
{
public:
    int run(CommandContext &ctx) override;
    bool readsKeywordList() const override { return true; }

protected:
    // Checks the arguments before any input is read; 0 to go on, or the exit
    // status of a usage error.
    virtual int prepare(CommandContext &ctx);
    // The tool itself, on the input as UTF-8.
    virtual void transform(QByteArrayView utf8, list::TextLayout layout, list::ByteSink &out) = 0;
};

} // namespace vantorix::cli
