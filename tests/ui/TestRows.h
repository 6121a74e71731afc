#pragma once
// Small helpers shared by the widget tests.
#include <QFile>
#include <QString>
#include <QVariantMap>
#include <QtTest>
#include <string>
#include <string_view>

// Document bytes as a QString, one character per byte, for QCOMPARE.
inline QString Bytes(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline QString Q(std::string_view s) { return Bytes(s); }

// One row of a case file: its fields by column name.
struct Case {
  QVariantMap fields;
  QString operator[](const char* column) const { return fields.value(column).toString(); }
  int number(const char* column) const { return fields.value(column).toInt(); }
  bool yes(const char* column) const { return fields.value(column) == "yes"; }
};

// QtTest rows from a case file under ui/cases/: "#" lines are comments, the first other line names the columns, every
// further line is a row named by its first field. Fields are separated by " | " and trimmed; a field in double quotes
// keeps its blanks, a lone "-" is an empty field, and \n \r \t \b stand for their control characters.
inline void AddCases(const char* file) {
  QFile f(qEnvironmentVariable("QUILLON_TEST_DATA") + "/ui/cases/" + file);
  QVERIFY2(f.open(QIODevice::ReadOnly), file);
  QTest::addColumn<QVariantMap>("fields");
  QStringList columns;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
    if (line.startsWith('#')) continue;
    QStringList row = line.split(" | ");
    for (QString& field : row) {
      field = field.trimmed();
      if (field == "-") field.clear();
      if (field.size() >= 2 && field.startsWith('"') && field.endsWith('"')) field = field.mid(1, field.size() - 2);
      field.replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t").replace("\\b", "\b");
    }
    if (columns.isEmpty()) {
      columns = row;
      continue;
    }
    QVERIFY2(row.size() == columns.size(), qPrintable(line));
    QVariantMap fields;
    for (int i = 0; i < row.size(); ++i) fields[columns[i]] = row[i];
    QTest::newRow(qPrintable(row[0])) << fields;
  }
}
inline Case CurrentCase() {
  QFETCH(QVariantMap, fields);
  return {fields};
}
