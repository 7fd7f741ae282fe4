#include "store/IcalRelations.h"

#include "store/IcalSupport.h"

#include <libical/ical.h>

namespace tolvik::ical {

namespace {

icalparameter_reltype relationOf(icalproperty* property)
{
    icalparameter* type = icalproperty_get_first_parameter(property, ICAL_RELTYPE_PARAMETER);
    return type ? icalparameter_get_reltype(type) : ICAL_RELTYPE_PARENT;
}

QList<icalproperty*> relations(icalcomponent* todo, icalparameter_reltype kind)
{
    QList<icalproperty*> found;
    for (icalproperty* property : properties(todo, ICAL_RELATEDTO_PROPERTY)) {
        if (relationOf(property) == kind) {
            found.append(property);
        }
    }
    return found;
}

QString valueOf(icalproperty* property)
{
    return text(icalproperty_get_relatedto(property)).trimmed();
}

icalproperty* newRelation(const QString& uid, icalparameter_reltype kind)
{
    icalproperty* property = icalproperty_new_relatedto(uid.toUtf8().constData());
    icalproperty_add_parameter(property, icalparameter_new_reltype(kind));
    return property;
}

} // namespace

std::optional<QString> parentOf(icalcomponent* todo)
{
    for (icalproperty* property : relations(todo, ICAL_RELTYPE_PARENT)) {
        const QString uid = valueOf(property);
        if (!uid.isEmpty()) {
            return uid;
        }
    }
    return std::nullopt;
}

QStringList childrenOf(icalcomponent* todo)
{
    QStringList children;
    for (icalproperty* property : relations(todo, ICAL_RELTYPE_CHILD)) {
        const QString uid = valueOf(property);
        if (!uid.isEmpty() && !children.contains(uid)) {
            children.append(uid);
        }
    }
    return children;
}

QStringList categoriesOf(icalcomponent* todo)
{
    QStringList categories;
    for (icalproperty* property : properties(todo, ICAL_CATEGORIES_PROPERTY)) {
        const QString value = text(icalproperty_get_categories(property)).trimmed();
        if (!value.isEmpty()) {
            categories.append(value);
        }
    }
    return categories;
}

void writeParent(icalcomponent* todo, const std::optional<QString>& parent)
{
    QList<icalproperty*> lines = relations(todo, ICAL_RELTYPE_PARENT);
    if (parent && !lines.isEmpty()) {
        icalproperty_set_relatedto(lines.takeFirst(), parent->toUtf8().constData());
    } else if (parent) {
        icalcomponent_add_property(todo, newRelation(*parent, ICAL_RELTYPE_PARENT));
    }
    for (icalproperty* line : std::as_const(lines)) {
        icalcomponent_remove_property(todo, line);
        icalproperty_free(line);
    }
}

void writeChildren(icalcomponent* todo, const QStringList& before, const QStringList& children)
{
    for (icalproperty* line : relations(todo, ICAL_RELTYPE_CHILD)) {
        if (!children.contains(valueOf(line))) {
            icalcomponent_remove_property(todo, line);
            icalproperty_free(line);
        }
    }
    for (const QString& child : children) {
        if (!before.contains(child)) {
            icalcomponent_add_property(todo, newRelation(child, ICAL_RELTYPE_CHILD));
        }
    }
}

} // namespace tolvik::ical
