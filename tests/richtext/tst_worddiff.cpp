// Word-by-word comparison of two texts, as the history shows a version against the current text.
#include "richtext/WordDiff.h"

#include <QtTest>

using Piece = WordDiff::Piece;
Q_DECLARE_METATYPE(QList<Piece>)

namespace QTest {
template <> char* toString(const QList<Piece>& pieces)
{
    QStringList shown;
    for (const Piece& p : pieces)
        shown << QStringLiteral("%1[%2]").arg(QLatin1String("=+-").mid(int(p.kind), 1), p.text);
    return qstrdup(shown.join(QLatin1Char(' ')).toUtf8().constData());
}
} // namespace QTest

class TestWordDiff : public QObject
{
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
};

void TestWordDiff::compare_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<Piece>>("pieces");
    QTest::newRow("unchanged") << "We review logs."
                               << "We review logs." << QList<Piece>{{Piece::Same, "We review logs."}};
    QTest::newRow("a word added") << "We review logs."
                                  << "We review access logs."
                                  << QList<Piece>{{Piece::Same, "We review "},
                                                  {Piece::Added, "access "},
                                                  {Piece::Same, "logs."}};
    QTest::newRow("a word replaced") << "Review monthly by the officer."
                                     << "Review weekly by the officer."
                                     << QList<Piece>{{Piece::Same, "Review "},
                                                     {Piece::Removed, "monthly "},
                                                     {Piece::Added, "weekly "},
                                                     {Piece::Same, "by the officer."}};
    QTest::newRow("spacing is no change") << "one  two\nthree"
                                          << "one two three" << QList<Piece>{{Piece::Same, "one two three"}};
    QTest::newRow("from nothing") << ""
                                  << "New policy" << QList<Piece>{{Piece::Added, "New policy"}};
}

void TestWordDiff::compare()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QTEST(WordDiff::compare(before, after), "pieces");
}

QTEST_GUILESS_MAIN(TestWordDiff)
#include "tst_worddiff.moc"
