#pragma once

#include <QByteArrayList>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Each target reads its input as fields cut at the first `count - 1` line
// feeds (missing fields are empty), so seeds are plain text files.
inline QByteArrayList fuzzFields(const uint8_t *data, size_t size, int count)
{
    QByteArrayList fields;
    QByteArray rest(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int i = 1; i < count; ++i) {
        const qsizetype lf = rest.indexOf('\n');
        fields.append(lf < 0 ? rest : rest.left(lf));
        rest = lf < 0 ? QByteArray() : rest.mid(lf + 1);
    }
    fields.append(rest);
    return fields;
}

inline QStringList fuzzTextFields(const uint8_t *data, size_t size, int count)
{
    QStringList fields;
    for (const QByteArray &field : fuzzFields(data, size, count))
        fields.append(QString::fromUtf8(field));
    return fields;
}

// A broken property is a crash, which the fuzzer keeps and the replay reports.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
