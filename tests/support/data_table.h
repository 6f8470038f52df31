#pragma once

#include <QTest>

// A data table's columns in one call: columns<QString, int>("graph", "limit").
template <typename... Types, typename... Names> void columns(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "one name a column");
    (QTest::addColumn<Types>(names), ...);
}
