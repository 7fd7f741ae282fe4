#pragma once

// Checks shared by the fuzz targets and their replay of saved inputs. A broken promise aborts, so that
// libFuzzer keeps the input that broke it.

#include "model/StoreRecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tolvik::fuzz {

/// Stops the run with a message naming the broken promise.
[[noreturn]] inline void fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

/// Sets what every run relies on: the user's zone, and libical's options.
void initialise();

/// Feeds bytes through the store's reader: the item parser, and when it reads a to-do that it would write,
/// a write and a second read that must agree with the first.
void checkRead(const uint8_t* data, size_t size);

/// Parses a file, applies an edit drawn from the input, writes it and reads it again: the result must carry
/// the edit and every property, parameter-carrying or not, that the edit did not touch.
void checkWrite(const uint8_t* data, size_t size);

} // namespace tolvik::fuzz
