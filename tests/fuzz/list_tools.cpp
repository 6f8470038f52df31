// The list tools, line by line and on the exact list text (--raw): the byte
// engine of the command line against the window's QString tools. Any
// difference is a finding. Input: NEEDLE \n TEXT.
#include "fuzz_input.h"
#include "list_tool_pairs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList fields = fuzzFields(data, size, 2);
    const std::optional<QString> difference =
        listToolsDisagree(fields[1], {QString::fromUtf8(fields[0])});
    if (difference)
        std::fprintf(stderr, "%s\n", qPrintable(*difference));
    FUZZ_CHECK(!difference);
    return 0;
}
