#include "list/byte_sink.h"

namespace vantorix::list {

ByteSink::ByteSink(std::function<bool(QByteArrayView)> deliver, qsizetype chunkSize)
    : m_deliver(std::move(deliver)), m_buffer(chunkSize, Qt::Uninitialized)
{
}

ByteSink::~ByteSink() = default;

bool ByteSink::flush()
{
    if (m_used > 0 && !m_failed)
        m_failed = !m_deliver(QByteArrayView(m_buffer.constData(), m_used));
    m_used = 0;
    return !m_failed;
}

void ByteSink::writeSlow(QByteArrayView bytes)
{
    flush();
    if (m_failed)
        return;
    if (bytes.size() >= m_buffer.size()) {
        m_failed = !m_deliver(bytes); // large pieces go straight through
        return;
    }
    std::memcpy(m_buffer.data(), bytes.data(), size_t(bytes.size()));
    m_used = bytes.size();
}

} // namespace vantorix::list
