#include "list/word_breaker.h"

#include <QCoreApplication>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace vantorix::list {

struct WordBreaker::Iterator
{
    std::unique_ptr<icu::BreakIterator> icu;
};

Result<WordBreaker> WordBreaker::create()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createWordInstance(icu::Locale::getChinese(), status));
    if (U_FAILURE(status) || !iterator)
        return failure(QCoreApplication::translate("list", "no word break rules for Chinese: %1")
                           .arg(QString::fromLatin1(u_errorName(status))));
    return WordBreaker(std::make_unique<Iterator>(Iterator{std::move(iterator)}));
}

WordBreaker::WordBreaker(std::unique_ptr<Iterator> iterator) : m_iterator(std::move(iterator)) {}

WordBreaker::WordBreaker(WordBreaker &&) noexcept = default;
WordBreaker &WordBreaker::operator=(WordBreaker &&) noexcept = default;
WordBreaker::~WordBreaker() = default;

void WordBreaker::split(QStringView text, QList<QStringView> &words)
{
    words.clear();
    UErrorCode status = U_ZERO_ERROR;
    // A UText over the caller's characters: nothing is copied.
    UText utext = UTEXT_INITIALIZER;
    utext_openUChars(&utext, reinterpret_cast<const UChar *>(text.utf16()), text.size(), &status);
    m_iterator->icu->setText(&utext, status);
    if (U_SUCCESS(status)) {
        qsizetype begin = m_iterator->icu->first();
        for (qsizetype end = m_iterator->icu->next(); end != icu::BreakIterator::DONE;
             begin = end, end = m_iterator->icu->next()) {
            if (m_iterator->icu->getRuleStatus() != UBRK_WORD_NONE)
                words.append(text.sliced(begin, end - begin));
        }
    }
    utext_close(&utext);
}

} // namespace vantorix::list
