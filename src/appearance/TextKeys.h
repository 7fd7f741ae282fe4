#pragma once

#include <QStringList>

namespace tolvik {

/// Every text key the application looks up. Each one must have a text in every string table; a key that code
/// uses must be listed here.
const QStringList& allTextKeys();
/// The keys whose texts take a count (%n) and come in plural forms.
const QStringList& pluralTextKeys();

} // namespace tolvik
