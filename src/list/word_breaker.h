#pragma once

#include "common/result.h"

#include <QList>
#include <QStringView>
#include <memory>

namespace vantorix::list {

// Cuts text into words by Unicode's word rules, with ICU's dictionary for
// Chinese, which has no spaces between words ("减肥茶" is "减肥" and "茶";
// "iphone15价格" is "iphone15" and "价格").
class WordBreaker
{
public:
    static Result<WordBreaker> create();

    WordBreaker(WordBreaker &&) noexcept;
    WordBreaker &operator=(WordBreaker &&) noexcept;
    ~WordBreaker();

    // The words of `text` in order, as views into it; spaces and punctuation
    // are no words. `words` is cleared first.
    void split(QStringView text, QList<QStringView> &words);

private:
    struct Iterator; // ICU's, kept out of this header
    explicit WordBreaker(std::unique_ptr<Iterator> iterator);

    std::unique_ptr<Iterator> m_iterator;
};

} // namespace vantorix::list
