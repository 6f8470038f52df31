#include "app/list_write_step.h"

namespace vantorix::app {

qint64 ListWriteStep::Registry::bytes() const
{
    qint64 total = 0;
    for (const ListWriteStep *step : steps)
        total += (step->m_before.size() + step->m_after.size()) * qint64(sizeof(QChar));
    return total;
}

ListWriteStep::ListWriteStep(std::shared_ptr<Registry> registry, Show show, QString before,
                             QString after, bool pending)
    : m_registry(std::move(registry)), m_show(std::move(show)), m_before(std::move(before)),
      m_after(std::move(after)), m_pending(pending)
{
    m_registry->steps.append(this);
}

ListWriteStep::~ListWriteStep()
{
    m_registry->steps.removeOne(this);
}

void ListWriteStep::undo()
{
    if (m_pending) {
        m_pending = false;
        return;
    }
    m_show(m_before);
}

void ListWriteStep::redo()
{
    m_show(m_after);
}

} // namespace vantorix::app
