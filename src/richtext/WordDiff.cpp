#include "richtext/WordDiff.h"

#include <QRegularExpression>
#include <vector>

namespace {

constexpr qint64 kMostPairs = 4'000'000;

// Each word with the white space after it; white space before the first word is a piece of its own.
QStringList tokens(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\s+|\\S+\\s*"));
    QStringList found;
    for (auto it = word.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

bool sameWord(const QString& a, const QString& b)
{
    return QStringView(a).trimmed() == QStringView(b).trimmed();
}

void add(QList<WordDiff::Piece>* pieces, WordDiff::Piece::Kind kind, const QString& text)
{
    if (!pieces->isEmpty() && pieces->last().kind == kind)
        pieces->last().text += text;
    else
        pieces->append({kind, text});
}

} // namespace

namespace WordDiff {

QList<Piece> compare(const QString& before, const QString& after)
{
    const QStringList a = tokens(before);
    const QStringList b = tokens(after);
    // What both start and end with is the same; only the middle needs the table.
    int head = 0;
    while (head < a.size() && head < b.size() && sameWord(a[head], b[head]))
        ++head;
    int tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && sameWord(a[a.size() - 1 - tail], b[b.size() - 1 - tail]))
        ++tail;
    const int n = a.size() - head - tail;
    const int m = b.size() - head - tail;

    QList<Piece> pieces;
    for (int i = 0; i < head; ++i)
        add(&pieces, Piece::Same, b[i]);
    if (qint64(n) * m > kMostPairs) {
        for (int i = 0; i < n; ++i)
            add(&pieces, Piece::Removed, a[head + i]);
        for (int j = 0; j < m; ++j)
            add(&pieces, Piece::Added, b[head + j]);
    } else {
        // Longest common subsequence of the middles, filled from the end.
        std::vector<int> length(size_t(n + 1) * (m + 1), 0);
        const auto at = [&](int i, int j) -> int& { return length[size_t(i) * (m + 1) + j]; };
        for (int i = n - 1; i >= 0; --i)
            for (int j = m - 1; j >= 0; --j)
                at(i, j) =
                    sameWord(a[head + i], b[head + j]) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        int i = 0;
        int j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && sameWord(a[head + i], b[head + j])) {
                add(&pieces, Piece::Same, b[head + j]);
                ++i;
                ++j;
            } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
                add(&pieces, Piece::Removed, a[head + i++]);
            } else {
                add(&pieces, Piece::Added, b[head + j++]);
            }
        }
    }
    for (int i = b.size() - tail; i < b.size(); ++i)
        add(&pieces, Piece::Same, b[i]);
    return pieces;
}

} // namespace WordDiff
