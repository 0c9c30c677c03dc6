// libFuzzer harness for the PCX reader.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPictureReader<TPCXFileFormatReader>(data, size);
}
