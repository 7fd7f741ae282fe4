#include "sync/EngineOutput.h"

#include <QRegularExpression>

namespace tolvik {

int EngineOutput::changes() const
{
    int deleted = 0;
    for (const int count : deletedLocally) {
        deleted += count;
    }
    return uploaded + downloaded + updated + deletedRemotely + deleted;
}

namespace EngineOutputParser {

namespace {

void addUnique(QStringList& list, const QString& value)
{
    if (!list.contains(value)) {
        list.append(value);
    }
}

} // namespace

void addLine(EngineOutput& output, const QString& line, const QString& pair)
{
    const QString local = pair + QStringLiteral("_local/");
    const QString remote = pair + QStringLiteral("_remote/");
    static const QRegularExpression copying(QStringLiteral(R"(^Copying \((uploading|updating)\) item .* to (\S+)$)"));
    static const QRegularExpression deleting(QStringLiteral(R"(^Deleting item .* from (\S+)$)"));
    static const QRegularExpression helperStatus(QStringLiteral(R"(returned non-zero exit status (\d+))"));
    const QString collectionError = QStringLiteral("error: Unknown error occurred for ") + pair + QLatin1Char('/');
    const QString pairPrefix = QStringLiteral("error: ") + pair + QLatin1Char('/');

    if (const auto match = copying.match(line); match.hasMatch()) {
        const QString target = match.captured(2);
        if (match.captured(1) == QLatin1String("updating")) {
            ++output.updated;
        } else if (target.startsWith(remote)) {
            ++output.uploaded;
        } else if (target.startsWith(local)) {
            ++output.downloaded;
        }
        return;
    }
    if (const auto match = deleting.match(line); match.hasMatch()) {
        const QString target = match.captured(1);
        if (target.startsWith(local)) {
            ++output.deletedLocally[target.mid(local.size())];
        } else {
            ++output.deletedRemotely;
        }
        return;
    }
    if (line.startsWith(collectionError)) {
        addUnique(output.failedCollections, line.mid(collectionError.size()).section(QLatin1Char(':'), 0, 0));
    } else if (line.startsWith(pairPrefix)) {
        const QString collection = line.mid(pairPrefix.size()).section(QLatin1Char(':'), 0, 0);
        if (line.contains(QLatin1String("was completely emptied"))) {
            addUnique(output.emptiedCollections, collection);
        } else if (line.contains(QLatin1String("changed on both sides"))) {
            addUnique(output.conflictCollections, collection);
        } else {
            addUnique(output.failedCollections, collection);
        }
    } else if (line.contains(QLatin1String("run `vdirsyncer discover")) ||
               line.contains(QLatin1String("Detected change in config file"))) {
        output.needsDiscovery = true;
        output.failedOverall = true;
    } else if (line.startsWith(QLatin1String("error: ")) || line.startsWith(QLatin1String("critical: "))) {
        // Follow-up lines of a conflict block carry details, not another failure.
        if (!line.startsWith(QLatin1String("error: Item ")) && !line.startsWith(QLatin1String("error: Use `"))) {
            output.failedOverall = true;
        }
    }
    if (const auto match = helperStatus.match(line); match.hasMatch()) {
        output.passwordHelperStatus = match.captured(1).toInt();
    }
}

EngineOutput parse(const QByteArray& log, const QString& pair)
{
    EngineOutput output;
    for (const QByteArray& line : log.split('\n')) {
        addLine(output, QString::fromUtf8(line).trimmed(), pair);
    }
    return output;
}

} // namespace EngineOutputParser

} // namespace tolvik
