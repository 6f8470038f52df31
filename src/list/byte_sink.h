#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstring>
#include <functional>

namespace vantorix::list {

// Collects output bytes and hands them on in large chunks, so writing a
// million short keywords costs a few system calls rather than millions.
class ByteSink
{
public:
    // `deliver` receives each full chunk and returns false when it could not
    // take it; the sink then drops everything after it.
    explicit ByteSink(std::function<bool(QByteArrayView)> deliver, qsizetype chunkSize = 1 << 20);
    ~ByteSink();

    ByteSink(const ByteSink &) = delete;
    ByteSink &operator=(const ByteSink &) = delete;

    void write(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return; // an empty view may carry a null pointer, which memcpy must not see
        if (m_used + bytes.size() <= m_buffer.size()) {
            std::memcpy(m_buffer.data() + m_used, bytes.data(), size_t(bytes.size()));
            m_used += bytes.size();
        } else {
            writeSlow(bytes);
        }
    }

    // Delivers what is buffered; false once any delivery failed.
    bool flush();
    bool failed() const { return m_failed; }

private:
    void writeSlow(QByteArrayView bytes);

    std::function<bool(QByteArrayView)> m_deliver;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_failed = false;
};

} // namespace vantorix::list
