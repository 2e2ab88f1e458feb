#include "console/ui/MenuMnemonics.h"

#include <QAction>
#include <QHash>
#include <QSet>

#include <optional>
#include <tuple>
#include <utility>

namespace kx::ui {

namespace {

// The position of the marked character ("&&" is a literal ampersand).
std::optional<qsizetype> markedPosition(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return i + 1;
        ++i;
    }
    return std::nullopt;
}

QString withoutMarks(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '&' || i + 1 == text.size())
            plain += text[i];
        else if (text[i + 1] == '&')
            plain += text.mid(i++, 2);
    }
    return plain;
}

// The positions a mark may take, best first: the first characters of
// words, then the other letters and digits.
QList<qsizetype> candidatePositions(const QString& plain)
{
    QList<qsizetype> positions;
    for (bool wordStart : {true, false})
        for (qsizetype i = 0; i < plain.size(); ++i)
            if (plain[i].isLetterOrNumber() && (i == 0 || !plain[i - 1].isLetterOrNumber()) == wordStart)
                positions.append(i);
    return positions;
}

}  // namespace

void AssignUniqueMnemonics(const QList<QAction*>& entries)
{
    // Each entry's characters in the order it would take them: the one its
    // text marks (unless an entry before it marks the same), then the first
    // characters of words, then the other letters and digits. Entries whose
    // marks do not clash are served first.
    struct Entry {
        QAction* action;
        QString plain;
        QList<qsizetype> positions;  // in `plain`
        bool keepsMark = false;
    };
    QList<Entry> order, others;
    QSet<QChar> marked;
    for (QAction* action : entries) {
        if (action->isSeparator())
            continue;
        Entry entry{action, withoutMarks(action->text()), {}, false};
        entry.positions = candidatePositions(entry.plain);
        if (const auto at = markedPosition(action->text()); at && action->text()[*at].isLetterOrNumber()) {
            const QChar c = action->text()[*at].toLower();
            entry.keepsMark = !marked.contains(c);
            marked.insert(c);
            if (entry.keepsMark)  // the marked character's place in `plain`
                entry.positions.prepend(withoutMarks(action->text().left(*at - 1)).size());
        }
        (entry.keepsMark ? order : others).append(entry);
    }
    order += others;
    // A character goes to one entry. An entry with no free character takes
    // one from another entry that can move on to a free one, along the
    // shortest such chain, so that a long menu does not run out of letters
    // through early choices and as few entries as possible move.
    QHash<QChar, int> owner;
    auto character = [&](int e, qsizetype position) { return order[e].plain[position].toLower(); };
    auto assign = [&](int start) {
        QHash<int, std::pair<int, QChar>> cameFrom;  // entry -> (entry taking its character, the character)
        QSet<QChar> visited;
        QList<int> queue{start};
        for (qsizetype next = 0; next < queue.size(); ++next) {
            int e = queue[next];
            for (qsizetype position : order[e].positions) {
                QChar c = character(e, position);
                if (owner.contains(c))
                    continue;
                for (;;) {  // hand the characters on along the chain
                    owner[c] = e;
                    if (e == start)
                        return;
                    std::tie(e, c) = cameFrom[e];
                }
            }
            for (qsizetype position : order[e].positions) {
                const QChar c = character(e, position);
                const int holder = owner.value(c);
                if (visited.contains(c) || cameFrom.contains(holder))
                    continue;
                visited.insert(c);
                cameFrom[holder] = {e, c};
                queue.append(holder);
            }
        }
    };
    for (int e = 0; e < order.size(); ++e)
        assign(e);
    for (int e = 0; e < order.size(); ++e) {
        QString text = order[e].plain;
        for (qsizetype position : order[e].positions) {
            if (owner.value(character(e, position), -1) == e) {
                text.insert(position, '&');
                break;
            }
        }
        order[e].action->setText(text);
    }
}

}  // namespace kx::ui
