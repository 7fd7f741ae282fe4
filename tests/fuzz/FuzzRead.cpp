// libFuzzer entry for the store's reader.

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tolvik::fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tolvik::fuzz::checkRead(data, size);
    return 0;
}
