#include "model/ReminderTree.h"

#include "model/ReminderLoading.h"
#include "model/TextOrdering.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

namespace tolvik {

QList<ReminderItem> sortedForDisplay(QList<ReminderItem> items)
{
    // Title keys are computed once; a sort over thousands of items must not normalise in every comparison.
    std::vector<QList<uint>> titleKeys;
    titleKeys.reserve(items.size());
    for (const ReminderItem& item : std::as_const(items)) {
        titleKeys.push_back(textOrderingKey(item.title));
    }
    std::vector<qsizetype> order(items.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const std::optional<QDateTime>& dueA = items.at(a).dueDate;
        const std::optional<QDateTime>& dueB = items.at(b).dueDate;
        if (dueA.has_value() != dueB.has_value()) {
            return dueA.has_value();
        }
        if (dueA && *dueA != *dueB) {
            return *dueA < *dueB;
        }
        return titleKeys[a] < titleKeys[b];
    });
    QList<ReminderItem> sorted;
    sorted.reserve(items.size());
    for (qsizetype index : order) {
        sorted.append(std::move(items[index]));
    }
    return sorted;
}

namespace {

// Of the reminders that carry a UID, the one in `listID` if there is one, else the first.
qsizetype pick(const QList<qsizetype>& candidates, const QList<ReminderItem>& all, const QString& listID)
{
    for (qsizetype candidate : candidates) {
        if (all.at(candidate).listID == listID) {
            return candidate;
        }
    }
    return candidates.isEmpty() ? -1 : candidates.first();
}

struct Links
{
    /// Per reminder: its parent's index in `all`, or -1.
    std::vector<qsizetype> parent;
    /// Per reminder: it names a parent that no list holds, or itself.
    std::vector<ReminderItem::ParentHint> unresolved;
};

Links linkParents(const StoreReminderBatch& fetched, const QList<qsizetype>& source, QList<ReminderItem>& all)
{
    QHash<QString, QList<qsizetype>> byUid;
    QHash<QString, QList<qsizetype>> namedAsChild;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (!all.at(i).uid.isEmpty()) {
            byUid[all.at(i).uid].append(i);
        }
        for (const QString& child : fetched.at(source.at(i)).childUIDs) {
            namedAsChild[child].append(i);
        }
    }
    Links links{std::vector<qsizetype>(all.size(), -1),
                std::vector<ReminderItem::ParentHint>(all.size(), ReminderItem::ParentHint::none)};
    for (qsizetype i = 0; i < all.size(); ++i) {
        ReminderItem& item = all[i];
        qsizetype parent = -1;
        if (const std::optional<QString>& named = fetched.at(source.at(i)).parentUID) {
            parent = pick(byUid.value(*named), all, item.listID);
            if (parent < 0) {
                links.unresolved[i] = ReminderItem::ParentHint::missing;
            }
        } else if (!item.uid.isEmpty()) {
            parent = pick(namedAsChild.value(item.uid), all, item.listID);
            item.linkedByParent = parent >= 0;
        }
        if (parent == i) {
            links.unresolved[i] = ReminderItem::ParentHint::loop;
            item.linkedByParent = false;
            continue;
        }
        if (parent >= 0) {
            links.parent[i] = parent;
            item.parentID = all.at(parent).id;
            item.parentTitle = all.at(parent).title;
        }
    }
    return links;
}

// Nests the shown reminders (`shown`: indexes into `all`, in display order) and returns them in tree order.
QList<ReminderItem> nest(const QList<qsizetype>& shown, const QList<ReminderItem>& all, const Links& links)
{
    const qsizetype count = shown.size();
    QHash<qsizetype, qsizetype> positionOf;
    positionOf.reserve(count);
    for (qsizetype position = 0; position < count; ++position) {
        positionOf.insert(shown.at(position), position);
    }
    QList<ReminderItem> items;
    items.reserve(count);
    std::vector<qsizetype> up(count, -1);
    for (qsizetype position = 0; position < count; ++position) {
        const qsizetype index = shown.at(position);
        ReminderItem item = all.at(index);
        item.parentHint = links.unresolved[index];
        const qsizetype parent = links.parent[index];
        if (parent >= 0) {
            const qsizetype parentPosition = positionOf.value(parent, -1);
            if (all.at(parent).listID != item.listID) {
                item.parentHint = ReminderItem::ParentHint::otherList;
            } else if (parentPosition < 0) {
                item.parentHint = ReminderItem::ParentHint::notShown;
            } else {
                up[position] = parentPosition;
            }
        }
        items.append(std::move(item));
    }

    // Cut every circle at its member shown first. Each walk stops at a settled reminder, so the whole pass is
    // linear in the number of reminders.
    enum State : char
    {
        fresh,
        walking,
        settled
    };
    std::vector<State> state(count, fresh);
    for (qsizetype start = 0; start < count; ++start) {
        QList<qsizetype> path;
        qsizetype at = start;
        while (at >= 0 && state[at] == fresh) {
            state[at] = walking;
            path.append(at);
            at = up[at];
        }
        if (at >= 0 && state[at] == walking) {
            const qsizetype entry = path.indexOf(at);
            const qsizetype cut = *std::min_element(path.begin() + entry, path.end());
            // The parent it was cut from now hangs below it: it no longer counts it as a sub-task.
            --items[up[cut]].subtaskCount;
            up[cut] = -1;
            items[cut].parentHint = ReminderItem::ParentHint::loop;
        }
        for (qsizetype node : std::as_const(path)) {
            state[node] = settled;
        }
    }

    std::vector<QList<qsizetype>> children(count);
    QList<qsizetype> roots;
    for (qsizetype position = 0; position < count; ++position) {
        if (up[position] >= 0) {
            children[up[position]].append(position);
        } else {
            roots.append(position);
        }
    }
    QList<ReminderItem> arranged;
    arranged.reserve(count);
    QList<std::pair<qsizetype, int>> pending;
    for (auto root = roots.crbegin(); root != roots.crend(); ++root) {
        pending.append({*root, 0});
    }
    while (!pending.isEmpty()) {
        const auto [position, depth] = pending.takeLast();
        ReminderItem& item = items[position];
        item.depth = depth;
        item.shownSubtaskCount = int(children[position].size());
        if (up[position] >= 0) {
            item.shownParentID = items.at(up[position]).id;
        }
        arranged.append(item);
        const QList<qsizetype>& below = children[position];
        for (auto child = below.crbegin(); child != below.crend(); ++child) {
            pending.append({*child, depth + 1});
        }
    }
    return arranged;
}

} // namespace

ArrangedReminders arrangeReminders(const StoreReminderBatch& fetched, ReminderTimeframe timeframe, const QDateTime& now)
{
    QList<ReminderItem> all;
    QList<qsizetype> source;
    for (qsizetype i = 0; i < fetched.size(); ++i) {
        const StoreReminder& reminder = fetched.at(i);
        if (reminder.listID) {
            all.append(reminderItemOf(reminder, now));
            source.append(i);
        }
    }
    const Links links = linkParents(fetched, source, all);
    for (qsizetype i = 0; i < all.size(); ++i) {
        const qsizetype parent = links.parent[i];
        if (parent >= 0 && all.at(parent).listID == all.at(i).listID) {
            ++all[parent].subtaskCount;
            all[parent].completedSubtaskCount += all.at(i).isCompleted ? 1 : 0;
        }
    }

    ArrangedReminders arranged;
    QList<ReminderItem> open;
    const QDateTime since = now.addDays(-recentlyCompletedDays);
    for (qsizetype i = 0; i < all.size(); ++i) {
        ReminderItem item = all.at(i);
        item.parentHint = links.unresolved[i];
        if (!item.isCompleted) {
            // The index travels in `depth` through the sort and is put right below.
            item.depth = int(i);
            open.append(std::move(item));
        } else if (item.completionDate && *item.completionDate >= since) {
            arranged.recentlyCompleted.append(std::move(item));
        }
    }
    std::stable_sort(
        arranged.recentlyCompleted.begin(), arranged.recentlyCompleted.end(),
        [](const ReminderItem& a, const ReminderItem& b) { return *a.completionDate > *b.completionDate; });

    arranged.open = sortedForDisplay(std::move(open));
    const std::optional<QDateTime> limit = cutOff(timeframe, now);
    QList<qsizetype> shown;
    for (ReminderItem& item : arranged.open) {
        const qsizetype index = item.depth;
        item.depth = 0;
        if (!limit || !item.dueDate || *item.dueDate <= *limit) {
            shown.append(index);
        }
    }
    arranged.visible = nest(shown, all, links);
    return arranged;
}

} // namespace tolvik
