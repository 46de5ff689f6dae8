#pragma once

#include <QTest>

#include <initializer_list>
#include <utility>

namespace vimla::testing {

// A whole row in one column, so a table reads one line a row and a test takes it with one
// QFETCH(Row, row). The row type needs no registration: Qt 6 makes its meta-type on first use.
template <typename Row> void addRows(std::initializer_list<std::pair<const char*, Row>> rows) {
    QTest::addColumn<Row>("row");
    for (const auto& [name, row] : rows)
        QTest::newRow(name) << row;
}

} // namespace vimla::testing
