#pragma once
// Small helpers shared by the widget tests.
#include <QString>
#include <QtTest>
#include <cstddef>
#include <string>

// Document bytes as a QString, one character per byte, for QCOMPARE.
inline QString Bytes(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// QtTest rows from a table: each row is named by its first field.
template <class Row, std::size_t N>
void AddRows(const Row (&rows)[N]) {
  QTest::addColumn<int>("row");
  for (std::size_t i = 0; i < N; ++i) QTest::newRow(rows[i].name) << static_cast<int>(i);
}
template <class Row, std::size_t N>
const Row& CurrentRow(const Row (&rows)[N]) {
  QFETCH(int, row);
  return rows[row];
}
