// libFuzzer harness for the PNG reader.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPictureReader<TPNGFileFormatReader>(data, size);
}
